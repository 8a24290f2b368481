#include "client/session/buyukharf.h"

#include <QLineEdit>

QValidator::State TBuyukHarfDogrulayici::validate(QString& girdi, int& konum) const {
    const QString buyuk = girdi.toUpper();
    if (buyuk.size() != girdi.size()) // e.g. "ß" becomes "SS": keep the cursor behind the same text
        konum += static_cast<int>(buyuk.size() - girdi.size());
    girdi = buyuk;
    return Acceptable;
}

void BuyukHarfYap(QLineEdit* kutu) {
    kutu->setValidator(new TBuyukHarfDogrulayici(kutu));
}
