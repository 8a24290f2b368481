#include "platform/widgets/sayikutusu.h"

namespace widgets {

TSayiKutusu::TSayiKutusu(QWidget* sahip)
    : QDoubleSpinBox(sahip) {
    setDecimals(0);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TSayiKutusu::SetTamSayi(bool tamSayi, int ondalik) {
    setDecimals(tamSayi ? 0 : qMax(1, ondalik));
}

bool TSayiKutusu::SayiOku(const QString& yazi, double* deger) const {
    QString sayi = yazi;
    if (!prefix().isEmpty() && sayi.startsWith(prefix()))
        sayi.remove(0, prefix().size());
    if (!suffix().isEmpty() && sayi.endsWith(suffix()))
        sayi.chop(suffix().size());
    sayi = sayi.trimmed();
    if (sayi.isEmpty() || (TamSayi() && sayi.contains(locale().decimalPoint())))
        return false;
    bool tamam = false;
    *deger = locale().toDouble(sayi, &tamam);
    return tamam;
}

QValidator::State TSayiKutusu::validate(QString& yazi, int& konum) const {
    if (TamSayi() && yazi.contains(locale().decimalPoint()))
        return QValidator::Invalid;
    const QValidator::State durum = QDoubleSpinBox::validate(yazi, konum);
    if (durum != QValidator::Invalid)
        return durum;
    // A number beyond the range is still a number: kept while typing, corrected by fixup.
    double deger = 0;
    return SayiOku(yazi, &deger) ? QValidator::Intermediate : QValidator::Invalid;
}

void TSayiKutusu::fixup(QString& yazi) const {
    double deger = 0;
    if (SayiOku(yazi, &deger)) {
        yazi = textFromValue(qBound(minimum(), deger, maximum()));
        return;
    }
    QDoubleSpinBox::fixup(yazi);
}

} // namespace widgets
