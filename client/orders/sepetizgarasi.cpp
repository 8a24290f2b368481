#include "client/orders/sepetizgarasi.h"

#include "platform/datasnap/datasource.h"
#include "platform/grid/izgara.h"
#include "platform/grid/izgarakurulumu.h"
#include "platform/grid/simgeler.h"

using namespace Qt::StringLiterals;

namespace siparis {

namespace {

using grid::TSutun;
using grid::TSutunTuru;

// A column by field, caption, first visibility, chooser and weight; numbers and dates get their
// kinds by field name below.
TSutun Sutun(const QString& alan, const QString& baslik, bool gorunur, bool secicide, int agirlik,
             TSutunTuru tur = TSutunTuru::Yazi) {
    return {.alan = alan, .baslik = baslik, .gorunur = gorunur, .secicide = secicide, .agirlik = agirlik, .tur = tur};
}

constexpr auto Sayi = TSutunTuru::Sayi;
constexpr auto Tarih = TSutunTuru::Tarih;

} // namespace

std::vector<TSutun> SepetSutunlari() {
    std::vector<TSutun> s;
    TSutun sec = Sutun(SecimAlani, u"Seç"_s, true, false, 1, TSutunTuru::OnayKutusu);
    sec.hiza = Qt::AlignHCenter;
    sec.suzgec = false;
    s.push_back(sec);
    s.push_back(Sutun(u"VERILISTARIHI"_s, u"Sipariş Tarihi"_s, true, true, 1, Tarih));
    s.push_back(Sutun(u"SIRANO"_s, {}, false, false, 0, Sayi));
    s.push_back(Sutun(u"SIPARISNO"_s, u"Sipariş No"_s, false, true, 0, Sayi));
    s.push_back(Sutun(u"CARINO"_s, {}, false, false, 0, Sayi));
    s.push_back(Sutun(u"TARIH"_s, u"Tarih"_s, false, true, 1, Tarih));
    s.push_back(Sutun(u"AKTAR"_s, {}, false, false, 0, Sayi));
    s.push_back(Sutun(u"STOKNO"_s, {}, false, false, 0, Sayi));
    s.push_back(Sutun(u"BARKOD"_s, u"Barkod"_s, true, true, 2));
    s.push_back(Sutun(u"FINISHKOD"_s, u"FinishKod"_s, true, true, 2));
    s.push_back(Sutun(u"OEMNO"_s, u"OEMNo"_s, true, true, 2));
    s.push_back(Sutun(u"STOKADI"_s, u"Stok Açıklama"_s, true, true, 3));
    s.push_back(Sutun(u"MIKTAR"_s, u"Miktar"_s, true, true, 1, Sayi));
    s.push_back(Sutun(u"BIRIMFIYAT"_s, u"Birim Fiyat"_s, true, true, 1, Sayi));
    s.push_back(Sutun(u"TUTAR"_s, u"Tutar"_s, true, true, 1, Sayi));
    TSutun indirim = Sutun(u"INDIRIMYAZI"_s, u"İndirim Oran"_s, true, true, 2);
    indirim.hiza = Qt::AlignHCenter;
    s.push_back(indirim);
    s.push_back(Sutun(u"INDIRIMORANI1"_s, u"İndirim Oranı %"_s, false, false, 1, Sayi));
    s.push_back(Sutun(u"INDIRIMORANI2"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"INDIRIMORANI3"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"INDIRIMTUTAR"_s, u"İndirim Tutar"_s, false, false, 1, Sayi));
    s.push_back(Sutun(u"NETBIRIMFIYAT"_s, u"Net Fiyat"_s, true, true, 1, Sayi));
    s.push_back(Sutun(u"KDV"_s, {}, true, true, 1, Sayi));
    s.push_back(Sutun(u"VERGITUTARI"_s, u"Vergi Tutarı"_s, true, true, 1, Sayi));
    s.push_back(Sutun(u"NETTUTAR"_s, u"Net Tutar"_s, true, true, 1, Sayi));
    s.push_back(Sutun(u"KUR"_s, u"Kur"_s, false, true, 1));
    s.push_back(Sutun(u"KURTL"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"VERENIDNO"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"SAAT"_s, u"Saat"_s, false, true, 1));
    s.push_back(Sutun(u"TESLIMID"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"KARGOID"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"ACIKLAMA"_s, u"Açıklama"_s, false, true, 1));
    s.push_back(Sutun(u"IDNO"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"VERENSIRANO"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"VEREN"_s, u"Veren"_s, true, true, 1));
    s.push_back(Sutun(u"CARIKOD"_s, u"Cari Kod"_s, false, false, 1));
    s.push_back(Sutun(u"CARIADI"_s, u"Cari Adı"_s, false, false, 1));
    for (const QString& oem : {u"OEM1"_s, u"OEM2"_s, u"OEM3"_s, u"OEM4"_s})
        s.push_back(Sutun(oem, {}, false, true, 1));
    s.push_back(Sutun(u"STOK_STOKNO"_s, {}, false, false, 1, Sayi));
    s.push_back(Sutun(u"URETICIKODU"_s, {}, false, false, 1));
    s.push_back(Sutun(u"DIGERADI"_s, {}, false, true, 1));
    s.push_back(Sutun(u"DPKOD"_s, {}, false, true, 1));
    s.push_back(Sutun(u"MARKA"_s, u"Marka"_s, false, true, 1));
    s.push_back(Sutun(u"MODEL"_s, u"Model"_s, false, true, 1));
    s.push_back(Sutun(u"ANAGRUP"_s, u"Ana Grup"_s, false, true, 1));
    s.push_back(Sutun(u"OZELKOD"_s, u"Özel Kod"_s, false, true, 1));
    s.push_back(Sutun(u"PKOD"_s, {}, false, true, 1));
    TSutun durum = Sutun(u"DURUM"_s, u"Durum"_s, true, true, 1, TSutunTuru::Simge);
    durum.hiza = Qt::AlignHCenter;
    durum.simgeler = grid::DurumSimgeHaritasi();
    s.push_back(durum);
    // Stock figures are for the sales staff only; the user-type adaptation shows and offers them.
    s.push_back(Sutun(u"KALAN"_s, u"Kalan"_s, false, false, 1, Sayi));
    s.push_back(Sutun(u"INDIRIMORANI4"_s, {}, false, true, 0, Sayi));
    return s;
}

grid::TVeriIzgarasi* SepetIzgarasiOlustur(QWidget* sahip, datasnap::TDataSource* kaynak) {
    grid::TVeriIzgarasi::TRenkler renkler;
    renkler.ciftSatir = QColor(255, 255, 255);
    renkler.tekSatir = QColor(239, 239, 239);
    renkler.secili = QColor(210, 240, 249);
    grid::TVeriIzgarasi* izgara =
        grid::IzgaraOlustur(sahip,
                            {.ad = u"cxGrid2"_s,
                             .sutunlar = SepetSutunlari(),
                             .tumSatir = false,
                             .satirYuksekligi = 40,
                             .renkler = renkler,
                             .yaziAilesi = u"Tahoma"_s,
                             .altOzetler = {grid::TOzet{.alan = u"VERILISTARIHI"_s, .tur = grid::TOzetTuru::Sayi},
                                            grid::TOzet{.alan = u"MIKTAR"_s, .tur = grid::TOzetTuru::Toplam},
                                            grid::TOzet{.alan = u"NETTUTAR"_s, .tur = grid::TOzetTuru::Toplam}}},
                            kaynak);
    izgara->SetAcilirMenu(SepetAcilirMenusuOlustur(izgara));
    return izgara;
}

QMenu* SepetAcilirMenusuOlustur(QWidget* sahip) {
    return grid::AcilirMenuOlustur(sahip, u"PopupMenu2"_s,
                                   {{u"Deitir1"_s, u"Satır Değiştir"_s},
                                    {},
                                    {u"SatrSil1"_s, u"Satır Sil"_s},
                                    {},
                                    {u"HepsiniSil1"_s, u"Hepsini Sil"_s}});
}

void SepetIzgarasiDuzenle(grid::TVeriIzgarasi& izgara, int ekranGenisligi) {
    if (ekranGenisligi > GenisEkranSiniri) {
        izgara.GuncellemeBaslat();
        izgara.SutunlariOrantila();
        izgara.GuncellemeBitir();
        return;
    }
    izgara.EnIyiSigdir();
}

} // namespace siparis
