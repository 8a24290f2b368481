#include "server/store/arama.h"

#include "server/store/veritabani.h"

#include <algorithm>
#include <set>

namespace {

// Appends the search form of one character: upper-case ASCII letters and digits; nothing for
// any other character.
void Katla(QChar c, QString& hedef) {
    const char16_t u = c.unicode();
    if (u < 0x80) {
        if (u >= u'a' && u <= u'z')
            hedef.append(QChar(char16_t(u - u'a' + u'A')));
        else if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
            hedef.append(c);
        return;
    }
    if (u == u'ı') { // dotless i has no decomposition
        hedef.append(QLatin1Char('I'));
        return;
    }
    // ç, ğ, İ, ö, ş, ü and the other accented letters decompose into an ASCII base letter and
    // combining marks (which fold to nothing); full-width letters and ligatures likewise.
    for (const QChar parca : c.decomposition())
        Katla(parca, hedef);
}

QString Tirnakla(const QString& kelime) {
    return QLatin1Char('"') + kelime + QLatin1Char('"');
}

const QString stokAlanlariSql =
    QStringLiteral("SELECT STOK_STOKNO, KOD, OEM1, OEM2, OEM3, OEM4, OEMNO, BARKOD, URETICIKODU, FINISHKOD, "
                   "ADI, DIGERADI, MARKA, MODEL FROM STOKLAR");

TStokAramaAlanlari AlanlariOku(const QSqlQuery& sorgu) {
    TStokAramaAlanlari a;
    QString* const alanlar[] = {&a.kod,         &a.oem1,      &a.oem2, &a.oem3,     &a.oem4,  &a.oemNo, &a.barkod,
                                &a.ureticiKodu, &a.finishKod, &a.adi,  &a.digerAdi, &a.marka, &a.model};
    int sutun = 1;
    for (QString* alan : alanlar)
        *alan = sorgu.value(sutun++).toString();
    return a;
}

void EkleBirKez(QStringList& liste, const QString& parca) {
    if (!parca.isEmpty() && !liste.contains(parca))
        liste.append(parca);
}

// Collects distinct item numbers up to a limit; notes when a further one was seen.
class TToplayici {
public:
    explicit TToplayici(int sinir)
        : m_sinir(sinir) {}

    void Oku(QSqlQuery& sorgu) {
        while (!m_sonuc.kesildi && sorgu.next()) {
            const int no = sorgu.value(0).toInt();
            if (!m_goruldu.insert(no).second)
                continue;
            if (static_cast<int>(m_sonuc.stokNolari.size()) == m_sinir)
                m_sonuc.kesildi = true;
            else
                m_sonuc.stokNolari.push_back(no);
        }
    }

    bool Dolu() const { return m_sonuc.kesildi; }
    int Adet() const { return static_cast<int>(m_sonuc.stokNolari.size()); }
    TStokAramaSonucu Sonuc() && { return std::move(m_sonuc); }

private:
    int m_sinir;
    std::set<int> m_goruldu;
    TStokAramaSonucu m_sonuc;
};

} // namespace

QString AramaAnahtari(QStringView metin) {
    QString anahtar;
    anahtar.reserve(metin.size());
    for (const QChar c : metin)
        Katla(c, anahtar);
    return anahtar;
}

QString AramaKelimeleri(QStringView metin) {
    QString kelimeler;
    kelimeler.reserve(metin.size());
    QString harf;
    bool ayracBekliyor = false;
    for (const QChar c : metin) {
        if (c.isMark()) // a combining accent belongs to the letter before it
            continue;
        harf.clear();
        Katla(c, harf);
        if (harf.isEmpty()) {
            ayracBekliyor = !kelimeler.isEmpty();
            continue;
        }
        if (ayracBekliyor)
            kelimeler.append(QLatin1Char(' '));
        ayracBekliyor = false;
        kelimeler.append(harf);
    }
    return kelimeler;
}

QStringList StokKodAnahtarlari(const TStokAramaAlanlari& a) {
    QStringList kodlar;
    for (const QString* alan :
         {&a.kod, &a.oem1, &a.oem2, &a.oem3, &a.oem4, &a.oemNo, &a.barkod, &a.ureticiKodu, &a.finishKod})
        EkleBirKez(kodlar, AramaAnahtari(*alan));
    return kodlar;
}

QString StokAramaMetni(const TStokAramaAlanlari& a) {
    QStringList parcalar = StokKodAnahtarlari(a);
    EkleBirKez(parcalar, AramaKelimeleri(a.adi));
    EkleBirKez(parcalar, AramaAnahtari(a.adi));
    EkleBirKez(parcalar, AramaKelimeleri(a.digerAdi));
    EkleBirKez(parcalar, AramaKelimeleri(a.marka));
    EkleBirKez(parcalar, AramaKelimeleri(a.model));
    return parcalar.join(QLatin1Char(' '));
}

QStringList AramaIfadeleri(QStringView metin) {
    const QString butun = AramaAnahtari(metin);
    if (butun.size() < 3)
        return {};
    QStringList uzunlar;
    for (const QString& kelime : AramaKelimeleri(metin).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (kelime.size() >= 3)
            uzunlar.append(Tirnakla(kelime));
    }
    QStringList ifadeler{Tirnakla(butun)};
    if (uzunlar.size() >= 2)
        ifadeler.append(uzunlar.join(QStringLiteral(" AND ")));
    return ifadeler;
}

TStokDizini::TStokDizini(const QSqlDatabase& db)
    : m_kodSil(Hazirla(db, QStringLiteral("DELETE FROM STOK_KODLARI WHERE STOK_STOKNO = ?")))
    , m_kodEkle(Hazirla(db, QStringLiteral("INSERT INTO STOK_KODLARI (KOD, STOK_STOKNO) VALUES (?, ?)")))
    , m_metinSil(Hazirla(db, QStringLiteral("DELETE FROM STOK_ARAMA WHERE rowid = ?")))
    , m_metinEkle(Hazirla(db, QStringLiteral("INSERT INTO STOK_ARAMA (rowid, ANAHTAR) VALUES (?, ?)"))) {}

void TStokDizini::Sil(int stokNo) {
    m_kodSil.bindValue(0, stokNo);
    Calistir(m_kodSil);
    m_metinSil.bindValue(0, stokNo);
    Calistir(m_metinSil);
}

void TStokDizini::Yaz(int stokNo, const TStokAramaAlanlari& alanlar) {
    Sil(stokNo);
    Ekle(stokNo, alanlar);
}

void TStokDizini::Ekle(int stokNo, const TStokAramaAlanlari& alanlar) {
    for (const QString& kod : StokKodAnahtarlari(alanlar)) {
        m_kodEkle.bindValue(0, kod);
        m_kodEkle.bindValue(1, stokNo);
        Calistir(m_kodEkle);
    }
    m_metinEkle.bindValue(0, stokNo);
    m_metinEkle.bindValue(1, StokAramaMetni(alanlar));
    Calistir(m_metinEkle);
}

void StokDiziniYenile(const QSqlDatabase& db, int stokNo) {
    QSqlQuery sorgu = Calistir(db, stokAlanlariSql + QStringLiteral(" WHERE STOK_STOKNO = ?"), {stokNo});
    TStokDizini dizin(db);
    if (sorgu.next())
        dizin.Yaz(stokNo, AlanlariOku(sorgu));
    else
        dizin.Sil(stokNo);
}

namespace {

// The index is the one SQLite-specific part of the schema: an FTS5 table, and a code table
// without rowid (its key is all it holds, so it is stored once, as the key's own B-tree).
void KodTablosunuOlustur(const QSqlDatabase& db) {
    Calistir(db, QStringLiteral("CREATE TABLE STOK_KODLARI ("
                                "KOD TEXT NOT NULL, "
                                "STOK_STOKNO INTEGER NOT NULL REFERENCES STOKLAR (STOK_STOKNO) ON DELETE CASCADE, "
                                "PRIMARY KEY (KOD, STOK_STOKNO)) WITHOUT ROWID"));
}

void KodIndeksiniOlustur(const QSqlDatabase& db) {
    Calistir(db, QStringLiteral("CREATE INDEX STOK_KODLARI_STOK ON STOK_KODLARI (STOK_STOKNO)"));
}

void MetinTablosunuOlustur(const QSqlDatabase& db) {
    // columnsize=0: no ranking by length is done, so the per-row sizes are not kept.
    Calistir(db, QStringLiteral("CREATE VIRTUAL TABLE STOK_ARAMA USING fts5(ANAHTAR, tokenize = 'trigram', "
                                "columnsize = 0)"));
}

void MetinleriYaz(const QSqlDatabase& db, std::vector<std::pair<QString, int>>& kodlar) {
    // Merging segments while loading costs more than one merge into a single segment after it.
    Calistir(db, QStringLiteral("INSERT INTO STOK_ARAMA (STOK_ARAMA, rank) VALUES ('automerge', 0)"));
    QSqlQuery metinEkle = Hazirla(db, QStringLiteral("INSERT INTO STOK_ARAMA (rowid, ANAHTAR) VALUES (?, ?)"));
    QSqlQuery stoklar = Calistir(db, stokAlanlariSql + QStringLiteral(" ORDER BY STOK_STOKNO"));
    while (stoklar.next()) {
        const int stokNo = stoklar.value(0).toInt();
        const TStokAramaAlanlari alanlar = AlanlariOku(stoklar);
        for (QString& kod : StokKodAnahtarlari(alanlar))
            kodlar.emplace_back(std::move(kod), stokNo);
        metinEkle.bindValue(0, stokNo);
        metinEkle.bindValue(1, StokAramaMetni(alanlar));
        Calistir(metinEkle);
    }
    Calistir(db, QStringLiteral("INSERT INTO STOK_ARAMA (STOK_ARAMA) VALUES ('optimize')"));
    Calistir(db, QStringLiteral("INSERT INTO STOK_ARAMA (STOK_ARAMA, rank) VALUES ('automerge', 4)"));
}

// Sorted codes go in at the end of the key's B-tree instead of at random places.
void KodlariYaz(const QSqlDatabase& db, std::vector<std::pair<QString, int>>& kodlar) {
    std::sort(kodlar.begin(), kodlar.end());
    QSqlQuery kodEkle = Hazirla(db, QStringLiteral("INSERT INTO STOK_KODLARI (KOD, STOK_STOKNO) VALUES (?, ?)"));
    for (const auto& [kod, stokNo] : kodlar) {
        kodEkle.bindValue(0, kod);
        kodEkle.bindValue(1, stokNo);
        Calistir(kodEkle);
    }
}

} // namespace

void StokDiziniKur(const QSqlDatabase& db) {
    // Dropping the index tables is much faster than deleting their rows one by one, and the
    // secondary index is built once, after the rows.
    Calistir(db, QStringLiteral("DROP TABLE IF EXISTS STOK_ARAMA"));
    Calistir(db, QStringLiteral("DROP TABLE IF EXISTS STOK_KODLARI"));
    MetinTablosunuOlustur(db);
    KodTablosunuOlustur(db);
    std::vector<std::pair<QString, int>> kodlar;
    MetinleriYaz(db, kodlar);
    KodlariYaz(db, kodlar);
    KodIndeksiniOlustur(db);
}

void AramaDiziniOlustur(const QSqlDatabase& db) {
    KodTablosunuOlustur(db);
    KodIndeksiniOlustur(db);
    MetinTablosunuOlustur(db);
}

TStokAramaSonucu StokAra(const QSqlDatabase& db, QStringView metin, int sinir) {
    TToplayici toplayici(sinir);
    const QString anahtar = AramaAnahtari(metin);
    if (anahtar.isEmpty() || sinir <= 0)
        return std::move(toplayici).Sonuc();

    const int fazla = sinir + 1;
    QSqlQuery tam =
        Calistir(db, QStringLiteral("SELECT STOK_STOKNO FROM STOK_KODLARI WHERE KOD = ? ORDER BY STOK_STOKNO LIMIT ?"),
                 {anahtar, fazla});
    toplayici.Oku(tam);
    if (toplayici.Dolu())
        return std::move(toplayici).Sonuc();

    // Keys hold only A-Z and 0-9, all below '~': [key, key + "~") is the prefix range.
    QSqlQuery onek = Calistir(db,
                              QStringLiteral("SELECT STOK_STOKNO FROM STOK_KODLARI WHERE KOD > ? AND KOD < ? "
                                             "ORDER BY KOD, STOK_STOKNO LIMIT ?"),
                              {anahtar, anahtar + QLatin1Char('~'), 2 * fazla});
    toplayici.Oku(onek);

    for (const QString& ifade : AramaIfadeleri(metin)) {
        if (toplayici.Dolu())
            break;
        QSqlQuery metinle =
            Calistir(db, QStringLiteral("SELECT rowid FROM STOK_ARAMA WHERE STOK_ARAMA MATCH ? LIMIT ?"),
                     {ifade, fazla + toplayici.Adet()});
        toplayici.Oku(metinle);
    }
    return std::move(toplayici).Sonuc();
}
