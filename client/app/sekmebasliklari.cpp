#include "client/app/sekmebasliklari.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TSekmeTanimi, 8> kSekmeler{{
    {TSekme::StokListesi, u"sstoklistesi", u"Stok Listesi", u"Stok Listesi", u"sekmeler/stok.svg"},
    {TSekme::Sepet, u"ssepet", u"Sepet", u"Sepet", u"sekmeler/sepet.svg"},
    {TSekme::Onceki, u"sonceki", u"Önceki Siparişler", u"", u"sekmeler/onceki.svg"},
    {TSekme::CariEkstre, u"sccariekstre", u"Cari Ekstre", u"", u"sekmeler/ekstre.svg"},
    {TSekme::Yeniler, u"syeniler", u"Yeni Stoklar", u"Yeni Stoklar", u"sekmeler/yeniler.svg"},
    {TSekme::Kampanyali, u"skampanyali", u"Kampanyalı Stoklar", u"Kampanyalı", u"sekmeler/kampanya.svg"},
    {TSekme::Duyurular, u"sTabSheetduyuru", u"Duyurular", u"Duyurular", u"sekmeler/duyuru.svg"},
    {TSekme::Bakiyeler, u"sTabbakiyeler", u"Bakiyeler", u"Bakiyeler", u"sekmeler/bakiye.svg"},
}};

QString Baslik(TSekme sekme, const QString& sayi) {
    return sayi + QLatin1Char('=') + SekmeTanimi(sekme).sayacAdi.toString();
}

} // namespace

std::span<const TSekmeTanimi> Sekmeler() {
    return kSekmeler;
}

const TSekmeTanimi& SekmeTanimi(TSekme sekme) {
    return *std::find_if(kSekmeler.begin(), kSekmeler.end(),
                         [sekme](const TSekmeTanimi& t) { return t.sekme == sekme; });
}

QString KisaOndalik(double deger, const QLocale& yerel) {
    QLocale bicim = yerel;
    bicim.setNumberOptions(bicim.numberOptions() | QLocale::OmitGroupSeparator);
    return bicim.toString(deger, 'g', 15);
}

QString SayacBasligi(TSekme sekme, int adet) {
    return Baslik(sekme, QString::number(adet));
}

QString SayacBasligi(TSekme sekme, double adet, const QLocale& yerel) {
    return Baslik(sekme, KisaOndalik(adet, yerel));
}
