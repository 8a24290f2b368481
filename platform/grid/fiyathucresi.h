#pragma once

#include <QColor>
#include <QLocale>
#include <QRect>
#include <QString>

class QPainter;

namespace grid {

// Text of the multi-line price cell: "Liste Fiyatı: ", the campaign line only when the
// campaign price is above 0, "NetFiyat: " and "KDV li Fiyat: ", each amount written with
// "#,###,##0.00" under `yerel`, each line ended by a line break.
QString FiyatBilgisiYazisi(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvDahil,
                           const QLocale& yerel = QLocale());

// Paints a price cell completely: fills `hucre` with `zemin`, then draws `yazi` right-aligned
// and vertically centred, wrapped at word boundaries without an ellipsis, 10 pixels in from
// the left and right edges.
void FiyatHucresiniCiz(QPainter& ressam, const QRect& hucre, const QColor& zemin, const QColor& yaziRengi,
                       const QString& yazi);

} // namespace grid
