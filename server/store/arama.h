#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <vector>

// The item search index.
//
// Every item is indexed under normalised texts: letters and digits only, Turkish letters folded
// to ASCII, upper case. A code "1K0-698-151 A" and a typed "1k0698151a" both become "1K0698151A".
//  - STOK_KODLARI: one row per normalised code (KOD, OEM1..OEM4, OEMNO, BARKOD, URETICIKODU,
//    FINISHKOD), for exact and prefix hits; the only path for texts under three characters.
//  - STOK_ARAMA: an FTS5 table with the trigram tokenizer (SQLite only), rowid = STOK_STOKNO,
//    one column ANAHTAR = the normalised codes, the words of ADI, DIGERADI, MARKA and MODEL, and
//    ADI without blanks, separated by single blanks (so no trigram spans two codes).
//
// Whoever writes STOKLAR keeps the index in step: StokDiziniYenile() after one item changed,
// StokDiziniKur() after a bulk load.

// Search key of a text: letters and digits only, Turkish-aware upper case folded to ASCII
// (ç→C, ğ→G, ı→I, i→I, İ→I, ö→O, ş→S, ü→U; other accented letters lose their accent).
QString AramaAnahtari(QStringView metin);

// The same folding, keeping word boundaries: every run of other characters becomes one blank,
// no blank at either end ("Yağ filtresi (uzun)" → "YAG FILTRESI UZUN").
QString AramaKelimeleri(QStringView metin);

// The fields of an item that the index covers.
struct TStokAramaAlanlari {
    QString kod, oem1, oem2, oem3, oem4, oemNo, barkod, ureticiKodu, finishKod;
    QString adi, digerAdi, marka, model;
};

QStringList StokKodAnahtarlari(const TStokAramaAlanlari& alanlar); // distinct, non-empty, in field order
QString StokAramaMetni(const TStokAramaAlanlari& alanlar);         // the ANAHTAR text of STOK_ARAMA

// FTS5 MATCH expressions for a search text, strongest first: the whole normalised text as one
// phrase; then, when the text has two or more words of three or more characters, all those
// words anywhere. None when the normalised text is shorter than three characters (the trigram
// index cannot match it).
QStringList AramaIfadeleri(QStringView metin);

// Writes index rows with prepared statements; for bulk loads inside one transaction.
class TStokDizini {
public:
    explicit TStokDizini(const QSqlDatabase& db);
    void Yaz(int stokNo, const TStokAramaAlanlari& alanlar);  // replaces the item's rows
    void Ekle(int stokNo, const TStokAramaAlanlari& alanlar); // for an item not in the index yet
    void Sil(int stokNo);

private:
    QSqlQuery m_kodSil, m_kodEkle, m_metinSil, m_metinEkle;
};

// Re-indexes one item from its STOKLAR row (removes it from the index when the row is gone).
void StokDiziniYenile(const QSqlDatabase& db, int stokNo);

// Empties the index and indexes every item of STOKLAR.
void StokDiziniKur(const QSqlDatabase& db);

// Creates the index tables (STOK_KODLARI and STOK_ARAMA); used by the schema migration.
void AramaDiziniOlustur(const QSqlDatabase& db);

struct TStokAramaSonucu {
    std::vector<int> stokNolari; // best first, each once
    bool kesildi = false;        // more items matched than the limit
};

// Items matching a search text, at most `sinir`: exact code hits, then code prefix hits (both
// in code order), then full-text hits of each expression in turn, in item-number order. A normalised text under three
// characters uses only the code paths.
TStokAramaSonucu StokAra(const QSqlDatabase& db, QStringView metin, int sinir = 300);
