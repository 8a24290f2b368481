#include "client/catalogue/stokizgarasi.h"

#include "platform/datasnap/datasource.h"
#include "platform/grid/fiyathucresi.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgarakurulumu.h"
#include "platform/grid/simgeler.h"

using namespace Qt::StringLiterals;

namespace katalog {

namespace {

using grid::TSutun;
using grid::TSutunTuru;

TSutun Sarilan(const QString& alan, const QString& baslik, bool gorunur, int agirlik) {
    return {.alan = alan, .baslik = baslik, .gorunur = gorunur, .agirlik = agirlik, .tur = TSutunTuru::SarilanYazi};
}

TSutun Yazi(const QString& alan, const QString& baslik, bool gorunur, int agirlik) {
    return {.alan = alan, .baslik = baslik, .gorunur = gorunur, .agirlik = agirlik, .tur = TSutunTuru::Yazi};
}

TSutun Sayi(const QString& alan, const QString& baslik, bool gorunur, int agirlik) {
    return {.alan = alan, .baslik = baslik, .gorunur = gorunur, .agirlik = agirlik, .tur = TSutunTuru::Sayi};
}

TSutun Simge(const QString& alan, const QString& baslik, int agirlik, grid::TSimgeHaritasi harita) {
    return {.alan = alan,
            .baslik = baslik,
            .agirlik = agirlik,
            .tur = TSutunTuru::Simge,
            .hiza = Qt::AlignHCenter,
            .simgeler = std::move(harita)};
}

// Hidden and never offered in the chooser.
TSutun Gizli(TSutun sutun) {
    sutun.gorunur = false;
    sutun.secicide = false;
    return sutun;
}

double Sayisi(const grid::THucre& hucre, QStringView alan) {
    return hucre.Deger(alan).toDouble();
}

// The four price columns that wide windows show in place of the price cell.
const QString kFiyatSutunlari[] = {u"KDVDAHIL"_s, u"NETFIYAT"_s, u"KAMPFIYAT"_s, u"LISTEFIYAT1"_s};

} // namespace

std::vector<TSutun> StokSutunlari() {
    std::vector<TSutun> s;
    s.push_back(Simge(u"DURUM"_s, u"Durum"_s, 1, grid::DurumSimgeHaritasi()));
    s.push_back(Sarilan(u"OEM1"_s, u"Oem1"_s, false, 2));
    s.push_back(Sarilan(u"OEM2"_s, u"Oem2"_s, false, 2));
    s.push_back(Sarilan(u"OEM3"_s, u"Oem3"_s, false, 2));
    s.push_back(Sarilan(u"BARKOD"_s, u"Barkod"_s, true, 2));
    s.push_back(Sarilan(u"ADI"_s, u"Açıklama"_s, true, 4));
    s.push_back(Sarilan(u"OEM4"_s, u"Oem4"_s, false, 2));
    s.push_back(Gizli(Sayi(u"STOK_STOKNO"_s, {}, false, 1)));
    s.push_back(Sarilan(u"FINISHKOD"_s, u"Finish Kod"_s, false, 2));
    s.push_back(Sarilan(u"URETICIKODU"_s, u"Üretici Kod"_s, false, 2));
    TSutun resim = Simge(u"RESIM"_s, u"Resim"_s, 1, grid::ResimSimgeHaritasi());
    s.push_back(resim);
    s.push_back(Gizli(Yazi(u"BARKOD_BARKODNO"_s, {}, false, 1)));
    s.push_back(Sarilan(u"DIGERADI"_s, u"Diğer Adı"_s, false, 3));
    s.push_back(Gizli(Yazi(u"DPKOD"_s, {}, false, 2)));
    s.push_back(Sarilan(u"OEMNO"_s, u"Oem No"_s, false, 2));
    s.push_back(Yazi(u"BIRIM"_s, u"Birim"_s, false, 1));
    s.push_back(Yazi(u"MARKA"_s, u"Marka"_s, true, 2));
    s.push_back(Yazi(u"MODEL"_s, u"Model"_s, true, 2));
    s.push_back(Yazi(u"ANAGRUP"_s, u"Ana Grup"_s, false, 2));
    s.push_back(Yazi(u"OZELKOD"_s, u"Özel Kod"_s, false, 2));
    // Stock figures are for the sales staff only; the user-type adaptation shows and offers them.
    TSutun kalan = Gizli(Sayi(u"KALAN"_s, {}, false, 1));
    kalan.enAzGenislik = 84;
    s.push_back(kalan);
    s.push_back(Gizli(Yazi(u"PKOD"_s, {}, false, 1)));
    s.push_back(Sayi(u"KDV"_s, {}, false, 1));
    s.push_back(Gizli(Sayi(u"ALINANSIPARIS"_s, {}, false, 1)));
    s.push_back(Gizli(Sayi(u"VERILENSIPARIS"_s, {}, false, 1)));
    s.push_back(Sayi(u"LISTEFIYAT1"_s, u"Liste Fiyatı"_s, true, 2));
    s.push_back(Sayi(u"KAMPFIYAT"_s, u"Kampanyalı Fiyat"_s, true, 2));
    s.push_back(Sayi(u"FIYAT"_s, u"Liste Fiyatı"_s, false, 2));
    s.push_back(Simge(u"Y"_s, u"Yeni"_s, 1, grid::EvetHayirSimgeHaritasi(grid::YeniSimgesi(), grid::BayrakSimgesi())));
    s.push_back(Simge(u"K"_s, u"Kampanyalı"_s, 1,
                      grid::EvetHayirSimgeHaritasi(grid::KampanyaSimgesi(), grid::BayrakSimgesi())));
    TSutun indirim = Yazi(u"INDIRIMYAZI"_s, u"İndirim Oran"_s, true, 2);
    indirim.hiza = Qt::AlignHCenter;
    s.push_back(indirim);
    s.push_back(Sayi(u"NETFIYAT"_s, u"Net Fiyatı"_s, true, 2));
    s.push_back(Sayi(u"KDVDAHIL"_s, u"KDV Dahil Fiyat"_s, true, 3));
    TSutun fiyat = Yazi(FiyatBilgisiAlani, u"Fiyat Bilgisi"_s, false, 2);
    fiyat.tur = TSutunTuru::Not;
    fiyat.suzgec = false;
    fiyat.metin = &FiyatBilgisiMetni;
    fiyat.ciz = &cxGrid1DBTableView1FiyatBilgisiCustomDrawCell;
    s.push_back(fiyat);
    return s;
}

QString FiyatBilgisiMetni(const grid::THucre& hucre) {
    return grid::FiyatBilgisiYazisi(Sayisi(hucre, u"LISTEFIYAT1"), Sayisi(hucre, u"KAMPFIYAT"),
                                    Sayisi(hucre, u"NETFIYAT"), Sayisi(hucre, u"KDVDAHIL"));
}

bool cxGrid1DBTableView1FiyatBilgisiCustomDrawCell(QPainter& ressam, const grid::THucreBoyasi& boya,
                                                   const grid::THucre& hucre) {
    grid::FiyatHucresiniCiz(ressam, boya.alan, boya.zemin, boya.yaziRengi, FiyatBilgisiMetni(hucre));
    return true;
}

grid::TVeriIzgarasi* StokIzgarasiOlustur(QWidget* sahip, datasnap::TDataSource* kaynak) {
    grid::TVeriIzgarasi* izgara =
        grid::IzgaraOlustur(sahip,
                            {.ad = u"cxGrid1"_s,
                             .sutunlar = StokSutunlari(),
                             .satirYuksekligi = GenisSatirYuksekligi,
                             .yaziAilesi = u"Arial"_s,
                             .altOzetler = {grid::TOzet{.alan = u"OEM1"_s, .tur = grid::TOzetTuru::Sayi}}},
                            kaynak);
    izgara->SetAcilirMenu(StokAcilirMenusuOlustur(izgara));
    return izgara;
}

QMenu* StokAcilirMenusuOlustur(QWidget* sahip) {
    return grid::AcilirMenuOlustur(sahip, u"PopupMenu1"_s,
                                   {{u"SepeteEkle1"_s, u"Sepete Ekle"_s},
                                    {u"SiparisBakiyeleriniz1"_s, u"Sipariş Bakiyeleriniz"_s},
                                    {u"SiparisleriGoster1"_s, u"Siparişleri Göster"_s}});
}

void StokIzgarasiDuzenle(grid::TVeriIzgarasi& izgara, int pencereGenisligi) {
    izgara.GuncellemeBaslat();
    const bool genis = pencereGenisligi > GenisPencereSiniri;
    for (const QString& alan : kFiyatSutunlari)
        izgara.SetSutunGorunur(alan, genis);
    izgara.SetSutunGorunur(FiyatBilgisiAlani, !genis);
    izgara.SetSatirYuksekligi(genis ? GenisSatirYuksekligi : DarSatirYuksekligi);
    izgara.SutunlariOrantila();
    if (!genis) {
        for (const QString& alan : {u"OEM1"_s, u"OEM2"_s, u"OEM3"_s})
            izgara.SetSutunGenisligi(alan, 80);
        izgara.SetSutunGenisligi(FiyatBilgisiAlani, 150);
        izgara.SetSatirYuksekligi(DarSatirYuksekligi);
    }
    izgara.GuncellemeBitir();
}

} // namespace katalog
