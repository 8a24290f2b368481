#pragma once

// The stock grid of "Stok Listesi": its columns, its look, its popup menu, its re-layout for
// wide and narrow windows and the multi-line price cell drawn on narrow windows.

#include "platform/grid/sutun.h"

#include <QString>
#include <vector>

class QMenu;
class QPainter;
class QWidget;

namespace datasnap {
class TDataSource;
}
namespace grid {
class TVeriIzgarasi;
}

namespace katalog {

// A window wider than this shows the four price columns; at this width or less, the price cell.
inline constexpr int GenisPencereSiniri = 1152;
inline constexpr int GenisSatirYuksekligi = 50;
inline constexpr int DarSatirYuksekligi = 100;

// The unbound price column of narrow windows.
inline const QString FiyatBilgisiAlani = QStringLiteral("FiyatBilgisi");

// The stock grid's columns in grid order, with captions, kinds, weights and first visibility.
std::vector<grid::TSutun> StokSutunlari();

// The text of the price cell of one row (LISTEFIYAT1, KAMPFIYAT, NETFIYAT, KDVDAHIL).
QString FiyatBilgisiMetni(const grid::THucre& hucre);

// Draws the price cell completely: the row's colour, then the text right-aligned within 10
// pixels of each side. Always returns true (the grid draws nothing more there).
bool cxGrid1DBTableView1FiyatBilgisiCustomDrawCell(QPainter& ressam, const grid::THucreBoyasi& boya,
                                                   const grid::THucre& hucre);

// A grid configured as the stock grid, bound to `kaynak`: read-only, whole rows, incremental
// search, header filters, the column chooser, header 40, indicator 5, Arial 13, the row count
// under "Oem1".
grid::TVeriIzgarasi* StokIzgarasiOlustur(QWidget* sahip, datasnap::TDataSource* kaynak);

// The popup menu of the stock grid: "Sepete Ekle" (`SepeteEkle1`), "Sipariş Bakiyeleriniz"
// (`SiparisBakiyeleriniz1`), "Siparişleri Göster" (`SiparisleriGoster1`).
QMenu* StokAcilirMenusuOlustur(QWidget* sahip);

// Re-layout for a main window `pencereGenisligi` pixels wide: wide windows show KDVDAHIL,
// NETFIYAT, KAMPFIYAT and LISTEFIYAT1 with rows 50 high; narrow ones the price cell with rows 100
// high, OEM1–OEM3 80 and the price cell 150 pixels wide. The widths of the visible columns follow
// their weights.
void StokIzgarasiDuzenle(grid::TVeriIzgarasi& izgara, int pencereGenisligi);

} // namespace katalog
