#pragma once

// The set-up the program's grids share, written once: a read-only grid with incremental search,
// header filters and the column chooser, its heights, colours and font, footer figures and a
// popup menu of named entries.

#include "platform/grid/izgara.h"

#include <QString>
#include <vector>

class QMenu;

namespace grid {

struct TIzgaraAyari {
    QString ad; // object name
    std::vector<TSutun> sutunlar;
    bool tumSatir = true;      // whole rows focused; false focuses single cells
    bool siralanabilir = true; // sorting by a header click
    int baslikYuksekligi = 40;
    int satirYuksekligi = 0; // 0 keeps the grid's default
    int gostergeGenisligi = 5;
    TVeriIzgarasi::TRenkler renkler{};
    QString yaziAilesi; // the cells' font, 13 pixels; the header's is the same in bold
    QList<TOzet> altOzetler;
};

// A grid set up by `ayar`, bound to `kaynak`.
TVeriIzgarasi* IzgaraOlustur(QWidget* sahip, TIzgaraAyari ayar, datasnap::TDataSource* kaynak);

// One entry of a popup menu: the action's object name and caption; both empty for a separator.
struct TMenuOgesi {
    QString ad;
    QString baslik;
};

QMenu* AcilirMenuOlustur(QWidget* sahip, const QString& ad, const std::vector<TMenuOgesi>& ogeler);

} // namespace grid
