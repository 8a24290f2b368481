#include "platform/grid/fiyathucresi.h"

#include "platform/datasnap/numberformat.h"

#include <QPainter>

namespace grid {

namespace {

QString Satir(const QString& baslik, double tutar, const QLocale& yerel) {
    return baslik + datasnap::FormatFloat(datasnap::kFloatDisplayFormat, tutar, yerel) + QLatin1Char('\n');
}

} // namespace

QString FiyatBilgisiYazisi(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvDahil,
                           const QLocale& yerel) {
    QString yazi = Satir(QStringLiteral("Liste Fiyatı: "), listeFiyati, yerel);
    if (kampanyaFiyati > 0)
        yazi += Satir(QStringLiteral("Kampanyalı Fiyat: "), kampanyaFiyati, yerel);
    yazi += Satir(QStringLiteral("NetFiyat: "), netFiyat, yerel);
    yazi += Satir(QStringLiteral("KDV li Fiyat: "), kdvDahil, yerel);
    return yazi;
}

void FiyatHucresiniCiz(QPainter& ressam, const QRect& hucre, const QColor& zemin, const QColor& yaziRengi,
                       const QString& yazi) {
    ressam.save();
    ressam.fillRect(hucre, zemin);
    ressam.setPen(yaziRengi);
    // The closing line break would count as an empty last line and push the block upwards.
    QString gosterilen = yazi;
    while (gosterilen.endsWith(QLatin1Char('\n')))
        gosterilen.chop(1);
    ressam.drawText(hucre.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, gosterilen);
    ressam.restore();
}

} // namespace grid
