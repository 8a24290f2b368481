#include "platform/grid/izgarakurulumu.h"

#include <QAction>
#include <QFont>
#include <QMenu>

namespace grid {

TVeriIzgarasi* IzgaraOlustur(QWidget* sahip, TIzgaraAyari ayar, datasnap::TDataSource* kaynak) {
    auto* izgara = new TVeriIzgarasi(sahip);
    izgara->setObjectName(ayar.ad);
    izgara->SetSutunlar(std::move(ayar.sutunlar));
    izgara->SetSatirSecimi(ayar.tumSatir);
    izgara->SetArtimliArama(true);
    izgara->SetSuzgecDugmeleri(true);
    izgara->SetSutunSecici(true);
    izgara->SetSiralanabilir(ayar.siralanabilir);
    izgara->SetBaslikYuksekligi(ayar.baslikYuksekligi);
    if (ayar.satirYuksekligi > 0)
        izgara->SetSatirYuksekligi(ayar.satirYuksekligi);
    izgara->SetGostergeGenisligi(ayar.gostergeGenisligi);
    izgara->SetIzgaraCizgileri(true);
    izgara->SetRenkler(ayar.renkler);
    QFont yazi(ayar.yaziAilesi);
    yazi.setPixelSize(13);
    izgara->SetYaziTipi(yazi);
    yazi.setBold(true);
    izgara->SetBaslikYaziTipi(yazi);
    izgara->SetAltOzetler(ayar.altOzetler);
    izgara->SetAltBilgiGorunur(!ayar.altOzetler.isEmpty());
    izgara->SetVeriKaynagi(kaynak);
    return izgara;
}

QMenu* AcilirMenuOlustur(QWidget* sahip, const QString& ad, const std::vector<TMenuOgesi>& ogeler) {
    auto* menu = new QMenu(sahip);
    menu->setObjectName(ad);
    for (const TMenuOgesi& oge : ogeler) {
        if (oge.ad.isEmpty() && oge.baslik.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction* eylem = menu->addAction(oge.baslik);
        eylem->setObjectName(oge.ad);
    }
    return menu;
}

} // namespace grid
