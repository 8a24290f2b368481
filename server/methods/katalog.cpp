// Catalogue methods: the item search with the customer's prices, the new and campaign item
// lists (the same rows), and item pictures.
#include "server/methods/kullanici.h"
#include "server/methods/metotlar.h"
#include "server/store/arama.h"
#include "server/store/fiyat.h"
#include "server/store/veritabani.h"

#include <QSqlQuery>
#include <cmath>
#include <optional>
#include <unordered_map>

using datasnap::TDSTable;
using datasnap::TFieldDef;
using datasnap::TFieldType;

namespace {

// A search answers at most this many items, so that a short text cannot flood the client.
constexpr int kAramaSiniri = 1000;
// The new and campaign lists are not searched; they are bounded all the same.
constexpr int kListeSiniri = 2000;
// No search text is this long; a longer one is refused instead of being normalised.
constexpr int kAramaUzunlugu = 200;

// The item columns as the lists read them, in this order.
const char* const kStokSecimi =
    "SELECT S.STOK_STOKNO, S.BARKOD, S.ADI, S.MARKA, S.MODEL, S.OEM1, S.OEM2, S.OEM3, S.OEM4, S.FINISHKOD, "
    "S.URETICIKODU, S.DIGERADI, S.OEMNO, S.BIRIM, S.ANAGRUP, S.OZELKOD, S.KALAN, S.PKOD, S.DPKOD, "
    "S.BARKOD_BARKODNO, S.KDV, S.ALINANSIPARIS, S.VERILENSIPARIS, S.LISTEFIYAT1, S.KAMPFIYAT, S.K, S.Y, "
    "S.RESIM, S.DURUM FROM STOKLAR S WHERE S.AKTIF = 1 ";

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

// One packet row from a row of kStokSecimi, priced for the customer.
QList<QVariant> StokSatiri(const QSqlQuery& q, const TCariIndirimleri& indirimler) {
    QList<QVariant> satir;
    satir.reserve(39);
    satir << q.value(sNo).toInt();
    for (int s = sBarkod; s <= sOzelKod; ++s)
        satir << q.value(s).toString();
    const QString marka = q.value(sMarka).toString();
    const QString anaGrup = q.value(sAnaGrup).toString();
    const double liste = q.value(sListe).toDouble();
    const double kdv = q.value(sKdv).toDouble();
    const int k = q.value(sK).toInt();
    const double kampanya = q.value(sKampanya).toDouble();
    const TStokFiyati f = StokFiyatiHesapla(k, liste, kampanya, kdv, indirimler.Bul(marka, anaGrup));
    // A campaign price shows only where the campaign applies, so the price cell never offers a
    // price the basket would not give.
    const bool kampanyali = k > 0 && kampanya > 0;
    // The whole reduction from the list price in per cent, for the lists that show it.
    const double indirim = liste > 0 ? std::round((1.0 - f.netFiyat / liste) * 10000.0) / 100.0 : 0.0;
    const QVariant durum = q.value(sDurum).isNull() ? QVariant() : QVariant(q.value(sDurum).toInt());

    satir << q.value(sKalan).toDouble() << q.value(sPKod).toString() << q.value(sDpKod).toString()
          << q.value(sBarkodNo).toInt() << kdv << q.value(sAlinan).toDouble() << q.value(sVerilen).toDouble() << liste
          << liste << (kampanyali ? kampanya : 0.0) << f.fiyat << f.netFiyat << f.kdvDahil << q.value(sY).toInt() << k
          << q.value(sResim).toInt() << f.indirimYazi << indirim;
    for (const double oran : f.indirim.oran)
        satir << oran;
    satir << durum;
    return satir;
}

// The listed items in the given order (items gone or inactive meanwhile are left out).
TDSTable StokTablosu(const QSqlDatabase& db, int cariNo, const std::vector<int>& stokNolari) {
    TDSTable tablo;
    tablo.columns = StokSutunlari();
    if (stokNolari.empty())
        return tablo;
    std::unordered_map<int, size_t> siralar;
    QString dizi;
    dizi.reserve(static_cast<qsizetype>(stokNolari.size() * 8));
    for (size_t i = 0; i < stokNolari.size(); ++i) {
        siralar.emplace(stokNolari[i], i);
        dizi += (i ? QLatin1Char(',') : QLatin1Char('[')) + QString::number(stokNolari[i]);
    }
    dizi += QLatin1Char(']');

    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(db, cariNo);
    // One statement for all items: the numbers travel as one JSON array.
    QSqlQuery q = Calistir(
        db, QString::fromLatin1(kStokSecimi) + QStringLiteral("AND S.STOK_STOKNO IN (SELECT value FROM json_each(?))"),
        {dizi});
    std::vector<std::optional<QList<QVariant>>> yerinde(stokNolari.size());
    while (q.next())
        yerinde[siralar.at(q.value(sNo).toInt())] = StokSatiri(q, indirimler);
    tablo.rows.reserve(stokNolari.size());
    for (auto& satir : yerinde) {
        if (satir)
            tablo.rows.push_back(std::move(*satir));
    }
    return tablo;
}

// The items that satisfy a condition on STOKLAR S, in item order, bounded.
TDSTable KosulluStokTablosu(const QSqlDatabase& db, int cariNo, const QString& kosul) {
    TDSTable tablo;
    tablo.columns = StokSutunlari();
    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(db, cariNo);
    QSqlQuery q = Calistir(db,
                           QString::fromLatin1(kStokSecimi) + QStringLiteral("AND ") + kosul +
                               QStringLiteral(" ORDER BY S.STOK_STOKNO LIMIT ?"),
                           {kListeSiniri});
    while (q.next())
        tablo.rows.push_back(StokSatiri(q, indirimler));
    return tablo;
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
    c.SonucTablo(StokTablosu(db, cariNo, bulunan.stokNolari));
}

// New items, priced for the customer.
void YenilerVer2(TCagriBaglami& c) {
    c.SonucTablo(KosulluStokTablosu(c.Db(), c.Tam(0), QStringLiteral("S.Y = 1")));
}

// Campaign items, priced for the customer. The user type (`satici`) does not change the list:
// a campaign price is the same for everyone.
void KampanyaliVer2(TCagriBaglami& c) {
    c.SonucTablo(KosulluStokTablosu(c.Db(), c.Tam(0), QStringLiteral("S.K > 0 AND S.KAMPFIYAT > 0")));
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
