#pragma once

// The basket grid of the tab "Sepet": its columns, its look, its popup menu and its re-layout by
// the width of the screen.

#include "platform/grid/sutun.h"

#include <vector>

class QMenu;
class QWidget;

namespace datasnap {
class TDataSource;
}
namespace grid {
class TVeriIzgarasi;
}

namespace siparis {

// Screens wider than this share the grid's width by weight; the others fit each column.
inline constexpr int GenisEkranSiniri = 1152;

// The field of the mark column; a double-click on it marks or unmarks the line.
inline const QString SecimAlani = QStringLiteral("SEC");

// The basket grid's columns in grid order, with captions, kinds, weights and first visibility.
std::vector<grid::TSutun> SepetSutunlari();

// A grid configured as the basket grid, bound to `kaynak`: read-only, single cells focused,
// header and rows 40 high, Tahoma 13, white even rows, the line count under "Sipariş Tarihi" and
// the sums of "Miktar" and "Net Tutar" in the footer.
grid::TVeriIzgarasi* SepetIzgarasiOlustur(QWidget* sahip, datasnap::TDataSource* kaynak);

// The popup menu: "Satır Değiştir" (`Deitir1`), "Satır Sil" (`SatrSil1`), "Hepsini Sil"
// (`HepsiniSil1`), with separators between them.
QMenu* SepetAcilirMenusuOlustur(QWidget* sahip);

// Re-layout for a screen `ekranGenisligi` pixels wide: proportional widths on wide screens, best
// fit of every visible column otherwise.
void SepetIzgarasiDuzenle(grid::TVeriIzgarasi& izgara, int ekranGenisligi);

} // namespace siparis
