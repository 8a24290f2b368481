// Delivery and cargo choices, announcements, banners, the ticker and the settings.

#include "server/seed/resimler.h"
#include "server/seed/tohum_ic.h"
#include "server/store/veritabani.h"

namespace {

struct TKargoFirmasi {
    int tur;
    const char* adi;
    const char* uyari;
};

const char* const teslimSekilleri[] = {"Kargo ile", "Kendisi Alacak", "Servis Aracı ile", "Ambar ile"};

const char* const kargoTurleri[] = {"Anlaşmalı Kargo", "Alıcı Ödemeli Kargo", "Kendi Aracımız"};

// The last type has a single company (the client selects it at once); the others several.
const TKargoFirmasi kargoFirmalari[] = {
    {1, "Yurtiçi Kargo", "Saat 16:00'ya kadar verilen siparişler aynı gün kargoya teslim edilir."},
    {1, "Aras Kargo", "Hafta sonu teslimat yapılmamaktadır."},
    {1, "MNG Kargo", ""},
    {1, "Sürat Kargo", "Desi hesabı kargo firmasınca yapılır."},
    {2, "Yurtiçi Kargo (Alıcı Ödemeli)", "Kargo ücreti teslimatta alıcıdan tahsil edilir."},
    {2, "PTT Kargo (Alıcı Ödemeli)", "Köy ve belde teslimatları 3 iş günü sürebilir."},
    {3, "Tevrano Dağıtım Aracı", "Şehir içi dağıtım her gün 14:00'te yola çıkar."},
};

struct TDuyuru {
    const char* baslik;
    const char* altYazi;
    const char* arama;
};

const TDuyuru duyurular[] = {
    {"Bahar Kampanyası: Fren Ürünlerinde Özel Fiyatlar", "Kampanyalı ürünleri görmek için tıklayın", "#KAMPANYA#"},
    {"Yeni Ürünler Stoklarımızda", "Yeni gelen ürünleri inceleyin", "#YENİ#"},
    {"BOSCH Fren Balatalarında Avantaj", "BOSCH ürünlerini listelemek için tıklayın", "BOSCH"},
    {"Triger Setlerinde Yaz Fırsatı", "Tüm triger setleri", "TRİGER SETİ"},
    {"Kargo Bilgilendirmesi", "Saat 16:00'ya kadar verilen siparişler aynı gün kargoda", ""},
};

const char* const kayanYazi =
    "<b>TEVRANO OTOMOTİV</b> &nbsp;•&nbsp; Fren ürünlerinde <font color=\"#c00000\"><b>kampanya</b></font> "
    "devam ediyor &nbsp;•&nbsp; Saat 16:00'ya kadar verilen siparişler <i>aynı gün</i> kargoda &nbsp;•&nbsp; "
    "Yeni ürünler için <u>Yeni Stoklar</u> sekmesine bakınız";

void Ayar(const QSqlDatabase& db, const QString& anahtar, const QString& deger) {
    Calistir(db, QStringLiteral("DELETE FROM AYARLAR WHERE ANAHTAR = ?"), {anahtar});
    Calistir(db, QStringLiteral("INSERT INTO AYARLAR (ANAHTAR, DEGER) VALUES (?, ?)"), {anahtar, deger});
}

void DuyurulariYaz(const TTohumBaglami& b) {
    TEkleyici ekleyici(b.db, QStringLiteral("DUYURULAR"),
                       {QStringLiteral("SIRANO"), QStringLiteral("SIRA"), QStringLiteral("BASLIK"),
                        QStringLiteral("RESIM"), QStringLiteral("ARAMA")});
    int no = 0;
    for (const TDuyuru& d : duyurular) {
        ++no;
        ekleyici.Ekle(
            {no, no * 10, Yazi(d.baslik), DuyuruResmi(Yazi(d.baslik), Yazi(d.altYazi), no - 1), Yazi(d.arama)});
    }
}

void BannerlariYaz(const TTohumBaglami& b) {
    TEkleyici ekleyici(b.db, QStringLiteral("BANNERLAR"),
                       {QStringLiteral("BANNERNO"), QStringLiteral("BICIM"), QStringLiteral("RESIM")});
    ekleyici.Ekle({1, QStringLiteral("GIF"), UstBannerGif()});
    ekleyici.Ekle({2, QStringLiteral("GIF"), SeritBannerGif()});
    ekleyici.Ekle({3, QStringLiteral("BMP"), AltBannerBmp()});
}

} // namespace

void TeslimVeKargoYaz(TTohumBaglami& b) {
    TEkleyici teslim(b.db, QStringLiteral("TESLIM_SEKILLERI"),
                     {QStringLiteral("TESLIMID"), QStringLiteral("ADI"), QStringLiteral("SIRA")});
    int no = 0;
    for (const char* ad : teslimSekilleri) {
        ++no;
        teslim.Ekle({no, Yazi(ad), no});
        b.teslimSekilleri.push_back(no);
    }
    TEkleyici tur(b.db, QStringLiteral("KARGO_TURLERI"),
                  {QStringLiteral("KARGOTURID"), QStringLiteral("ADI"), QStringLiteral("SIRA")});
    no = 0;
    for (const char* ad : kargoTurleri) {
        ++no;
        tur.Ekle({no, Yazi(ad), no});
    }
    TEkleyici firma(b.db, QStringLiteral("KARGO_FIRMALARI"),
                    {QStringLiteral("SIRANO"), QStringLiteral("KARGOTURID"), QStringLiteral("ADI"),
                     QStringLiteral("UYARI"), QStringLiteral("SIRA")});
    no = 0;
    for (const TKargoFirmasi& f : kargoFirmalari) {
        ++no;
        firma.Ekle({no, f.tur, Yazi(f.adi), Yazi(f.uyari), no});
        b.kargoFirmalari[f.tur].push_back(no);
    }
}

void IcerikYaz(TTohumBaglami& b) {
    DuyurulariYaz(b);
    BannerlariYaz(b);
    Ayar(b.db, QStringLiteral("KAYANYAZI"), Yazi(kayanYazi));
    Ayar(b.db, QStringLiteral("USD"), QStringLiteral("38.52"));
    Ayar(b.db, QStringLiteral("EUR"), QStringLiteral("43.87"));
}
