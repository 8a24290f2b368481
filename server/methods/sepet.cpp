// Basket and order methods: the basket lines of a customer, their marks, the delivery and cargo
// choices, turning the marked lines into an order, and the overdue-balance warning.
//
// Every amount of a line is computed here from the server's own prices and the customer's
// discount rates; prices and rates sent by a client are not taken, except the unit price that a
// sales representative (user type 1 or 2 as the server holds it) gives for the one line written.
#include "platform/datasnap/numberformat.h"
#include "server/methods/kullanici.h"
#include "server/methods/metotlar.h"
#include "server/store/fiyat.h"
#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <QDateTime>
#include <QLocale>
#include <QSqlQuery>
#include <cmath>
#include <optional>

using datasnap::TDSTable;
using datasnap::TFieldDef;
using datasnap::TFieldType;

namespace {

// Argument bounds. Quantities beyond the dialog's 10000 are possible (a typed quantity is taken
// as typed), so the bound only stops nonsense.
constexpr double kEnFazlaMiktar = 1'000'000;
constexpr double kEnFazlaFiyat = 1'000'000'000;
constexpr int kKisaYazi = 1000;   // codes and names a client repeats back
constexpr int kUzunYazi = 10'000; // the order note

// Answers of the basket writes.
constexpr int kYazildi = 1;
constexpr int kReddedildi = 0;

TFieldDef Sutun(const char* ad, TFieldType tur) {
    return TFieldDef{QString::fromLatin1(ad), tur, 0};
}

// The rows of a query as a table of the given columns (values converted to the column kinds).
TDSTable SorguTablosu(QSqlQuery& q, QList<TFieldDef> sutunlar) {
    TDSTable tablo;
    tablo.columns = std::move(sutunlar);
    const int adet = static_cast<int>(tablo.columns.size());
    while (q.next()) {
        QList<QVariant> satir;
        satir.reserve(adet);
        for (int i = 0; i < adet; ++i)
            satir << datasnap::ConvertToFieldType(q.value(i), tablo.columns[i].type);
        tablo.rows.push_back(std::move(satir));
    }
    return tablo;
}

// ---------------------------------------------------------------------------------------------
// The basket packet

// Every column the basket grid, the totals and the item dialog read, in the grid's order, with
// the query that fills them (same order; INDIRIMYAZI is made from the rates afterwards).
QList<TFieldDef> SepetSutunlari() {
    using enum TFieldType;
    return {Sutun("SEC", Int32),
            Sutun("VERILISTARIHI", DateTime),
            Sutun("SIRANO", Int32),
            Sutun("SIPARISNO", Int32),
            Sutun("CARINO", Int32),
            Sutun("TARIH", Date),
            Sutun("AKTAR", Int32),
            Sutun("STOKNO", Int32),
            Sutun("BARKOD", WideString),
            Sutun("FINISHKOD", WideString),
            Sutun("OEMNO", WideString),
            Sutun("STOKADI", WideString),
            Sutun("MIKTAR", Double),
            Sutun("BIRIMFIYAT", Double),
            Sutun("TUTAR", Double),
            Sutun("INDIRIMYAZI", WideString),
            Sutun("INDIRIMORANI1", Double),
            Sutun("INDIRIMORANI2", Double),
            Sutun("INDIRIMORANI3", Double),
            Sutun("INDIRIMTUTAR", Double),
            Sutun("NETBIRIMFIYAT", Double),
            Sutun("KDV", Double),
            Sutun("VERGITUTARI", Double),
            Sutun("NETTUTAR", Double),
            Sutun("KUR", WideString),
            Sutun("KURTL", Double),
            Sutun("VERENIDNO", Int32),
            Sutun("SAAT", WideString),
            Sutun("TESLIMID", Int32),
            Sutun("KARGOID", Int32),
            Sutun("ACIKLAMA", WideString),
            Sutun("IDNO", Int32),
            Sutun("VERENSIRANO", Int32),
            Sutun("VEREN", WideString),
            Sutun("CARIKOD", WideString),
            Sutun("CARIADI", WideString),
            Sutun("OEM1", WideString),
            Sutun("OEM2", WideString),
            Sutun("OEM3", WideString),
            Sutun("OEM4", WideString),
            Sutun("STOK_STOKNO", Int32),
            Sutun("URETICIKODU", WideString),
            Sutun("DIGERADI", WideString),
            Sutun("DPKOD", WideString),
            Sutun("MARKA", WideString),
            Sutun("MODEL", WideString),
            Sutun("ANAGRUP", WideString),
            Sutun("OZELKOD", WideString),
            Sutun("PKOD", WideString),
            Sutun("DURUM", Int32),
            Sutun("KALAN", Double),
            Sutun("INDIRIMORANI4", Double),
            Sutun("KDVLITUTAR", Double),
            Sutun("K", Int32)};
}

// A basket line is not part of an order yet: its order, delivery and cargo numbers are 0.
const QString kSepetSecimi = QStringLiteral(
    "SELECT B.SEC, B.TARIH, B.SIRANO, 0, B.CARINO, CAST(B.TARIH AS INTEGER), 0, B.STOK_STOKNO, B.BARKOD, "
    "S.FINISHKOD, S.OEMNO, B.STOKADI, B.MIKTAR, B.BIRIMFIYAT, B.TUTAR, '', B.INDIRIMORANI1, B.INDIRIMORANI2, "
    "B.INDIRIMORANI3, B.INDIRIMTUTAR, B.NETBIRIMFIYAT, B.KDV, B.VERGITUTARI, B.NETTUTAR, B.KUR, B.KURTL, "
    "B.VERENIDNO, B.SAAT, 0, 0, B.ACIKLAMA, 0, B.VERENSIRANO, B.VEREN, C.CARIKOD, C.CARIADI, S.OEM1, S.OEM2, "
    "S.OEM3, S.OEM4, B.STOK_STOKNO, S.URETICIKODU, S.DIGERADI, S.DPKOD, S.MARKA, S.MODEL, S.ANAGRUP, S.OZELKOD, "
    "S.PKOD, S.DURUM, S.KALAN, B.INDIRIMORANI4, B.KDVLITUTAR, B.K "
    "FROM SEPET B JOIN STOKLAR S ON S.STOK_STOKNO = B.STOK_STOKNO JOIN CARILER C ON C.CARINO = B.CARINO "
    "WHERE B.CARINO = ? ORDER BY B.SIRANO");

// The rates of a packet row as the discount text ("10+5").
QString IndirimYazisi(const QList<QVariant>& satir, const TDSTable& tablo) {
    TIndirimOranlari oranlar;
    const char16_t* const adlar[] = {u"INDIRIMORANI1", u"INDIRIMORANI2", u"INDIRIMORANI3", u"INDIRIMORANI4"};
    for (size_t i = 0; i < 4; ++i)
        oranlar.oran[i] = satir.at(tablo.ColumnIndex(adlar[i])).toDouble();
    return oranlar.Yazi();
}

void SepetVer2(TCagriBaglami& c) {
    QSqlQuery q = Calistir(c.Db(), kSepetSecimi, {c.Tam(0)});
    TDSTable tablo = SorguTablosu(q, SepetSutunlari());
    const int yaziSutunu = tablo.ColumnIndex(u"INDIRIMYAZI");
    for (QList<QVariant>& satir : tablo.rows)
        satir[yaziSutunu] = IndirimYazisi(satir, tablo);
    c.SonucTablo(tablo);
}

// ---------------------------------------------------------------------------------------------
// Writing lines

// The price of one line: unit price and rates, with the item's VAT rate.
struct TSatirFiyatlari {
    double birimFiyat = 0;
    TIndirimOranlari indirim;
    double kdv = 0;
};

TSatirTutarlari Tutarlar(double miktar, const TSatirFiyatlari& f) {
    return SatirTutarlariHesapla(miktar, f.birimFiyat, f.indirim, f.kdv);
}

// The item as a basket line needs it.
struct TSepetStogu {
    int stokNo = 0;
    QString barkod, adi, kur;
    int k = 0;
    TSatirFiyatlari fiyat; // the customer's price of the item
};

std::optional<TSepetStogu> SepetStogu(const QSqlDatabase& db, int stokNo, int cariNo) {
    QSqlQuery q = Calistir(db,
                           QStringLiteral("SELECT BARKOD, ADI, MARKA, ANAGRUP, K, LISTEFIYAT1, KAMPFIYAT, KDV, KUR "
                                          "FROM STOKLAR WHERE STOK_STOKNO = ? AND AKTIF = 1"),
                           {stokNo});
    if (!q.next())
        return std::nullopt;
    TSepetStogu s;
    s.stokNo = stokNo;
    s.barkod = q.value(0).toString();
    s.adi = q.value(1).toString();
    s.k = q.value(4).toInt();
    s.kur = q.value(8).toString();
    s.fiyat.kdv = q.value(7).toDouble();
    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(db, cariNo);
    const TStokFiyati f = StokFiyatiHesapla(s.k, q.value(5).toDouble(), q.value(6).toDouble(), s.fiyat.kdv,
                                            indirimler.Bul(q.value(2).toString(), q.value(3).toString()));
    s.fiyat.birimFiyat = f.fiyat;
    s.fiyat.indirim = f.indirim;
    return s;
}

// A new line's number: above every number a line has had, also of lines already ordered, so a
// number never comes back for another line (an order line keeps its basket line's number).
int YeniSepetSiraNo(const QSqlDatabase& db) {
    return TekDeger(db, QStringLiteral("SELECT MAX(COALESCE((SELECT MAX(SIRANO) FROM SEPET), 0), "
                                       "COALESCE((SELECT MAX(SEPETSIRANO) FROM SIPARIS_SATIRLARI), 0)) + 1"))
        .toInt();
}

// Who writes a line and for which customer, after the checks every basket write shares.
struct TYazan {
    TOturumKullanicisi kullanici;
    int cariNo = 0;
};

// The session, the customer and the placing user of a basket write; nullopt when the write is
// not this user's to make (another customer's account, another user's number).
std::optional<TYazan> Yazan(const TCagriBaglami& c, int oturum, int cari, int veren) {
    TYazan y{OturumKullanicisi(c, oturum), 0};
    y.cariNo = OturumCarisi(c.Db(), y.kullanici, OturumKaydi(c, oturum));
    if (y.cariNo == 0 || c.Tam(cari) != y.cariNo || c.Tam(veren) != y.kullanici.siraNo)
        return std::nullopt;
    return y;
}

// The arguments a line write shares (SepetEkle2 and SepetGuncelle2 have them at the same
// places): the texts a client repeats back, the quantity, and the VAT, price and rates, which
// are checked for form; only a representative's price is used afterwards.
struct TSatirArgumanlari {
    double miktar = 0;
    double fiyat = 0;
};

TSatirArgumanlari SatirArgumanlari(const TCagriBaglami& c) {
    SinirliYazi(c, 3, kKisaYazi);
    SinirliYazi(c, 4, kKisaYazi);
    TSatirArgumanlari a;
    a.miktar = SonluSayi(c, 5, 0, kEnFazlaMiktar);
    if (a.miktar <= 0)
        throw TIstekHatasi(QStringLiteral("Parameter miktar must be above 0"));
    for (const int k : {6, 7, 8, 11, 12, 13})
        SonluSayi(c, k, -kEnFazlaFiyat, kEnFazlaFiyat);
    a.fiyat = c.Ondalik(7);
    return a;
}

// The unit price a representative gives; none from anyone else.
std::optional<double> VerilenFiyat(const TSatirArgumanlari& a, const TOturumKullanicisi& kullanici) {
    if (!kullanici.Personel())
        return std::nullopt;
    if (a.fiyat < 0)
        throw TIstekHatasi(QStringLiteral("Parameter fiyat must not be negative"));
    return a.fiyat;
}

// The moment of a write, as the date and time columns hold it.
struct TAn {
    double ole = 0;
    QString saat;
};

TAn Simdi() {
    const QDateTime simdi = QDateTime::currentDateTime();
    return {OleTarihi(simdi), SaatYazisi(simdi.time())};
}

// SepetEkle2(bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2,
// ind3, ind4): 1 when the line was added. The item's own code and name are stored, not the
// ones sent.
void SepetEkle2(TCagriBaglami& c) {
    const TSatirArgumanlari a = SatirArgumanlari(c);
    const std::optional<TYazan> yazan = Yazan(c, 0, 1, 9);
    if (!yazan) {
        c.Sonuc(kReddedildi);
        return;
    }
    const std::optional<double> verilenFiyat = VerilenFiyat(a, yazan->kullanici);
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    std::optional<TSepetStogu> stok = SepetStogu(db, c.Tam(2), yazan->cariNo);
    if (!stok) {
        c.Sonuc(kReddedildi);
        return;
    }
    if (verilenFiyat)
        stok->fiyat.birimFiyat = *verilenFiyat;
    const TSatirTutarlari t = Tutarlar(a.miktar, stok->fiyat);
    const auto& o = stok->fiyat.indirim.oran;
    const int verenSiraNo = yazan->kullanici.Personel() ? yazan->kullanici.saticiNo : 0;
    const TAn an = Simdi();
    Calistir(db,
             QStringLiteral("INSERT INTO SEPET (SIRANO, CARINO, STOK_STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, "
                            "INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, NETBIRIMFIYAT, TUTAR, "
                            "INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR, K, SEC, VEREN, VERENIDNO, "
                            "VERENSIRANO, TARIH, SAAT, KUR, KURTL) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, 1)"),
             {YeniSepetSiraNo(db),
              yazan->cariNo,
              stok->stokNo,
              stok->barkod,
              stok->adi,
              a.miktar,
              stok->fiyat.birimFiyat,
              o[0],
              o[1],
              o[2],
              o[3],
              t.netBirimFiyat,
              t.tutar,
              t.indirimTutar,
              t.netTutar,
              stok->fiyat.kdv,
              t.vergiTutari,
              t.kdvliTutar,
              stok->k,
              yazan->kullanici.adi,
              yazan->kullanici.siraNo,
              verenSiraNo,
              an.ole,
              an.saat,
              stok->kur});
    islem.Onayla();
    c.Sonuc(kYazildi);
}

// The stored price of a basket line of a customer; nullopt when the customer has no such line.
std::optional<TSatirFiyatlari> SatirFiyatlari(const QSqlDatabase& db, int siraNo, int cariNo) {
    QSqlQuery q = Calistir(db,
                           QStringLiteral("SELECT BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, "
                                          "INDIRIMORANI4, KDV FROM SEPET WHERE SIRANO = ? AND CARINO = ?"),
                           {siraNo, cariNo});
    if (!q.next())
        return std::nullopt;
    TSatirFiyatlari f;
    f.birimFiyat = q.value(0).toDouble();
    for (int i = 0; i < 4; ++i)
        f.indirim.oran[static_cast<size_t>(i)] = q.value(1 + i).toDouble();
    f.kdv = q.value(5).toDouble();
    return f;
}

// SepetGuncelle2(bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid,
// _sepetsirano, ind2, ind3, ind4): a new quantity for the customer's line _sepetsirano; 1 when
// changed. The line keeps the price and rates the server gave it (a representative's price
// replaces its unit price); `stokno` is 0 from the client and is not used.
void SepetGuncelle2(TCagriBaglami& c) {
    const TSatirArgumanlari a = SatirArgumanlari(c);
    const std::optional<TYazan> yazan = Yazan(c, 0, 1, 9);
    if (!yazan) {
        c.Sonuc(kReddedildi);
        return;
    }
    const std::optional<double> verilenFiyat = VerilenFiyat(a, yazan->kullanici);
    const int siraNo = c.Tam(10);
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    std::optional<TSatirFiyatlari> fiyat = SatirFiyatlari(db, siraNo, yazan->cariNo);
    if (!fiyat) {
        c.Sonuc(kReddedildi);
        return;
    }
    if (verilenFiyat)
        fiyat->birimFiyat = *verilenFiyat;
    const TSatirTutarlari t = Tutarlar(a.miktar, *fiyat);
    Calistir(db,
             QStringLiteral("UPDATE SEPET SET MIKTAR = ?, BIRIMFIYAT = ?, NETBIRIMFIYAT = ?, TUTAR = ?, "
                            "INDIRIMTUTAR = ?, NETTUTAR = ?, VERGITUTARI = ?, KDVLITUTAR = ? "
                            "WHERE SIRANO = ? AND CARINO = ?"),
             {a.miktar, fiyat->birimFiyat, t.netBirimFiyat, t.tutar, t.indirimTutar, t.netTutar, t.vergiTutari,
              t.kdvliTutar, siraNo, yazan->cariNo});
    islem.Onayla();
    c.Sonuc(kYazildi);
}

// SepetSatirSil(bilgi, satirno, aciklamam): deletes one line of the session's customer; 1 when
// a line was deleted. The note (code and name of the line) only identifies it for a person.
void SepetSatirSil(TCagriBaglami& c) {
    SinirliYazi(c, 2, kKisaYazi);
    const TOturumKullanicisi kullanici = OturumKullanicisi(c, 0);
    const int cariNo = OturumCarisi(c.Db(), kullanici, OturumKaydi(c, 0));
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    QSqlQuery q = Calistir(db, QStringLiteral("DELETE FROM SEPET WHERE SIRANO = ? AND CARINO = ?"), {c.Tam(1), cariNo});
    const bool silindi = q.numRowsAffected() > 0;
    islem.Onayla();
    c.Sonuc(silindi ? kYazildi : kReddedildi);
}

// SepetHepsiniSil(bilgi): deletes every line of the session's customer; 1 when done, 0 when the
// session works for no customer.
void SepetHepsiniSil(TCagriBaglami& c) {
    const TOturumKullanicisi kullanici = OturumKullanicisi(c, 0);
    const int cariNo = OturumCarisi(c.Db(), kullanici, OturumKaydi(c, 0));
    if (cariNo == 0) {
        c.Sonuc(kReddedildi);
        return;
    }
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    Calistir(db, QStringLiteral("DELETE FROM SEPET WHERE CARINO = ?"), {cariNo});
    islem.Onayla();
    c.Sonuc(kYazildi);
}

// SepetSecimGuncelle(sirano, secim): marks (1) or unmarks (0) an existing line. The method
// carries no session, so it can do nothing else: no amount, quantity or line changes, and a
// number that names no line changes nothing.
void SepetSecimGuncelle(TCagriBaglami& c) {
    const int secim = c.Tam(1);
    if (secim != 0 && secim != 1)
        throw TIstekHatasi(QStringLiteral("Parameter secim must be 0 or 1"));
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    Calistir(db, QStringLiteral("UPDATE SEPET SET SEC = ? WHERE SIRANO = ?"), {secim, c.Tam(0)});
    islem.Onayla();
}

// ---------------------------------------------------------------------------------------------
// Delivery and cargo choices

void TeslimVer(TCagriBaglami& c) {
    QSqlQuery q =
        Calistir(c.Db(), QStringLiteral("SELECT TESLIMID, ADI FROM TESLIM_SEKILLERI ORDER BY SIRA, TESLIMID"));
    c.SonucTablo(SorguTablosu(q, {Sutun("TESLIMID", TFieldType::Int32), Sutun("ADI", TFieldType::WideString)}));
}

void KargoVer(TCagriBaglami& c) {
    QSqlQuery q =
        Calistir(c.Db(), QStringLiteral("SELECT KARGOTURID, ADI FROM KARGO_TURLERI ORDER BY SIRA, KARGOTURID"));
    c.SonucTablo(SorguTablosu(q, {Sutun("KARGOTURID", TFieldType::Int32), Sutun("ADI", TFieldType::WideString)}));
}

// The cargo companies of a cargo type.
void KargolarVer(TCagriBaglami& c) {
    QSqlQuery q = Calistir(c.Db(),
                           QStringLiteral("SELECT SIRANO, ADI, UYARI, KARGOTURID FROM KARGO_FIRMALARI "
                                          "WHERE KARGOTURID = ? ORDER BY SIRA, SIRANO"),
                           {c.Tam(0)});
    c.SonucTablo(SorguTablosu(q, {Sutun("SIRANO", TFieldType::Int32), Sutun("ADI", TFieldType::WideString),
                                  Sutun("UYARI", TFieldType::WideString), Sutun("KARGOTURID", TFieldType::Int32)}));
}

// ---------------------------------------------------------------------------------------------
// Orders

struct TSiparisSecimi {
    int cariNo = 0, teslim = 0, kargoTuru = 0, kargo = 0;
};

bool Var(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler) {
    return TekDeger(db, sql, degerler).isValid();
}

// The customer takes orders, and the delivery, the cargo type and a company of that type exist.
bool SiparisAlinabilir(const QSqlDatabase& db, const TSiparisSecimi& s) {
    return Var(db, QStringLiteral("SELECT 1 FROM CARILER WHERE CARINO = ? AND AKTIF = 1 AND SIPARISALINIR = 1"),
               {s.cariNo}) &&
           Var(db, QStringLiteral("SELECT 1 FROM TESLIM_SEKILLERI WHERE TESLIMID = ?"), {s.teslim}) &&
           Var(db, QStringLiteral("SELECT 1 FROM KARGO_FIRMALARI WHERE SIRANO = ? AND KARGOTURID = ?"),
               {s.kargo, s.kargoTuru});
}

int SiparisBaslikYaz(const QSqlDatabase& db, const TSiparisSecimi& s, const TOturumKullanicisi& veren,
                     const QString& not_, const TAn& an) {
    const QVariant temsilci = TekDeger(db, QStringLiteral("SELECT SATICINO FROM CARILER WHERE CARINO = ?"), {s.cariNo});
    QSqlQuery q = Calistir(db,
                           QStringLiteral("INSERT INTO SIPARISLER (CARINO, TARIH, SAAT, DURUM, TESLIMID, KARGOTURID, "
                                          "KARGOID, VEREN, VERENIDNO, SATICINO, VERENINNOTU) "
                                          "VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?)"),
                           {s.cariNo, an.ole, an.saat, s.teslim, s.kargoTuru, s.kargo, veren.adi, veren.siraNo,
                            temsilci.isNull() ? QVariant() : temsilci, not_});
    return q.lastInsertId().toInt();
}

// The marked lines become the order's lines, with the amounts the server gave them; the quantity
// on customers' orders of each item grows by what was ordered; then the marked lines leave the
// basket.
void SiparisSatirlariYaz(const QSqlDatabase& db, int siparisNo, int cariNo, const TAn& an) {
    Calistir(db,
             QStringLiteral("INSERT INTO SIPARIS_SATIRLARI (IDNO, STOK_STOKNO, SEPETSIRANO, BARKOD, STOKADI, MIKTAR, "
                            "ILKFIYAT, BIRIMFIYAT, INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, "
                            "NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR, K, VEREN, "
                            "VERENIDNO, VERENSIRANO, TARIH, SAAT, KUR, KURTL, ACIKLAMA) "
                            "SELECT ?, STOK_STOKNO, SIRANO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, BIRIMFIYAT, "
                            "INDIRIMORANI1, INDIRIMORANI2, INDIRIMORANI3, INDIRIMORANI4, NETBIRIMFIYAT, TUTAR, "
                            "INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR, K, VEREN, VERENIDNO, VERENSIRANO, "
                            "?, ?, KUR, KURTL, ACIKLAMA FROM SEPET WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO"),
             {siparisNo, an.ole, an.saat, cariNo});
    Calistir(db,
             QStringLiteral("UPDATE STOKLAR SET ALINANSIPARIS = ALINANSIPARIS + (SELECT SUM(B.MIKTAR) FROM SEPET B "
                            "WHERE B.CARINO = ? AND B.SEC = 1 AND B.STOK_STOKNO = STOKLAR.STOK_STOKNO) "
                            "WHERE STOK_STOKNO IN (SELECT STOK_STOKNO FROM SEPET WHERE CARINO = ? AND SEC = 1)"),
             {cariNo, cariNo});
    Calistir(db, QStringLiteral("DELETE FROM SEPET WHERE CARINO = ? AND SEC = 1"), {cariNo});
}

// SiparisKaydet(BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni): turns the
// customer's marked basket lines into one order, all in one transaction; the unmarked lines stay.
// False, with nothing written, when nothing is marked or a choice is not valid.
void SiparisKaydet(TCagriBaglami& c) {
    const QString not_ = SinirliYazi(c, 4, kUzunYazi);
    const TOturumKullanicisi kullanici = OturumKullanicisi(c, 0);
    const TSiparisSecimi secim{OturumCarisi(c.Db(), kullanici, OturumKaydi(c, 0)), c.Tam(2), c.Tam(3), c.Tam(6)};
    if (secim.cariNo == 0 || c.Tam(1) != secim.cariNo || c.Tam(5) != kullanici.siraNo) {
        c.Sonuc(false);
        return;
    }
    const QSqlDatabase db = c.Db();
    TIslem islem(db);
    const bool isaretliVar =
        Var(db, QStringLiteral("SELECT 1 FROM SEPET WHERE CARINO = ? AND SEC = 1 LIMIT 1"), {secim.cariNo});
    if (!isaretliVar || !SiparisAlinabilir(db, secim)) {
        c.Sonuc(false);
        return;
    }
    const TAn an = Simdi();
    const int siparisNo = SiparisBaslikYaz(db, secim, kullanici, not_, an);
    SiparisSatirlariYaz(db, siparisNo, secim.cariNo, an);
    islem.Onayla();
    c.Sonuc(true);
}

// ---------------------------------------------------------------------------------------------
// Overdue balance

struct TGecikme {
    double tutar = 0; // open debit whose due date (plus the customer's grace days) has passed
    int gun = 0;      // days since the oldest such due date
};

// Credits pay the debits in the order they fall due; what is left of a debit that is due
// (after the customer's grace days, VADEKONTROLGUN) counts as overdue.
TGecikme Gecikme(const QSqlDatabase& db, int cariNo, double bugun) {
    TGecikme g;
    const int tolerans =
        TekDeger(db, QStringLiteral("SELECT VADEKONTROLGUN FROM CARILER WHERE CARINO = ?"), {cariNo}).toInt();
    double alacak =
        TekDeger(db, QStringLiteral("SELECT COALESCE(SUM(ALACAK), 0) FROM CARI_HAREKETLER WHERE CARINO = ?"), {cariNo})
            .toDouble();
    QSqlQuery borclar = Calistir(db,
                                 QStringLiteral("SELECT BORC, VADETARIHI FROM CARI_HAREKETLER WHERE CARINO = ? "
                                                "AND BORC > 0 ORDER BY VADETARIHI, IDNO"),
                                 {cariNo});
    while (borclar.next()) {
        const double borc = borclar.value(0).toDouble();
        const double vade = std::floor(borclar.value(1).toDouble());
        const double odenen = std::min(borc, alacak);
        alacak -= odenen;
        const double acik = Yuvarla2(borc - odenen);
        if (acik <= 0 || vade + tolerans >= bugun)
            continue;
        if (g.tutar == 0)
            g.gun = static_cast<int>(bugun - vade);
        g.tutar = Yuvarla2(g.tutar + acik);
    }
    return g;
}

// CariVadeGunGecmismiBul(carino): the warning about the customer's overdue balance, empty when
// nothing is overdue (or the customer is unknown).
void CariVadeGunGecmismiBul(TCagriBaglami& c) {
    const TGecikme g = Gecikme(c.Db(), c.Tam(0), OleTarihi(QDate::currentDate()));
    if (g.tutar <= 0) {
        c.Sonuc(QString());
        return;
    }
    const QString tutar =
        datasnap::FormatFloat(datasnap::kFloatDisplayFormat, g.tutar, QLocale(QLocale::Turkish, QLocale::Turkey));
    c.Sonuc(QStringLiteral("Vadesi geçmiş bakiye: %1 TL (en eski vade %2 gün geçti)").arg(tutar).arg(g.gun));
}

} // namespace

void SepetMetotlari(TMetotTablosu& tablo) {
    tablo.insert(QStringLiteral("SepetVer2"), SepetVer2);
    tablo.insert(QStringLiteral("SepetEkle2"), SepetEkle2);
    tablo.insert(QStringLiteral("SepetGuncelle2"), SepetGuncelle2);
    tablo.insert(QStringLiteral("SepetSatirSil"), SepetSatirSil);
    tablo.insert(QStringLiteral("SepetHepsiniSil"), SepetHepsiniSil);
    tablo.insert(QStringLiteral("SepetSecimGuncelle"), SepetSecimGuncelle);
    tablo.insert(QStringLiteral("TeslimVer"), TeslimVer);
    tablo.insert(QStringLiteral("KargoVer"), KargoVer);
    tablo.insert(QStringLiteral("KargolarVer"), KargolarVer);
    tablo.insert(QStringLiteral("SiparisKaydet"), SiparisKaydet);
    tablo.insert(QStringLiteral("CariVadeGunGecmismiBul"), CariVadeGunGecmismiBul);
}
