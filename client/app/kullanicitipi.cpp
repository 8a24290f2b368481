#include "client/app/kullanicitipi.h"

using namespace Qt::StringLiterals;

namespace {

TKullaniciUyarlamasi SatisPersoneli() {
    TKullaniciUyarlamasi u;
    u.baskaCariSec = true;
    u.raporlar = true;
    u.sutunlar = {
        {TIzgara::Stok, u"KALAN"_s, true},
        {TIzgara::Sepet, u"KALAN"_s, true},
        {TIzgara::Yeniler, u"KALAN"_s, true},
        {TIzgara::Kampanyali, u"KALAN"_s, true},
        {TIzgara::Stok, u"ALINANSIPARIS"_s, true},
        {TIzgara::Stok, u"VERILENSIPARIS"_s, true},
        {TIzgara::Yeniler, u"ALINANSIPARIS"_s, true},
        {TIzgara::Yeniler, u"VERILENSIPARIS"_s, true},
        {TIzgara::Kampanyali, u"ALINANSIPARIS"_s, true},
        {TIzgara::Kampanyali, u"VERILENSIPARIS"_s, true},
    };
    return u;
}

TKullaniciUyarlamasi Bayi() {
    TKullaniciUyarlamasi u;
    u.raporlar = false;
    u.sutunlar = {{TIzgara::Sepet, u"DURUM"_s, false}};
    return u;
}

// The stock grid's re-layout decides "Kampanyalı Fiyat" anew by the window width each time it
// runs, so on a wide window it comes back; the other campaign columns stay hidden.
TKullaniciUyarlamasi KisitliBayi() {
    TKullaniciUyarlamasi u;
    u.raporlar = false;
    u.kampanyaliSekmesi = false;
    u.sutunlar = {
        {TIzgara::Stok, u"KAMPFIYAT"_s, false},
        {TIzgara::Stok, u"K"_s, false},
        {TIzgara::Yeniler, u"K"_s, false},
        {TIzgara::Yeniler, u"KAMPFIYAT"_s, false},
    };
    return u;
}

} // namespace

std::vector<TSutunDegisikligi> TKullaniciUyarlamasi::Izgarasi(TIzgara izgara) const {
    std::vector<TSutunDegisikligi> sonuc;
    for (const TSutunDegisikligi& d : sutunlar)
        if (d.izgara == izgara)
            sonuc.push_back(d);
    return sonuc;
}

TKullaniciUyarlamasi KullaniciUyarlamasi(int musteriTipi) {
    switch (musteriTipi) {
    case 1:
    case 2:
        return SatisPersoneli();
    case 3:
        return Bayi();
    case 4:
        return KisitliBayi();
    default:
        return {};
    }
}
