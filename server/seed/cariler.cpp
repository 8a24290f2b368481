// Sales representatives, customer accounts with their discount rules, and users.

#include "server/seed/adlar.h"
#include "server/seed/kodlar.h"
#include "server/seed/tohum_ic.h"
#include "server/store/arama.h"

#include <set>

namespace {

struct TSatici {
    const char* adi;
    const char* telefon;
    const char* mail;
};

const TSatici saticilar[] = {
    {"AHMET YILMAZ", "0532 411 20 01", "ahmet.yilmaz@tevrano.com.tr"},
    {"MEHMET KAYA", "0533 411 20 02", "mehmet.kaya@tevrano.com.tr"},
    {"AYŞE DEMİR", "0542 411 20 03", "ayse.demir@tevrano.com.tr"},
    {"MUSTAFA ÇELİK", "0505 411 20 04", "mustafa.celik@tevrano.com.tr"},
    {"ZEYNEP ŞAHİN", "0555 411 20 05", "zeynep.sahin@tevrano.com.tr"},
};
constexpr int saticiAdedi = static_cast<int>(std::size(saticilar));

struct TKullanici {
    const char* adi;
    int tip;
    int cariNo;   // 0 for staff
    int saticiNo; // staff: own number; 0 = the customer's representative
    int aktif;
};

// The demo users; customer 1 and 2 are the dealers of the demo.
const TKullanici kullanicilar[] = {
    {"TEMSILCI1", 1, 0, 1, 1}, {"TEMSILCI2", 2, 0, 2, 1}, {"BAYI3", 3, 1, 0, 1},
    {"BAYI4", 4, 2, 0, 1},     {"BAYIPASIF", 3, 3, 0, 0},
};
constexpr int demoCariAdedi = 3;

// Arguments of one call are evaluated in no fixed order, so each draw is a statement of its own.
QString Telefon(TRastgele& r, const QString& alanKodu) {
    const QString a = r.Rakamlar(3);
    const QString b = r.Rakamlar(2);
    const QString c = r.Rakamlar(2);
    return alanKodu + QStringLiteral(" %1 %2 %3").arg(a, b, c);
}

QString Gsm(TRastgele& r) {
    static const char* const onekler[] = {"0532", "0533", "0542", "0505", "0555", "0544"};
    return Telefon(r, Yazi(r.Sec(onekler)));
}

QString KisiAdi(TRastgele& r) {
    const QString ad = Yazi(r.Sec(KisiAdlari()));
    return ad + QLatin1Char(' ') + Yazi(r.Sec(Soyadlari()));
}

QString FirmaAdi(TRastgele& r, const QString& onAd) {
    const QString tur = Yazi(r.Sec(FirmaTurleri()));
    QString ad = onAd + QLatin1Char(' ') + Yazi(r.Sec(FirmaFaaliyetleri()));
    return tur.isEmpty() ? ad : ad + QLatin1Char(' ') + tur;
}

// A customer's first words as an e-mail domain: "ÖZ ANADOLU" → "ozanadolu".
QString AlanAdi(const QString& onAd) {
    return AramaAnahtari(onAd).toLower();
}

QVariantList CariSatiri(TRastgele& r, int cariNo, int saticiNo, TCariOzeti& ozet) {
    const int sehirSirasi = r.Aralik(0, static_cast<int>(Sehirler().size()) - 1);
    const TSehir& sehir = Sehirler()[static_cast<size_t>(sehirSirasi)];
    const QStringList ilceler = Parcala(sehir.ilceler, ',');
    const QString ilce = ilceler.at(r.Aralik(0, static_cast<int>(ilceler.size()) - 1));
    const QString onAd = Yazi(FirmaOnAdlari()[static_cast<size_t>(cariNo - 1) % FirmaOnAdlari().size()]);
    const QString alanKodu = Yazi(sehir.alanKodu);
    static const int vadeler[] = {30, 45, 60, 90};
    static const int kontrolGunleri[] = {0, 7, 15};
    static const double indirimler[] = {0, 5, 10, 15};
    static const char* const anaGruplar[] = {"BAYİ", "SERVİS", "FİLO", "PERAKENDE"};
    static const char* const altGruplar[] = {"A GRUBU", "B GRUBU", "C GRUBU"};

    ozet.cariNo = cariNo;
    ozet.saticiNo = saticiNo;
    ozet.kod =
        QStringLiteral("120.%1.%2").arg(sehirSirasi + 1, 2, 10, QLatin1Char('0')).arg(cariNo, 3, 10, QLatin1Char('0'));
    ozet.adi = FirmaAdi(r, onAd);
    ozet.vade = r.Sec(vadeler);
    const QString tel2 = r.Olasilik(0.5) ? Telefon(r, alanKodu) : QString();
    const QString fax1 = r.Olasilik(0.6) ? Telefon(r, alanKodu) : QString();
    return {cariNo,
            ozet.kod,
            ozet.adi,
            QStringLiteral("%1 SANAYİ SİTESİ %2. BLOK NO: %3").arg(ilce).arg(r.Aralik(1, 40)).arg(r.Aralik(1, 120)),
            r.Olasilik(0.5) ? QStringLiteral("%1 OTO SANAYİ").arg(Yazi(sehir.adi)) : QString(),
            ilce,
            Yazi(sehir.adi),
            QStringLiteral("TÜRKİYE"),
            Telefon(r, alanKodu),
            tel2,
            fax1,
            QString(),
            Gsm(r),
            QStringLiteral("info@%1otomotiv.com.tr").arg(AlanAdi(onAd)),
            ilce + QStringLiteral(" V.D."),
            r.Rakamlar(10),
            KisiAdi(r),
            Yazi(r.Sec(anaGruplar)),
            Yazi(r.Sec(altGruplar)),
            QStringLiteral("BÖLGE-%1").arg(r.Aralik(1, 4)),
            Yazi(sehir.adi),
            QStringLiteral("VADE-%1").arg(ozet.vade),
            r.Sec(indirimler),
            ozet.vade,
            r.Sec(kontrolGunleri),
            saticiNo,
            cariNo % 17 == 0 ? 0 : 1};
}

const QStringList cariSutunlari = {
    QStringLiteral("CARINO"),
    QStringLiteral("CARIKOD"),
    QStringLiteral("CARIADI"),
    QStringLiteral("ADRES1"),
    QStringLiteral("ADRES2"),
    QStringLiteral("ILCE"),
    QStringLiteral("IL"),
    QStringLiteral("ULKE"),
    QStringLiteral("TEL1"),
    QStringLiteral("TEL2"),
    QStringLiteral("FAX1"),
    QStringLiteral("FAX2"),
    QStringLiteral("GSM"),
    QStringLiteral("EMAIL"),
    QStringLiteral("VERGIDAIRESI"),
    QStringLiteral("VERGINO"),
    QStringLiteral("YETKILI"),
    QStringLiteral("ANAGRUP"),
    QStringLiteral("ALTGRUP"),
    QStringLiteral("OZELKOD"),
    QStringLiteral("KOD1"),
    QStringLiteral("KOD2"),
    QStringLiteral("INDIRIM"),
    QStringLiteral("VADE"),
    QStringLiteral("VADEKONTROLGUN"),
    QStringLiteral("SATICINO"),
    QStringLiteral("SIPARISALINIR"),
};

struct TIndirimKurali {
    QString marka, anaGrup;
    std::array<double, 4> oran;
};

// The first demo customer has one rule of every kind, so each lookup path has a known answer.
std::vector<TIndirimKurali> DemoKurallari(int cariNo) {
    if (cariNo == 1)
        return {{QString(), QString(), {10, 0, 0, 0}},
                {QStringLiteral("BOSCH"), QString(), {15, 5, 0, 0}},
                {QString(), QStringLiteral("FİLTRE"), {25, 0, 0, 0}},
                {QStringLiteral("BOSCH"), QStringLiteral("FİLTRE"), {20, 10, 0, 0}}};
    if (cariNo == 2)
        return {{QString(), QString(), {5, 0, 0, 0}}, {QStringLiteral("SACHS"), QString(), {12, 3, 2, 0}}};
    return {};
}

std::vector<TIndirimKurali> RastgeleKurallar(TRastgele& r) {
    std::vector<TIndirimKurali> kurallar;
    if (r.Olasilik(0.6))
        kurallar.push_back({QString(), QString(), {5.0 * r.Aralik(1, 4), r.Olasilik(0.3) ? 5.0 : 0.0, 0, 0}});
    const int markaKurali = r.Aralik(0, 2);
    for (int i = 0; i < markaKurali; ++i)
        kurallar.push_back({Yazi(r.Sec(UreticiMarkalar()).adi),
                            QString(),
                            {5.0 * r.Aralik(2, 6), r.Olasilik(0.5) ? 5.0 : 0.0, r.Olasilik(0.1) ? 2.0 : 0.0, 0}});
    if (r.Olasilik(0.4))
        kurallar.push_back({QString(), Yazi(r.Sec(AnaGruplar()).adi), {5.0 * r.Aralik(2, 5), 0, 0, 0}});
    return kurallar;
}

void KurallariYaz(TEkleyici& ekleyici, int& siraNo, int cariNo, const std::vector<TIndirimKurali>& kurallar) {
    std::set<std::pair<QString, QString>> yazilanlar;
    for (const TIndirimKurali& k : kurallar) {
        if (!yazilanlar.insert({k.marka, k.anaGrup}).second)
            continue;
        ekleyici.Ekle({++siraNo, cariNo, k.marka, k.anaGrup, k.oran[0], k.oran[1], k.oran[2], k.oran[3]});
    }
}

QString SaticiKullanicisi(int saticiNo) {
    for (const TKullanici& k : kullanicilar) {
        if (k.cariNo == 0 && k.saticiNo == saticiNo)
            return Yazi(k.adi);
    }
    return {};
}

int KullaniciSiraNo(const QString& ad) {
    int sira = 0;
    for (const TKullanici& k : kullanicilar) {
        ++sira;
        if (Yazi(k.adi) == ad)
            return sira;
    }
    return 0;
}

// Who places a customer's orders in the demo: its own active dealer user, else its representative.
void VereniBelirle(TCariOzeti& cari) {
    for (const TKullanici& k : kullanicilar) {
        if (k.cariNo == cari.cariNo && k.aktif) {
            cari.veren = Yazi(k.adi);
            cari.verenIdNo = KullaniciSiraNo(cari.veren);
            return;
        }
    }
    const QString temsilci = SaticiKullanicisi(cari.saticiNo);
    cari.veren = temsilci.isEmpty() ? Yazi(saticilar[cari.saticiNo - 1].adi) : temsilci;
    cari.verenIdNo = KullaniciSiraNo(temsilci);
    cari.verenSiraNo = cari.saticiNo;
}

} // namespace

void SaticilariYaz(TTohumBaglami& b) {
    TEkleyici ekleyici(b.db, QStringLiteral("SATICILAR"),
                       {QStringLiteral("SATICINO"), QStringLiteral("SATICIADI"), QStringLiteral("SATICITELEFON"),
                        QStringLiteral("SATICIMAIL")});
    int no = 0;
    for (const TSatici& s : saticilar)
        ekleyici.Ekle({++no, Yazi(s.adi), Yazi(s.telefon), Yazi(s.mail)});
}

void CarileriYaz(TTohumBaglami& b) {
    TRastgele r = b.Akis(2);
    TEkleyici cari(b.db, QStringLiteral("CARILER"), cariSutunlari);
    TEkleyici indirim(b.db, QStringLiteral("CARI_INDIRIMLERI"),
                      {QStringLiteral("SIRANO"), QStringLiteral("CARINO"), QStringLiteral("MARKA"),
                       QStringLiteral("ANAGRUP"), QStringLiteral("IND1"), QStringLiteral("IND2"),
                       QStringLiteral("IND3"), QStringLiteral("IND4")});
    int indirimNo = 0;
    for (int cariNo = 1; cariNo <= b.ayarlar.cariAdedi; ++cariNo) {
        // The demo dealers belong to the first representative (TEMSILCI1).
        const int saticiNo = cariNo <= demoCariAdedi ? 1 : r.Aralik(1, saticiAdedi);
        TCariOzeti ozet;
        cari.Ekle(CariSatiri(r, cariNo, saticiNo, ozet));
        const auto kurallar = cariNo <= demoCariAdedi ? DemoKurallari(cariNo) : RastgeleKurallar(r);
        KurallariYaz(indirim, indirimNo, cariNo, kurallar);
        b.cariler.push_back(std::move(ozet));
    }
}

void KullanicilariYaz(TTohumBaglami& b) {
    TEkleyici ekleyici(b.db, QStringLiteral("KULLANICILAR"),
                       {QStringLiteral("SIRANO"), QStringLiteral("ADI"), QStringLiteral("SIFRE"),
                        QStringLiteral("AKTIF"), QStringLiteral("MUSTERITIPI"), QStringLiteral("EMAIL"),
                        QStringLiteral("CARINO"), QStringLiteral("SATICINO")});
    int no = 0;
    for (const TKullanici& k : kullanicilar) {
        const bool personel = k.cariNo == 0;
        const int saticiNo = personel ? k.saticiNo : b.cariler.at(static_cast<size_t>(k.cariNo - 1)).saticiNo;
        const QString mail = personel ? Yazi(saticilar[k.saticiNo - 1].mail)
                                      : QStringLiteral("%1@bayi.tevrano.com.tr").arg(Yazi(k.adi).toLower());
        ekleyici.Ekle({++no, Yazi(k.adi), QStringLiteral("1234"), k.aktif, k.tip, mail,
                       personel ? QVariant() : QVariant(k.cariNo), saticiNo});
    }
    for (TCariOzeti& cari : b.cariler)
        VereniBelirle(cari);
}
