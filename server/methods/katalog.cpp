// Catalogue methods: the item search with the customer's prices, the new and campaign item
// lists (the same rows), and item pictures.
#include "server/methods/kullanici.h"
#include "server/methods/metotlar.h"
#include "server/store/arama.h"
#include "server/store/fiyat.h"
#include "server/store/veritabani.h"

#include <QSqlDriver>
#include <cmath>
#include <sqlite3.h>

using datasnap::TFieldDef;
using datasnap::TFieldType;
using datasnap::TJsonWriter;

namespace {

// A search answers at most this many items, so that a short text cannot flood the client.
constexpr int kAramaSiniri = 1000;
// The new and campaign lists are not searched; they are bounded all the same.
constexpr int kListeSiniri = 2000;
// No search text is this long; a longer one is refused instead of being normalised.
constexpr int kAramaUzunlugu = 200;

// The item columns as the lists read them, in this order.
const char* const kStokSutunlari =
    "SELECT S.STOK_STOKNO, S.BARKOD, S.ADI, S.MARKA, S.MODEL, S.OEM1, S.OEM2, S.OEM3, S.OEM4, S.FINISHKOD, "
    "S.URETICIKODU, S.DIGERADI, S.OEMNO, S.BIRIM, S.ANAGRUP, S.OZELKOD, S.KALAN, S.PKOD, S.DPKOD, "
    "S.BARKOD_BARKODNO, S.KDV, S.ALINANSIPARIS, S.VERILENSIPARIS, S.LISTEFIYAT1, S.KAMPFIYAT, S.K, S.Y, "
    "S.RESIM, S.DURUM ";

enum TSecimSutunu {
    sNo,
    sBarkod,
    sAdi,
    sMarka,
    sModel,
    sOem1,
    sOem2,
    sOem3,
    sOem4,
    sFinishKod,
    sUreticiKodu,
    sDigerAdi,
    sOemNo,
    sBirim,
    sAnaGrup,
    sOzelKod,
    sKalan,
    sPKod,
    sDpKod,
    sBarkodNo,
    sKdv,
    sAlinan,
    sVerilen,
    sListe,
    sKampanya,
    sK,
    sY,
    sResim,
    sDurum,
};

// The columns of the packet: every column the stock grid, the item dialog and the new and
// campaign grids read.
QList<TFieldDef> StokSutunlari() {
    const auto yazi = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::WideString, 0}; };
    const auto tam = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Int32, 0}; };
    const auto ondalik = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Double, 0}; };
    return {tam("STOK_STOKNO"),
            yazi("BARKOD"),
            yazi("ADI"),
            yazi("MARKA"),
            yazi("MODEL"),
            yazi("OEM1"),
            yazi("OEM2"),
            yazi("OEM3"),
            yazi("OEM4"),
            yazi("FINISHKOD"),
            yazi("URETICIKODU"),
            yazi("DIGERADI"),
            yazi("OEMNO"),
            yazi("BIRIM"),
            yazi("ANAGRUP"),
            yazi("OZELKOD"),
            ondalik("KALAN"),
            yazi("PKOD"),
            yazi("DPKOD"),
            tam("BARKOD_BARKODNO"),
            ondalik("KDV"),
            ondalik("ALINANSIPARIS"),
            ondalik("VERILENSIPARIS"),
            ondalik("LISTEFIYAT1"),
            ondalik("ESKIFIYAT"),
            ondalik("KAMPFIYAT"),
            ondalik("FIYAT"),
            ondalik("NETFIYAT"),
            ondalik("KDVDAHIL"),
            tam("Y"),
            tam("K"),
            tam("RESIM"),
            yazi("INDIRIMYAZI"),
            ondalik("INDIRIM"),
            ondalik("IND1"),
            ondalik("IND2"),
            ondalik("IND3"),
            ondalik("IND4"),
            tam("DURUM")};
}

// A statement run through SQLite's own interface on the worker's connection. The item lists
// read their rows this way: Qt SQL turns every value of every row into a QVariant and every
// text into UTF-16, which took most of the time of a 1,000-row answer; here a text goes from
// the file to the answer in UTF-8 as it is.
class TSqliteSorgusu {
public:
    TSqliteSorgusu(const QSqlDatabase& db, const QByteArray& sql)
        : m_db(Tutamac(db)) {
        if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &m_sorgu, nullptr) != SQLITE_OK)
            Hata(sql.constData());
    }
    ~TSqliteSorgusu() { sqlite3_finalize(m_sorgu); }
    Q_DISABLE_COPY_MOVE(TSqliteSorgusu)

    // Placeholders count from 1.
    void Bagla(int sira, QByteArrayView utf8) {
        if (sqlite3_bind_text(m_sorgu, sira, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
            Hata(sqlite3_sql(m_sorgu));
    }
    void Bagla(int sira, int deger) {
        if (sqlite3_bind_int(m_sorgu, sira, deger) != SQLITE_OK)
            Hata(sqlite3_sql(m_sorgu));
    }

    bool Sonraki() {
        const int sonuc = sqlite3_step(m_sorgu);
        if (sonuc == SQLITE_ROW)
            return true;
        if (sonuc != SQLITE_DONE)
            Hata(sqlite3_sql(m_sorgu));
        return false;
    }

    // Columns of the current row, from 0; a NULL reads as 0 or as an empty text.
    int Tam(int s) const { return sqlite3_column_int(m_sorgu, s); }
    double Ondalik(int s) const { return sqlite3_column_double(m_sorgu, s); }
    bool Bos(int s) const { return sqlite3_column_type(m_sorgu, s) == SQLITE_NULL; }
    QByteArrayView Yazi(int s) const {
        const auto* metin = reinterpret_cast<const char*>(sqlite3_column_text(m_sorgu, s));
        return QByteArrayView(metin, sqlite3_column_bytes(m_sorgu, s));
    }

private:
    // The server's connections are Qt's SQLite driver, which uses the system's SQLite library.
    static sqlite3* Tutamac(const QSqlDatabase& db) {
        const QVariant tutamac = db.driver()->handle();
        if (!tutamac.isValid() || qstrcmp(tutamac.typeName(), "sqlite3*") != 0)
            throw TVeritabaniHatasi(QStringLiteral("The item lists need an SQLite connection"));
        sqlite3* const baglanti = *static_cast<sqlite3* const*>(tutamac.constData());
        if (!baglanti)
            throw TVeritabaniHatasi(QStringLiteral("The database connection is not open"));
        return baglanti;
    }

    [[noreturn]] void Hata(const char* sql) const {
        throw TVeritabaniHatasi(QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral(" [") +
                                QString::fromUtf8(sql) + QLatin1Char(']'));
    }

    sqlite3* m_db;
    sqlite3_stmt* m_sorgu = nullptr;
};

// Writes one packet row (the columns of StokSutunlari) from a row of kStokSutunlari, priced for
// the customer.
void StokSatiriYaz(TJsonWriter& w, const TSqliteSorgusu& q, const TCariIndirimleri& indirimler) {
    const auto yazi = [&q, &w](int s) { w.Utf8String(q.Yazi(s)); };
    const auto ondalik = [&q, &w](int s) { w.Double(q.Ondalik(s)); };
    const auto tam = [&q, &w](int s) { w.Int(q.Tam(s)); };
    const double liste = q.Ondalik(sListe);
    const double kdv = q.Ondalik(sKdv);
    const int k = q.Tam(sK);
    const double kampanya = q.Ondalik(sKampanya);
    const TStokFiyati f =
        StokFiyatiHesapla(k, liste, kampanya, kdv, indirimler.BulUtf8(q.Yazi(sMarka), q.Yazi(sAnaGrup)));
    // A campaign price shows only where the campaign applies, so the price cell never offers a
    // price the basket would not give.
    const bool kampanyali = k > 0 && kampanya > 0;
    // The whole reduction from the list price in per cent, for the lists that show it.
    const double indirim = liste > 0 ? std::round((1.0 - f.netFiyat / liste) * 10000.0) / 100.0 : 0.0;

    w.BeginArray();
    tam(sNo);
    for (int s = sBarkod; s <= sOzelKod; ++s)
        yazi(s);
    ondalik(sKalan);
    yazi(sPKod);
    yazi(sDpKod);
    tam(sBarkodNo);
    w.Double(kdv);
    ondalik(sAlinan);
    ondalik(sVerilen);
    w.Double(liste); // LISTEFIYAT1
    w.Double(liste); // ESKIFIYAT
    w.Double(kampanyali ? kampanya : 0.0);
    w.Double(f.fiyat);
    w.Double(f.netFiyat);
    w.Double(f.kdvDahil);
    tam(sY);
    w.Int(k);
    tam(sResim);
    w.String(f.indirimYazi);
    w.Double(indirim);
    for (const double oran : f.indirim.oran)
        w.Double(oran);
    if (q.Bos(sDurum))
        w.Null();
    else
        tam(sDurum);
    w.EndArray();
}

// Room for about this many bytes per item row, so that the answer grows once, not row by row.
constexpr qsizetype kSatirBoyutu = 320;

// The item rows of a statement over kStokSutunlari as the table answer, priced for the customer.
void StokSatirlariniYaz(TCagriBaglami& c, TSqliteSorgusu& q, int cariNo, qsizetype tahminiSatir) {
    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(c.Db(), cariNo);
    c.SonucTablo(StokSutunlari(), [&](TJsonWriter& w) {
        w.Reserve(tahminiSatir * kSatirBoyutu);
        while (q.Sonraki())
            StokSatiriYaz(w, q, indirimler);
    });
}

// The listed items in the given order (items gone or inactive meanwhile are left out).
void StokTablosuYaz(TCagriBaglami& c, int cariNo, const std::vector<int>& stokNolari) {
    if (stokNolari.empty()) {
        c.SonucTablo(StokSutunlari(), [](TJsonWriter&) {});
        return;
    }
    QByteArray dizi;
    dizi.reserve(static_cast<qsizetype>(stokNolari.size() * 8));
    for (size_t i = 0; i < stokNolari.size(); ++i) {
        dizi += i ? ',' : '[';
        dizi += QByteArray::number(stokNolari[i]);
    }
    dizi += ']';
    // One statement for all items: the numbers travel as one JSON array, whose order (its key)
    // is the order of the answer.
    TSqliteSorgusu q(c.Db(), QByteArray(kStokSutunlari) +
                                 "FROM json_each(?) J CROSS JOIN STOKLAR S "
                                 "ON S.STOK_STOKNO = J.value WHERE S.AKTIF = 1 ORDER BY J.key");
    q.Bagla(1, dizi);
    StokSatirlariniYaz(c, q, cariNo, static_cast<qsizetype>(stokNolari.size()));
}

// The items that satisfy a condition on STOKLAR S, in item order, bounded.
void KosulluStokTablosuYaz(TCagriBaglami& c, int cariNo, const char* kosul) {
    TSqliteSorgusu q(c.Db(), QByteArray(kStokSutunlari) + "FROM STOKLAR S WHERE S.AKTIF = 1 AND " + kosul +
                                 " ORDER BY S.STOK_STOKNO LIMIT ?");
    q.Bagla(1, kListeSiniri);
    StokSatirlariniYaz(c, q, cariNo, kListeSiniri / 4);
}

// Items matching a free text (codes ignoring blanks and punctuation, words of the names):
// exact code hits first, then code prefixes, then the rest; priced for the session's customer.
// The text may come untrimmed; one that normalises to nothing finds nothing.
void StokAraGetir(TCagriBaglami& c) {
    const QString kod = SinirliYazi(c, 0, kAramaUzunlugu);
    const TOturumKullanicisi kullanici = OturumKullanicisi(c, 1);
    const QSqlDatabase db = c.Db();
    const int cariNo = OturumCarisi(db, kullanici, OturumKaydi(c, 1));
    const TStokAramaSonucu bulunan = StokAra(db, kod, kAramaSiniri);
    StokTablosuYaz(c, cariNo, bulunan.stokNolari);
}

// New items, priced for the customer.
void YenilerVer2(TCagriBaglami& c) {
    KosulluStokTablosuYaz(c, c.Tam(0), "S.Y = 1");
}

// Campaign items, priced for the customer. The user type (`satici`) does not change the list:
// a campaign price is the same for everyone.
void KampanyaliVer2(TCagriBaglami& c) {
    KosulluStokTablosuYaz(c, c.Tam(0), "S.K > 0 AND S.KAMPFIYAT > 0");
}

// The item's picture (JPEG) and its size; an item without one gets an empty stream and size 0.
void ResimVer5(TCagriBaglami& c) {
    const QVariant resim =
        TekDeger(c.Db(), QStringLiteral("SELECT RESIM FROM STOK_RESIMLERI WHERE STOK_STOKNO = ?"), {c.Tam(0)});
    const QByteArray baytlar = resim.toByteArray();
    c.Cikti(1, static_cast<qint64>(baytlar.size()));
    c.SonucAkis(baytlar);
}

} // namespace

void KatalogMetotlari(TMetotTablosu& tablo) {
    tablo.insert(QStringLiteral("StokAraGetir"), StokAraGetir);
    tablo.insert(QStringLiteral("YenilerVer2"), YenilerVer2);
    tablo.insert(QStringLiteral("KampanyaliVer2"), KampanyaliVer2);
    tablo.insert(QStringLiteral("ResimVer5"), ResimVer5);
}
