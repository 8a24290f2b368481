// Customer selection methods: the customers a session may work for, their lists by basket and
// order state, the counts on the selection's buttons, the notification counters of a session,
// and the two PDF reports of the selection window.
//
// Who may see which customer is decided by the user as the server holds it (found by the
// session's machine and record number), never by the user type the record itself carries:
// type 1 (sales representative) sees the customers it represents, type 2 (sales manager) every
// active customer, a dealer login (types 3 and 4) only its own account. Reports are for staff.
#include "client/remote/baglantiu.h"
#include "server/methods/kullanici.h"
#include "server/methods/metotlar.h"
#include "server/store/arama.h"
#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using datasnap::TDSTable;
using datasnap::TFieldDef;
using datasnap::TFieldType;

namespace {

// ---------------------------------------------------------------------------------------------
// Who is asking

// What a user may see, from the user as the server holds it.
struct TYetki {
    int sirano = 0;
    int tip = 0;
    int saticiNo = 0;
    int cariNo = 0;

    bool Personel() const { return tip == 1 || tip == 2; }

    // The condition on the customer alias C that keeps the customers this user may see.
    QString Kosul(QVariantList& degerler) const {
        if (tip == 2)
            return QStringLiteral("C.AKTIF = 1");
        degerler << (tip == 1 ? saticiNo : cariNo);
        return tip == 1 ? QStringLiteral("C.AKTIF = 1 AND C.SATICINO = ?")
                        : QStringLiteral("C.AKTIF = 1 AND C.CARINO = ?");
    }
};

// The user of the session record at argument k (the machine must be bound to that user).
TYetki OturumYetkisi(const TCagriBaglami& c, int k) {
    const TOturumKullanicisi u = OturumKullanicisi(c, k);
    return {u.siraNo, u.musteriTipi, u.saticiNo, u.cariNo};
}

// The user of a record number (the reports carry only that).
TYetki KullaniciNoYetkisi(const TCagriBaglami& c, int sirano) {
    QSqlQuery q = Calistir(c.Db(),
                           QStringLiteral("SELECT SIRANO, MUSTERITIPI, COALESCE(SATICINO, 0), COALESCE(CARINO, 0) "
                                          "FROM KULLANICILAR WHERE SIRANO = ? AND AKTIF = 1"),
                           {sirano});
    if (!q.next())
        throw TIstekHatasi(QStringLiteral("Parameter idno does not name an active user"));
    return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()};
}

// ---------------------------------------------------------------------------------------------
// The customer table of the selection window

struct TSutun {
    const char* ad;
    TFieldType tur;
    const char* ifade; // SQL over C (CARILER), S (SATICILAR), SP (basket lines), SD (orders by state)
};

// Shown columns first, then those the user may show; the order is the grid's.
const TSutun kCariSutunlari[] = {
    {"CARIKOD", TFieldType::WideString, "C.CARIKOD"},
    {"CARIADI", TFieldType::WideString, "C.CARIADI"},
    {"SATICISI", TFieldType::WideString, "COALESCE(S.SATICIADI, '')"},
    {"TLBAKIYE", TFieldType::Double, "ABS(C.TLBAKIYE)"},
    {"DURUM", TFieldType::WideString,
     "CASE WHEN C.TLBAKIYE > 0.004 THEN 'Borçlu' WHEN C.TLBAKIYE < -0.004 THEN 'Alacaklı' ELSE '' END"},
    {"SEPET", TFieldType::Int32, "COALESCE(SP.ADET, 0)"},
    {"ALINDI", TFieldType::Int32, "COALESCE(SD.D1, 0)"},
    {"ONAYLANDI", TFieldType::Int32, "COALESCE(SD.D2, 0)"},
    {"GORULDU", TFieldType::Int32, "COALESCE(SD.D3, 0)"},
    {"HAZIRLANDI", TFieldType::Int32, "COALESCE(SD.D5, 0)"},
    {"PARCALIHAZIRLANDI", TFieldType::Int32, "COALESCE(SD.D4, 0)"},
    {"CARINO", TFieldType::Int32, "C.CARINO"},
    {"OZELKOD", TFieldType::WideString, "C.OZELKOD"},
    {"KOD1", TFieldType::WideString, "C.KOD1"},
    {"KOD2", TFieldType::WideString, "C.KOD2"},
    {"KOD3", TFieldType::WideString, "C.KOD3"},
    {"KOD4", TFieldType::WideString, "C.KOD4"},
    {"KOD5", TFieldType::WideString, "C.KOD5"},
    {"TEL1", TFieldType::WideString, "C.TEL1"},
    {"TEL2", TFieldType::WideString, "C.TEL2"},
    {"ILCE", TFieldType::WideString, "C.ILCE"},
    {"IL", TFieldType::WideString, "C.IL"},
    {"GSM", TFieldType::WideString, "C.GSM"},
    {"YETKILI", TFieldType::WideString, "C.YETKILI"},
    {"INDIRIM", TFieldType::Double, "C.INDIRIM"},
    {"VADE", TFieldType::Int32, "C.VADE"},
    {"VADEKONTROLGUN", TFieldType::Int32, "C.VADEKONTROLGUN"},
    {"VADEKONTROLAY", TFieldType::Int32, "C.VADEKONTROLAY"},
    {"VERGIDAIRESI", TFieldType::WideString, "C.VERGIDAIRESI"},
    {"VERGINO", TFieldType::WideString, "C.VERGINO"},
    {"ADRES1", TFieldType::WideString, "C.ADRES1"},
    {"ADRES2", TFieldType::WideString, "C.ADRES2"},
    {"ANAGRUP", TFieldType::WideString, "C.ANAGRUP"},
    {"ALTGRUP", TFieldType::WideString, "C.ALTGRUP"},
    {"FAX1", TFieldType::WideString, "C.FAX1"},
    {"FAX2", TFieldType::WideString, "C.FAX2"},
    {"EMAIL", TFieldType::WideString, "C.EMAIL"},
};

// Texts a search looks into.
const char* const kAramaSutunlari[] = {"CARIKOD", "CARIADI", "SATICISI", "TEL1",    "TEL2",    "GSM",
                                       "FAX1",    "FAX2",    "ILCE",     "IL",      "YETKILI", "EMAIL",
                                       "VERGINO", "OZELKOD", "ANAGRUP",  "ALTGRUP", "ADRES1",  "ADRES2",
                                       "KOD1",    "KOD2",    "KOD3",     "KOD4",    "KOD5",    "VERGIDAIRESI"};

QString CariSorgusu(const QString& kosul) {
    QStringList secilenler;
    for (const TSutun& s : kCariSutunlari)
        secilenler << QString::fromUtf8(s.ifade);
    return QStringLiteral("SELECT ") + secilenler.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM CARILER C LEFT JOIN SATICILAR S ON S.SATICINO = C.SATICINO "
                          "LEFT JOIN (SELECT CARINO, COUNT(*) AS ADET FROM SEPET GROUP BY CARINO) SP "
                          "ON SP.CARINO = C.CARINO "
                          "LEFT JOIN (SELECT CARINO, "
                          "SUM(CASE WHEN DURUM = 1 THEN 1 ELSE 0 END) AS D1, "
                          "SUM(CASE WHEN DURUM = 2 THEN 1 ELSE 0 END) AS D2, "
                          "SUM(CASE WHEN DURUM = 3 THEN 1 ELSE 0 END) AS D3, "
                          "SUM(CASE WHEN DURUM = 4 THEN 1 ELSE 0 END) AS D4, "
                          "SUM(CASE WHEN DURUM = 5 THEN 1 ELSE 0 END) AS D5 "
                          "FROM SIPARISLER GROUP BY CARINO) SD ON SD.CARINO = C.CARINO WHERE ") +
           kosul + QStringLiteral(" ORDER BY C.CARIKOD");
}

QList<TFieldDef> CariSutunTanimlari() {
    QList<TFieldDef> tanimlar;
    for (const TSutun& s : kCariSutunlari)
        tanimlar.append({QString::fromUtf8(s.ad), s.tur, 0});
    return tanimlar;
}

QVariant Hucre(const QVariant& deger, TFieldType tur) {
    switch (tur) {
    case TFieldType::Int32:
        return deger.toInt();
    case TFieldType::Double:
        return deger.toDouble();
    default:
        return deger.toString();
    }
}

// Every word of the search must occur in one of the searched texts, compared by search key
// (letters and digits only, Turkish letters folded), so "oto sanayi" finds "OTO SANAYİ SİTESİ".
class TCariSuzgeci {
public:
    explicit TCariSuzgeci(const QString& aranan) {
        for (const QString& kelime : AramaKelimeleri(aranan).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            m_kelimeler << kelime;
        for (const char* ad : kAramaSutunlari)
            m_sutunlar.push_back(Konum(ad));
    }

    bool Hepsi() const { return m_kelimeler.isEmpty(); }

    bool Uyar(const QList<QVariant>& satir) const {
        QStringList anahtarlar;
        for (int i : m_sutunlar)
            anahtarlar << AramaAnahtari(satir.at(i).toString());
        for (const QString& kelime : m_kelimeler) {
            const bool bulundu = std::any_of(anahtarlar.cbegin(), anahtarlar.cend(),
                                             [&kelime](const QString& a) { return a.contains(kelime); });
            if (!bulundu)
                return false;
        }
        return true;
    }

private:
    static int Konum(const char* ad) {
        for (int i = 0; i < static_cast<int>(std::size(kCariSutunlari)); ++i)
            if (qstrcmp(kCariSutunlari[i].ad, ad) == 0)
                return i;
        return 0;
    }

    QStringList m_kelimeler;
    std::vector<int> m_sutunlar;
};

TDSTable CariTablosu(const TCagriBaglami& c, const QString& kosul, const QVariantList& degerler,
                     const TCariSuzgeci* suzgec = nullptr) {
    TDSTable tablo;
    tablo.columns = CariSutunTanimlari();
    QSqlQuery q = Calistir(c.Db(), CariSorgusu(kosul), degerler);
    while (q.next()) {
        QList<QVariant> satir;
        satir.reserve(tablo.columns.size());
        for (int i = 0; i < tablo.columns.size(); ++i)
            satir.append(Hucre(q.value(i), tablo.columns[i].type));
        if (!suzgec || suzgec->Uyar(satir))
            tablo.rows.push_back(std::move(satir));
    }
    return tablo;
}

// CariAra(bil, aranan): the customers matching a text; a text of blanks only lists them all.
void CariAra(TCagriBaglami& c) {
    const TYetki y = OturumYetkisi(c, 0);
    QVariantList degerler;
    const QString kosul = y.Kosul(degerler);
    const TCariSuzgeci suzgec(c.Yazi(1).trimmed());
    c.SonucTablo(CariTablosu(c, kosul, degerler, suzgec.Hepsi() ? nullptr : &suzgec));
}

// The list codes of the selection window: 1 basket lines, 2..7 an order in state n - 1.
QString ListeKosulu(int n, QVariantList& degerler) {
    if (n == 1)
        return QStringLiteral("EXISTS (SELECT 1 FROM SEPET SE WHERE SE.CARINO = C.CARINO)");
    if (n >= 2 && n <= 7) {
        degerler << n - 1;
        return QStringLiteral("EXISTS (SELECT 1 FROM SIPARISLER SI WHERE SI.CARINO = C.CARINO AND SI.DURUM = ?)");
    }
    throw TIstekHatasi(QStringLiteral("Liste kodu 1 ile 7 arasında olmalı: %1").arg(n));
}

// CariSepetVer(bil, n): the customers of list n.
void CariSepetVer(TCagriBaglami& c) {
    const TYetki y = OturumYetkisi(c, 0);
    QVariantList degerler;
    QString kosul = y.Kosul(degerler);
    kosul += QStringLiteral(" AND ") + ListeKosulu(c.Tam(1), degerler);
    c.SonucTablo(CariTablosu(c, kosul, degerler));
}

// SepetSayisi(bil): how many of the visible customers have lines in their basket.
void SepetSayisi(TCagriBaglami& c) {
    const TYetki y = OturumYetkisi(c, 0);
    QVariantList degerler;
    const QString kosul = y.Kosul(degerler);
    c.Sonuc(TekDeger(c.Db(),
                     QStringLiteral("SELECT COUNT(*) FROM CARILER C WHERE ") + kosul +
                         QStringLiteral(" AND EXISTS (SELECT 1 FROM SEPET SE WHERE SE.CARINO = C.CARINO)"),
                     degerler)
                .toInt());
}

// TusSonuclariVer(bil): the number of orders in each state over the visible customers.
void TusSonuclariVer(TCagriBaglami& c) {
    const TYetki y = OturumYetkisi(c, 0);
    QVariantList degerler;
    const QString kosul = y.Kosul(degerler);
    QSqlQuery q = Calistir(c.Db(),
                           QStringLiteral("SELECT SI.DURUM, COUNT(*) FROM SIPARISLER SI JOIN CARILER C ON C.CARINO = "
                                          "SI.CARINO WHERE ") +
                               kosul + QStringLiteral(" GROUP BY SI.DURUM"),
                           degerler);
    TTusSonuclari t;
    while (q.next()) {
        const int adet = q.value(1).toInt();
        switch (q.value(0).toInt()) {
        case 1:
            t.SetAlindi(adet);
            break;
        case 2:
            t.SetOnaylandi(adet);
            break;
        case 3:
            t.SetGoruldu(adet);
            break;
        case 4:
            t.SetParcaliHazirlandi(adet);
            break;
        case 5:
            t.SetHazirlandi(adet);
            break;
        case 6:
            t.SetSevkEdildi(adet);
            break;
        default:
            break;
        }
    }
    c.SonucKayit(&t);
}

// ---------------------------------------------------------------------------------------------
// Notification counters

int Sayi(const TCagriBaglami& c, const QString& sql, const QVariantList& degerler = {}) {
    return TekDeger(c.Db(), sql, degerler).toInt();
}

// BalonGetir(bil): one row for the session's customer: basket lines, new items, campaign items,
// announcements, open back-order lines. A dealer gets its own account's counts whatever the
// record says; staff get zero for the customer's counts while the record holds no customer
// they may work for.
void BalonGetir(TCagriBaglami& c) {
    const int cariNo = OturumCarisi(c.Db(), OturumKullanicisi(c, 0), OturumKaydi(c, 0));
    TDSTable tablo;
    tablo.columns = {{QStringLiteral("SEPET"), TFieldType::Int32, 0},
                     {QStringLiteral("YENISTOK"), TFieldType::Int32, 0},
                     {QStringLiteral("KAMPANYALI"), TFieldType::Int32, 0},
                     {QStringLiteral("DUYURU"), TFieldType::Int32, 0},
                     {QStringLiteral("BAKIYE"), TFieldType::Double, 0}};
    const int sepet = Sayi(c, QStringLiteral("SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"), {cariNo});
    const int yeni = Sayi(c, QStringLiteral("SELECT COUNT(*) FROM STOKLAR WHERE Y = 1 AND AKTIF = 1"));
    const int kampanya = Sayi(c, QStringLiteral("SELECT COUNT(*) FROM STOKLAR WHERE K = 1 AND AKTIF = 1"));
    const int duyuru = Sayi(c, QStringLiteral("SELECT COUNT(*) FROM DUYURULAR WHERE AKTIF = 1"));
    const int bakiye = Sayi(c,
                            QStringLiteral("SELECT COUNT(*) FROM SIPARIS_SATIRLARI L JOIN SIPARISLER S ON S.IDNO = "
                                           "L.IDNO WHERE S.CARINO = ? AND L.KAPANDI = 0 AND "
                                           "L.MIKTAR - L.TESLIMEDILEN > 0.0001"),
                            {cariNo});
    tablo.rows.push_back({sepet, yeni, kampanya, duyuru, static_cast<double>(bakiye)});
    c.SonucTablo(tablo);
}

// ---------------------------------------------------------------------------------------------
// PDF reports

const QLocale& Turkce() {
    static const QLocale yerel(QLocale::Turkish, QLocale::Turkey);
    return yerel;
}

QString Para(double tutar) {
    return Turkce().toString(tutar, 'f', 2);
}

QString TarihYazisi(double ole) {
    return OleTarihinden(ole).date().toString(QStringLiteral("dd.MM.yyyy"));
}

// One column of a report table: caption, share of the width, right-aligned (amounts) or not.
struct TRaporSutunu {
    QString baslik;
    double pay;
    bool sagaYasli = false;
};

// Writes a report page by page: a title block on the first page, sections, tables that continue
// on a new page (with their header again) and a page number at the foot of each page.
class TRaporYazici {
public:
    explicit TRaporYazici(const QString& baslik)
        : m_tampon(&m_pdf) {
        m_tampon.open(QIODevice::WriteOnly);
        m_yazici.emplace(&m_tampon);
        m_yazici->setPageSize(QPageSize(QPageSize::A4));
        m_yazici->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        m_yazici->setResolution(96);
        m_yazici->setCreator(QStringLiteral("Tevrano B2B"));
        m_yazici->setTitle(baslik);
        m_boyar.emplace(&*m_yazici);
        m_genislik = m_yazici->width();
        m_yukseklik = m_yazici->height();
        Yazi(QStringLiteral("TEVRANO OTOMOTİV SAN. VE TİC. A.Ş."), 10, false);
        Yazi(baslik, 16, true);
        m_y += 6;
    }

    // A line "caption: value" of the title block.
    void Bilgi(const QString& baslik, const QString& deger) {
        SayfaGerekirse(SatirYuksekligi(9));
        m_boyar->setFont(YaziTipi(9, true));
        m_boyar->drawText(QRectF(0, m_y, 130, SatirYuksekligi(9)), Qt::AlignLeft | Qt::AlignVCenter, baslik);
        m_boyar->setFont(YaziTipi(9, false));
        m_boyar->drawText(QRectF(130, m_y, m_genislik - 130, SatirYuksekligi(9)), Qt::AlignLeft | Qt::AlignVCenter,
                          deger);
        m_y += SatirYuksekligi(9);
    }

    void Bolum(const QString& baslik) {
        m_y += 10;
        SayfaGerekirse(SatirYuksekligi(11) * 3);
        Yazi(baslik, 11, true);
        m_boyar->drawLine(QPointF(0, m_y), QPointF(m_genislik, m_y));
        m_y += 4;
    }

    void Not(const QString& metin) { Yazi(metin, 9, false); }

    void Tablo(const QList<TRaporSutunu>& sutunlar, const std::vector<QStringList>& satirlar,
               const QStringList& toplam = {}) {
        m_sutunlar = sutunlar;
        TabloBasligi();
        for (const QStringList& satir : satirlar) {
            if (m_y + SatirYuksekligi(8) > m_yukseklik - Alt()) {
                YeniSayfa();
                TabloBasligi();
            }
            TabloSatiri(satir, false);
        }
        if (!toplam.isEmpty()) {
            SayfaGerekirse(SatirYuksekligi(8) + 4);
            m_boyar->drawLine(QPointF(0, m_y), QPointF(m_genislik, m_y));
            m_y += 2;
            TabloSatiri(toplam, true);
        }
    }

    QByteArray Bitir() {
        SayfaNumarasi();
        m_boyar->end();
        m_boyar.reset();
        m_yazici.reset();
        m_tampon.close();
        return m_pdf;
    }

private:
    static QFont YaziTipi(int punto, bool kalin) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(punto);
        f.setBold(kalin);
        return f;
    }

    double SatirYuksekligi(int punto) const {
        return QFontMetricsF(YaziTipi(punto, false), &*m_yazici).height() * 1.35;
    }

    double Alt() const { return SatirYuksekligi(8) * 2; }

    void Yazi(const QString& metin, int punto, bool kalin) {
        SayfaGerekirse(SatirYuksekligi(punto));
        m_boyar->setFont(YaziTipi(punto, kalin));
        m_boyar->drawText(QRectF(0, m_y, m_genislik, SatirYuksekligi(punto)), Qt::AlignLeft | Qt::AlignVCenter, metin);
        m_y += SatirYuksekligi(punto);
    }

    void SayfaGerekirse(double yukseklik) {
        if (m_y + yukseklik > m_yukseklik - Alt())
            YeniSayfa();
    }

    void YeniSayfa() {
        SayfaNumarasi();
        m_yazici->newPage();
        ++m_sayfa;
        m_y = 0;
    }

    void SayfaNumarasi() {
        m_boyar->setFont(YaziTipi(8, false));
        m_boyar->drawText(QRectF(0, m_yukseklik - SatirYuksekligi(8), m_genislik, SatirYuksekligi(8)),
                          Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Sayfa %1").arg(m_sayfa));
    }

    void TabloBasligi() {
        SayfaGerekirse(SatirYuksekligi(8) * 2);
        m_boyar->fillRect(QRectF(0, m_y, m_genislik, SatirYuksekligi(8)), QColor(225, 230, 240));
        QStringList basliklar;
        for (const TRaporSutunu& s : m_sutunlar)
            basliklar << s.baslik;
        TabloSatiri(basliklar, true);
    }

    void TabloSatiri(const QStringList& hucreler, bool kalin) {
        double toplamPay = 0;
        for (const TRaporSutunu& s : m_sutunlar)
            toplamPay += s.pay;
        m_boyar->setFont(YaziTipi(8, kalin));
        const QFontMetricsF olcu(m_boyar->font(), &*m_yazici);
        double x = 0;
        for (int i = 0; i < m_sutunlar.size(); ++i) {
            const double w = m_genislik * m_sutunlar[i].pay / toplamPay;
            const QString metin = olcu.elidedText(hucreler.value(i), Qt::ElideRight, w - 6);
            const Qt::Alignment hiza = (m_sutunlar[i].sagaYasli ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            m_boyar->drawText(QRectF(x + 3, m_y, w - 6, SatirYuksekligi(8)), hiza, metin);
            x += w;
        }
        m_y += SatirYuksekligi(8);
    }

    QByteArray m_pdf;
    QBuffer m_tampon;
    std::optional<QPdfWriter> m_yazici;
    std::optional<QPainter> m_boyar;
    QList<TRaporSutunu> m_sutunlar;
    double m_genislik = 0;
    double m_yukseklik = 0;
    double m_y = 0;
    int m_sayfa = 1;
};

struct TRaporIstegi {
    int raporNo = 0;
    TYetki yetki;
    int cariNo = 0;
    QString saticiAdi;
    double tarih1 = 0;
    double tarih2 = 0;
};

// The first moment after the day of an OLE date (movements of that day count).
double GunSonu(double ole) {
    return std::floor(ole) + 1;
}

struct TCariBasligi {
    QString kod, adi, satici, adres, ilIlce, telefon, gsm, yetkili, vergi, email;
    int vade = 0;
    double indirim = 0;
};

TCariBasligi CariBasligi(const TCagriBaglami& c, const TRaporIstegi& r) {
    QVariantList degerler;
    const QString kosul = r.yetki.Kosul(degerler);
    degerler << r.cariNo;
    QSqlQuery q = Calistir(
        c.Db(),
        QStringLiteral("SELECT C.CARIKOD, C.CARIADI, COALESCE(S.SATICIADI, ''), C.ADRES1, C.ADRES2, C.ILCE, C.IL, "
                       "C.TEL1, C.TEL2, C.GSM, C.YETKILI, C.VERGIDAIRESI, C.VERGINO, C.EMAIL, C.VADE, C.INDIRIM "
                       "FROM CARILER C LEFT JOIN SATICILAR S ON S.SATICINO = C.SATICINO WHERE ") +
            kosul + QStringLiteral(" AND C.CARINO = ?"),
        degerler);
    if (!q.next())
        throw TIstekHatasi(QStringLiteral("Cari bulunamadı ya da bu kullanıcıya açık değil: %1").arg(r.cariNo));
    auto yazi = [&q](int i) { return q.value(i).toString(); };
    auto birlesik = [](const QString& a, const QString& b, const QString& ara) {
        return b.isEmpty() ? a : a.isEmpty() ? b : a + ara + b;
    };
    TCariBasligi b;
    b.kod = yazi(0);
    b.adi = yazi(1);
    b.satici = r.saticiAdi.trimmed().isEmpty() ? yazi(2) : r.saticiAdi.trimmed();
    b.adres = birlesik(yazi(3), yazi(4), QStringLiteral(" "));
    b.ilIlce = birlesik(yazi(5), yazi(6), QStringLiteral(" / "));
    b.telefon = birlesik(yazi(7), yazi(8), QStringLiteral(", "));
    b.gsm = yazi(9);
    b.yetkili = yazi(10);
    b.vergi = birlesik(yazi(11), yazi(12), QStringLiteral(" / "));
    b.email = yazi(13);
    b.vade = q.value(14).toInt();
    b.indirim = q.value(15).toDouble();
    return b;
}

void CariBilgileriniYaz(TRaporYazici& p, const TCariBasligi& b) {
    p.Bilgi(QStringLiteral("Cari:"), b.kod + QStringLiteral(" - ") + b.adi);
    p.Bilgi(QStringLiteral("Satıcı:"), b.satici);
}

QString BakiyeYazisi(double bakiye) {
    if (std::abs(bakiye) < 0.005)
        return Para(0);
    return Para(std::abs(bakiye)) + (bakiye > 0 ? QStringLiteral(" Borçlu") : QStringLiteral(" Alacaklı"));
}

// Report 6 for one customer: account data, balance as of the date, open orders, last movements.
QByteArray CariOzeti(const TCagriBaglami& c, const TRaporIstegi& r) {
    const TCariBasligi b = CariBasligi(c, r);
    const double sinir = GunSonu(r.tarih1);
    TRaporYazici p(QStringLiteral("CARİ ÖZETİ"));
    CariBilgileriniYaz(p, b);
    p.Bilgi(QStringLiteral("Tarih:"), TarihYazisi(r.tarih1));

    p.Bolum(QStringLiteral("Cari Bilgileri"));
    p.Bilgi(QStringLiteral("Adres:"), b.adres);
    p.Bilgi(QStringLiteral("İlçe / İl:"), b.ilIlce);
    p.Bilgi(QStringLiteral("Telefon:"), b.telefon);
    p.Bilgi(QStringLiteral("Gsm:"), b.gsm);
    p.Bilgi(QStringLiteral("Yetkili:"), b.yetkili);
    p.Bilgi(QStringLiteral("Vergi D. / No:"), b.vergi);
    p.Bilgi(QStringLiteral("E-mail:"), b.email);
    p.Bilgi(QStringLiteral("Vade (Gün):"), QString::number(b.vade));
    p.Bilgi(QStringLiteral("İndirim %:"), Turkce().toString(b.indirim));

    QSqlQuery t = Calistir(c.Db(),
                           QStringLiteral("SELECT COALESCE(SUM(BORC), 0), COALESCE(SUM(ALACAK), 0), "
                                          "COALESCE(SUM(CASE WHEN VADETARIHI < ? THEN BORC ELSE 0 END), 0) "
                                          "FROM CARI_HAREKETLER WHERE CARINO = ? AND TARIH < ?"),
                           {std::floor(r.tarih1), r.cariNo, sinir});
    t.next();
    const double borc = t.value(0).toDouble();
    const double alacak = t.value(1).toDouble();
    const double vadesiGecen = std::max(0.0, t.value(2).toDouble() - alacak);
    p.Bolum(QStringLiteral("Hesap Durumu"));
    p.Bilgi(QStringLiteral("Borç Toplamı:"), Para(borc));
    p.Bilgi(QStringLiteral("Alacak Toplamı:"), Para(alacak));
    p.Bilgi(QStringLiteral("Bakiye:"), BakiyeYazisi(borc - alacak));
    p.Bilgi(QStringLiteral("Vadesi Geçen:"), Para(vadesiGecen));

    p.Bolum(QStringLiteral("Siparişler"));
    QSqlQuery s = Calistir(c.Db(),
                           QStringLiteral("SELECT D.DURUMADI, COUNT(S.IDNO) FROM SIPARIS_DURUMLARI D LEFT JOIN "
                                          "SIPARISLER S ON S.DURUM = D.DURUMNO AND S.CARINO = ? AND S.TARIH < ? "
                                          "GROUP BY D.DURUMNO, D.DURUMADI ORDER BY D.DURUMNO"),
                           {r.cariNo, sinir});
    while (s.next())
        p.Bilgi(s.value(0).toString() + QLatin1Char(':'), QString::number(s.value(1).toInt()));

    p.Bolum(QStringLiteral("Son Hareketler"));
    std::vector<QStringList> satirlar;
    QSqlQuery h = Calistir(c.Db(),
                           QStringLiteral("SELECT TARIH, TURADI, EVRAK, VADETARIHI, BORC, ALACAK FROM CARI_HAREKETLER "
                                          "WHERE CARINO = ? AND TARIH < ? ORDER BY TARIH DESC, IDNO DESC LIMIT 20"),
                           {r.cariNo, sinir});
    while (h.next())
        satirlar.push_back({TarihYazisi(h.value(0).toDouble()), h.value(1).toString(), h.value(2).toString(),
                            TarihYazisi(h.value(3).toDouble()), Para(h.value(4).toDouble()),
                            Para(h.value(5).toDouble())});
    if (satirlar.empty())
        p.Not(QStringLiteral("Bu tarihe kadar hareket yok."));
    else
        p.Tablo({{QStringLiteral("Tarih"), 1.2},
                 {QStringLiteral("Tür"), 1.8},
                 {QStringLiteral("Evrak"), 1.4},
                 {QStringLiteral("Vade"), 1.2},
                 {QStringLiteral("Borç"), 1.4, true},
                 {QStringLiteral("Alacak"), 1.4, true}},
                satirlar);
    return p.Bitir();
}

// The seller a text names: "." or nothing = every seller; else a representative's name or the
// name of a staff user (type 1 users send their own name).
std::optional<int> SaticiSuzgeci(const TCagriBaglami& c, const QString& metin) {
    const QString ad = metin.trimmed();
    if (ad.isEmpty() || ad == QLatin1String("."))
        return std::nullopt;
    const QVariant no = TekDeger(c.Db(),
                                 QStringLiteral("SELECT SATICINO FROM SATICILAR WHERE SATICIADI = ? UNION ALL "
                                                "SELECT SATICINO FROM KULLANICILAR WHERE ADI = ? AND SATICINO IS "
                                                "NOT NULL"),
                                 {ad, ad});
    return no.isValid() ? no.toInt() : -1; // an unknown name selects nobody
}

// Report 6 without a customer: every visible customer with a balance, split into overdue and
// not yet due as of the date.
QByteArray TopluAlacakVadeleri(const TCagriBaglami& c, const TRaporIstegi& r) {
    QVariantList degerler{std::floor(r.tarih1), GunSonu(r.tarih1)};
    QString kosul = r.yetki.Kosul(degerler);
    const std::optional<int> satici = SaticiSuzgeci(c, r.saticiAdi);
    if (satici) {
        kosul += QStringLiteral(" AND C.SATICINO = ?");
        degerler << *satici;
    }
    QSqlQuery q = Calistir(
        c.Db(),
        QStringLiteral("SELECT C.CARIKOD, C.CARIADI, COALESCE(S.SATICIADI, ''), COALESCE(SUM(H.BORC), 0), "
                       "COALESCE(SUM(H.ALACAK), 0), COALESCE(SUM(CASE WHEN H.VADETARIHI < ? THEN H.BORC ELSE 0 "
                       "END), 0) FROM CARILER C LEFT JOIN SATICILAR S ON S.SATICINO = C.SATICINO "
                       "JOIN CARI_HAREKETLER H ON H.CARINO = C.CARINO AND H.TARIH < ? WHERE ") +
            kosul + QStringLiteral(" GROUP BY C.CARINO, C.CARIKOD, C.CARIADI, S.SATICIADI ORDER BY C.CARIKOD"),
        degerler);
    std::vector<QStringList> satirlar;
    double toplamBakiye = 0, toplamGecen = 0, toplamGelmemis = 0;
    while (q.next()) {
        const double bakiye = q.value(3).toDouble() - q.value(4).toDouble();
        if (std::abs(bakiye) < 0.005)
            continue;
        const double gecen = std::clamp(q.value(5).toDouble() - q.value(4).toDouble(), 0.0, std::max(bakiye, 0.0));
        const double gelmemis = std::max(bakiye, 0.0) - gecen;
        toplamBakiye += bakiye;
        toplamGecen += gecen;
        toplamGelmemis += gelmemis;
        satirlar.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), BakiyeYazisi(bakiye),
                            Para(gecen), Para(gelmemis)});
    }
    TRaporYazici p(QStringLiteral("CARİ TOPLU ALACAK VADELERİ"));
    p.Bilgi(QStringLiteral("Satıcı:"), satici ? r.saticiAdi.trimmed() : QStringLiteral("Tüm Satıcılar"));
    p.Bilgi(QStringLiteral("Tarih:"), TarihYazisi(r.tarih1));
    p.Bolum(QStringLiteral("Cariler"));
    if (satirlar.empty()) {
        p.Not(QStringLiteral("Bakiyesi olan cari yok."));
    } else {
        p.Tablo({{QStringLiteral("Cari Kod"), 1.3},
                 {QStringLiteral("Cari Adı"), 3.0},
                 {QStringLiteral("Satıcı"), 1.6},
                 {QStringLiteral("Bakiye"), 1.8, true},
                 {QStringLiteral("Vadesi Geçen"), 1.4, true},
                 {QStringLiteral("Vadesi Gelmemiş"), 1.5, true}},
                satirlar,
                {QStringLiteral("Toplam"), QStringLiteral("%1 cari").arg(satirlar.size()), QString(),
                 BakiyeYazisi(toplamBakiye), Para(toplamGecen), Para(toplamGelmemis)});
    }
    return p.Bitir();
}

// Report 7: the customer's sales, returns and collections between the dates, by month and by
// the seller of each invoice.
QByteArray AlisSatisTablosu(const TCagriBaglami& c, const TRaporIstegi& r) {
    const TCariBasligi b = CariBasligi(c, r);
    const double bas = std::floor(std::min(r.tarih1, r.tarih2));
    const double son = GunSonu(std::max(r.tarih1, r.tarih2));
    QSqlQuery q = Calistir(
        c.Db(),
        QStringLiteral("SELECT H.TARIH, H.TURADI, H.BORC, H.ALACAK, COALESCE(S.SATICIADI, CS.SATICIADI, '') "
                       "FROM CARI_HAREKETLER H JOIN CARILER C ON C.CARINO = H.CARINO "
                       "LEFT JOIN FATURALAR F ON F.IDNO = H.IDNO LEFT JOIN SATICILAR S ON S.SATICINO = F.SATICINO "
                       "LEFT JOIN SATICILAR CS ON CS.SATICINO = C.SATICINO "
                       "WHERE H.CARINO = ? AND H.TARIH >= ? AND H.TARIH < ? ORDER BY H.TARIH, H.IDNO"),
        {r.cariNo, bas, son});
    struct TToplam {
        double satis = 0, iade = 0, tahsilat = 0;
    };
    std::vector<std::pair<QString, TToplam>> gruplar; // "yyyy-MM|seller", in date order
    TToplam genel;
    while (q.next()) {
        const QString tur = q.value(1).toString();
        const bool satis = tur == u"Satış Faturası";
        const bool iade = tur == u"İade Faturası";
        const bool tahsilat = tur == u"Tahsilat";
        if (!satis && !iade && !tahsilat)
            continue;
        const QString anahtar = OleTarihinden(q.value(0).toDouble()).toString(QStringLiteral("MM.yyyy")) +
                                QLatin1Char('|') + q.value(4).toString();
        auto grup = std::find_if(gruplar.begin(), gruplar.end(), [&](const auto& g) { return g.first == anahtar; });
        if (grup == gruplar.end())
            grup = gruplar.insert(gruplar.end(), {anahtar, {}});
        TToplam& t = grup->second;
        if (satis) {
            t.satis += q.value(2).toDouble();
            genel.satis += q.value(2).toDouble();
        } else if (iade) {
            t.iade += q.value(3).toDouble();
            genel.iade += q.value(3).toDouble();
        } else {
            t.tahsilat += q.value(3).toDouble();
            genel.tahsilat += q.value(3).toDouble();
        }
    }
    TRaporYazici p(QStringLiteral("CARİ ALIŞ SATIŞ TABLOSU (SATICILI)"));
    CariBilgileriniYaz(p, b);
    p.Bilgi(QStringLiteral("Tarihler:"), TarihYazisi(bas) + QStringLiteral(" - ") + TarihYazisi(son - 1));
    p.Bolum(QStringLiteral("Aylara ve Satıcılara Göre"));
    std::vector<QStringList> satirlar;
    for (const auto& [anahtar, t] : gruplar)
        satirlar.push_back({anahtar.section(QLatin1Char('|'), 0, 0), anahtar.section(QLatin1Char('|'), 1),
                            Para(t.satis), Para(t.iade), Para(t.tahsilat), Para(t.satis - t.iade - t.tahsilat)});
    if (satirlar.empty())
        p.Not(QStringLiteral("Bu tarihler arasında satış, iade ya da tahsilat yok."));
    else
        p.Tablo({{QStringLiteral("Ay"), 1.0},
                 {QStringLiteral("Satıcı"), 2.2},
                 {QStringLiteral("Satış"), 1.5, true},
                 {QStringLiteral("İade"), 1.4, true},
                 {QStringLiteral("Tahsilat"), 1.5, true},
                 {QStringLiteral("Net"), 1.5, true}},
                satirlar,
                {QStringLiteral("Toplam"), QString(), Para(genel.satis), Para(genel.iade), Para(genel.tahsilat),
                 Para(genel.satis - genel.iade - genel.tahsilat)});
    return p.Bitir();
}

// RaporGetir(raporno, bolum, idno, carino, saticiadi, tarih1, tarih2, out size): report 6 (a
// customer's summary, or with customer 0 the collective due dates) or 7 (a customer's sales
// table), as a PDF document. `idno` is the asking user's record number; only staff get reports.
void RaporGetir(TCagriBaglami& c) {
    TRaporIstegi r;
    r.raporNo = c.Tam(0);
    r.yetki = KullaniciNoYetkisi(c, c.Tam(2));
    if (!r.yetki.Personel())
        throw TIstekHatasi(QStringLiteral("Raporlar yalnızca satış personeline açıktır"));
    r.cariNo = c.Tam(3);
    r.saticiAdi = c.Yazi(4);
    r.tarih1 = c.Ondalik(5);
    r.tarih2 = c.Ondalik(6);
    QByteArray pdf;
    if (r.raporNo == 6 && r.cariNo > 0)
        pdf = CariOzeti(c, r);
    else if (r.raporNo == 6 && r.cariNo == 0)
        pdf = TopluAlacakVadeleri(c, r);
    else if (r.raporNo == 7 && r.cariNo > 0)
        pdf = AlisSatisTablosu(c, r);
    else
        throw TIstekHatasi(QStringLiteral("Bilinmeyen rapor: %1 (cari %2)").arg(r.raporNo).arg(r.cariNo));
    c.Cikti(7, static_cast<qint64>(pdf.size()));
    c.SonucAkis(pdf);
}

} // namespace

void CariMetotlari(TMetotTablosu& tablo) {
    tablo.insert(QStringLiteral("CariAra"), CariAra);
    tablo.insert(QStringLiteral("CariSepetVer"), CariSepetVer);
    tablo.insert(QStringLiteral("SepetSayisi"), SepetSayisi);
    tablo.insert(QStringLiteral("TusSonuclariVer"), TusSonuclariVer);
    tablo.insert(QStringLiteral("BalonGetir"), BalonGetir);
    tablo.insert(QStringLiteral("RaporGetir"), RaporGetir);
}
