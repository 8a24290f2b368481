// Normalised search keys and the item search index (trigram FTS and the code paths).

#include "server/store/arama.h"
#include "server/store/sema.h"
#include "server/store/veritabani.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct TDenemeStogu {
    int no;
    QString kod, oem1, oem2, barkod, ureticiKodu, adi, marka, model;
};

// A small catalogue whose codes overlap in the ways the ranking has to tell apart.
const TDenemeStogu denemeStoklari[] = {
    {1,
     u"FRN.000001"_s,
     u"1K0 698 151 A"_s,
     {},
     u"8691001000018"_s,
     u"0 986 494 104"_s,
     u"FREN BALATASI ÖN"_s,
     u"BOSCH"_s,
     u"VW CADDY 1.6 TDI"_s},
    {2,
     u"FLT.000002"_s,
     u"7701-208-265"_s,
     {},
     u"8691003000016"_s,
     u"W 712/75"_s,
     u"YAĞ FİLTRESİ"_s,
     u"MANN-FILTER"_s,
     u"RENAULT CLIO IV 1.5 DCI"_s},
    {3, u"ABC123"_s, {}, {}, {}, {}, u"AMORTİSÖR ARKA SAĞ"_s, u"SACHS"_s, u"FIAT DOBLO 1.3 MJT"_s},
    {4, u"XX.4"_s, u"ZZABC123ZZ"_s, {}, {}, {}, u"DEBRİYAJ SETİ"_s, u"LUK"_s, u"FORD TRANSIT 2.2 TDCI"_s},
    {5, u"ABC1234"_s, {}, {}, {}, {}, u"ROT BAŞI SOL"_s, u"LEMFÖRDER"_s, u"FIAT EGEA 1.4 FIRE"_s},
    {6, u"ABC"_s, u"DEF"_s, {}, {}, {}, u"TERMOSTAT"_s, u"VALEO"_s, u"OPEL ASTRA J 1.6"_s},
    {7, u"1KZ.7"_s, {}, {}, {}, {}, u"HAVA FİLTRESİ"_s, u"MAHLE"_s, u"TOYOTA COROLLA 1.4 D-4D"_s},
};

} // namespace

class TstArama : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void anahtar_data();
    void anahtar();
    void kelimeler_data();
    void kelimeler();
    void ifade_data();
    void ifade();
    void trigramIndeksiVar();
    void bulur_data();
    void bulur();
    void tamVeOnekEslesmesiOnce();
    void butunIfadeKelimelerdenOnce();
    void kodlarArasindaEslesmeYok();
    void ikiHarfliArama_data();
    void ikiHarfliArama();
    void sinirAsilincaKesilir();
    void degisenStokYenidenDizinlenir();
    void silinenStokDizindenCikar();

private:
    std::vector<int> Ara(const QString& metin, int sinir = 300) const;

    QTemporaryDir m_klasor;
    std::unique_ptr<TVeritabani> m_vt;
};

void TstArama::initTestCase() {
    QVERIFY(m_klasor.isValid());
}

void TstArama::init() {
    m_vt.reset();
    QFile::remove(m_klasor.filePath(u"arama.db"_s));
    m_vt = std::make_unique<TVeritabani>(m_klasor.filePath(u"arama.db"_s));
    const QSqlDatabase db = m_vt->Baglanti();
    Guncelle(db);
    TIslem islem(db);
    for (const TDenemeStogu& s : denemeStoklari)
        Calistir(db,
                 u"INSERT INTO STOKLAR (STOK_STOKNO, KOD, OEM1, OEM2, BARKOD, URETICIKODU, ADI, MARKA, MODEL) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                 {s.no, s.kod, s.oem1, s.oem2, s.barkod, s.ureticiKodu, s.adi, s.marka, s.model});
    StokDiziniKur(db);
    islem.Onayla();
}

std::vector<int> TstArama::Ara(const QString& metin, int sinir) const {
    return StokAra(m_vt->Baglanti(), metin, sinir).stokNolari;
}

void TstArama::anahtar_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("anahtar");
    QTest::newRow("tireli") << u"1K0-698-151A"_s << u"1K0698151A"_s;
    QTest::newRow("boşluklu") << u"1K0 698 151 A"_s << u"1K0698151A"_s;
    QTest::newRow("küçük harf") << u"1k0698151a"_s << u"1K0698151A"_s;
    QTest::newRow("nokta ve eğik çizgi") << u"09.9772.11 / W 712/75"_s << u"09977211W71275"_s;
    QTest::newRow("Türkçe küçük") << u"çiğ şöğüt ılık"_s << u"CIGSOGUTILIK"_s;
    QTest::newRow("Türkçe büyük") << u"ÇİĞ ŞÖĞÜT ILIK"_s << u"CIGSOGUTILIK"_s;
    QTest::newRow("noktalı ve noktasız i") << u"İiIı"_s << u"IIII"_s;
    QTest::newRow("başka aksanlar") << u"Citroën Škoda"_s << u"CITROENSKODA"_s;
    QTest::newRow("tam genişlik") << u"ＡＢ１"_s << u"AB1"_s;
    QTest::newRow("yalnız ayraç") << u" -./ "_s << QString();
    QTest::newRow("boş") << QString() << QString();
}

void TstArama::anahtar() {
    QFETCH(QString, metin);
    QFETCH(QString, anahtar);
    QCOMPARE(AramaAnahtari(metin), anahtar);
}

void TstArama::kelimeler_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QString>("kelimeler");
    QTest::newRow("ayraçlar tek boşluk olur") << u"Yağ filtresi (uzun)"_s << u"YAG FILTRESI UZUN"_s;
    QTest::newRow("baş ve son") << u"  --A--B--  "_s << u"A B"_s;
    QTest::newRow("kod içi") << u"1K0-698"_s << u"1K0 698"_s;
    QTest::newRow("ayrık yazılmış İ") << u"I\u0307STANBUL SANAYI\u0307"_s << u"ISTANBUL SANAYI"_s;
}

void TstArama::kelimeler() {
    QFETCH(QString, metin);
    QFETCH(QString, kelimeler);
    QCOMPARE(AramaKelimeleri(metin), kelimeler);
}

void TstArama::ifade_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<QStringList>("ifadeler");
    QTest::newRow("iki karakter") << u"1K"_s << QStringList{};
    QTest::newRow("ayraçla iki karakter") << u"1-K"_s << QStringList{};
    QTest::newRow("tek kelime") << u"1K0698"_s << QStringList{u"\"1K0698\""_s};
    QTest::newRow("kısa kelimeler yalnız birleşik") << u"1K 0 6"_s << QStringList{u"\"1K06\""_s};
    QTest::newRow("tek uzun kelime yalnız birleşik") << u"AB 1234"_s << QStringList{u"\"AB1234\""_s};
    QTest::newRow("kelimeler sonra") << u"fren balatası ön"_s
                                     << QStringList{u"\"FRENBALATASION\""_s, u"\"FREN\" AND \"BALATASI\""_s};
}

void TstArama::ifade() {
    QFETCH(QString, metin);
    QFETCH(QStringList, ifadeler);
    QCOMPARE(AramaIfadeleri(metin), ifadeler);
}

// The Qt driver uses the system's SQLite; the index needs its FTS5 with the trigram tokenizer.
void TstArama::trigramIndeksiVar() {
    const QSqlDatabase db = m_vt->Baglanti();
    Calistir(db, u"CREATE VIRTUAL TABLE temp.DENEME USING fts5(A, tokenize = 'trigram')"_s);
    Calistir(db, u"INSERT INTO temp.DENEME (rowid, A) VALUES (9, 'XX1K0698151AXX')"_s);
    QCOMPARE(TekDeger(db, u"SELECT rowid FROM temp.DENEME WHERE DENEME MATCH '\"698151\"'"_s).toInt(), 9);
}

void TstArama::bulur_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<int>("stokNo");
    QTest::newRow("OEM parçası, boşluklar başka yerde") << u"698 151"_s << 1;
    QTest::newRow("OEM, tireli yazım") << u"1K0-698-151A"_s << 1;
    QTest::newRow("OEM parçası, küçük harf") << u"k0698"_s << 1;
    QTest::newRow("OEM, boşluklu yazım") << u"7701 208 265"_s << 2;
    QTest::newRow("üretici kodu, eğik çizgisiz") << u"W71275"_s << 2;
    QTest::newRow("barkod parçası") << u"100001"_s << 1;
    QTest::newRow("ad kelimesi") << u"balata"_s << 1;
    QTest::newRow("ad, Türkçe harfsiz") << u"YAG FILTRESI"_s << 2;
    QTest::newRow("ad, Türkçe harfli") << u"yağ filtresi"_s << 2;
    QTest::newRow("ad, kelimeler karışık") << u"SAĞ ARKA AMORTİSÖR"_s << 3;
    QTest::newRow("araç modeli") << u"DOBLO"_s << 3;
    QTest::newRow("marka") << u"lemförder"_s << 5;
}

void TstArama::bulur() {
    QFETCH(QString, metin);
    QFETCH(int, stokNo);
    const std::vector<int> sonuc = Ara(metin);
    QVERIFY2(std::find(sonuc.begin(), sonuc.end(), stokNo) != sonuc.end(), qPrintable(metin));
}

void TstArama::tamVeOnekEslesmesiOnce() {
    // 3 has the code exactly, 5 starts with it, 4 holds it inside an OEM number.
    QCOMPARE(Ara(u"abc-123"_s), (std::vector<int>{3, 5, 4}));
    QCOMPARE(Ara(u"XYZ987"_s), std::vector<int>{});
}

void TstArama::butunIfadeKelimelerdenOnce() {
    const QSqlDatabase db = m_vt->Baglanti();
    // 10 holds the words apart, 11 the whole text: 11 ranks first despite its higher number.
    Calistir(db, u"INSERT INTO STOKLAR (STOK_STOKNO, KOD, ADI) VALUES (10, 'S10', 'POMPA DEVİRDAİM'), "
                 "(11, 'S11', 'DEVİRDAİM POMPASI')"_s);
    StokDiziniYenile(db, 10);
    StokDiziniYenile(db, 11);
    QCOMPARE(Ara(u"devirdaim pompa"_s), (std::vector<int>{11, 10}));
}

void TstArama::kodlarArasindaEslesmeYok() {
    // Item 6 has the codes ABC and DEF: "CDE" would only match across the two.
    QCOMPARE(Ara(u"CDE"_s), std::vector<int>{});
}

void TstArama::ikiHarfliArama_data() {
    QTest::addColumn<QString>("metin");
    QTest::addColumn<std::vector<int>>("beklenen");
    QTest::newRow("kod başı, kod sırasıyla") << u"1k"_s << std::vector<int>{1, 7};
    QTest::newRow("ayraçlı") << u"A-B"_s << std::vector<int>{6, 3, 5};
    QTest::newRow("yalnız kod ortasında") << u"98"_s << std::vector<int>{};
}

void TstArama::ikiHarfliArama() {
    QFETCH(QString, metin);
    QFETCH(std::vector<int>, beklenen);
    QCOMPARE(Ara(metin), beklenen);
}

void TstArama::sinirAsilincaKesilir() {
    const TStokAramaSonucu sonuc = StokAra(m_vt->Baglanti(), u"ABC"_s, 2);
    QCOMPARE(sonuc.stokNolari, (std::vector<int>{6, 3}));
    QVERIFY(sonuc.kesildi);
    QVERIFY(!StokAra(m_vt->Baglanti(), u"ABC"_s, 10).kesildi);
}

void TstArama::degisenStokYenidenDizinlenir() {
    const QSqlDatabase db = m_vt->Baglanti();
    Calistir(db, u"UPDATE STOKLAR SET OEM1 = '5Q0 615 301 F', ADI = 'FREN DİSKİ ÖN' WHERE STOK_STOKNO = 1"_s);
    StokDiziniYenile(db, 1);
    QCOMPARE(Ara(u"698151"_s), std::vector<int>{});
    QCOMPARE(Ara(u"balata"_s), std::vector<int>{});
    QCOMPARE(Ara(u"615 301"_s), std::vector<int>{1});
    QCOMPARE(Ara(u"5Q"_s), std::vector<int>{1});
    QCOMPARE(Ara(u"disk"_s), std::vector<int>{1});
}

void TstArama::silinenStokDizindenCikar() {
    const QSqlDatabase db = m_vt->Baglanti();
    Calistir(db, u"DELETE FROM STOKLAR WHERE STOK_STOKNO = 2"_s);
    StokDiziniYenile(db, 2);
    QCOMPARE(Ara(u"7701208265"_s), std::vector<int>{});
    QCOMPARE(Ara(u"filtresi"_s), std::vector<int>{7});
    QCOMPARE(TekDeger(db, u"SELECT COUNT(*) FROM STOK_KODLARI WHERE STOK_STOKNO = 2"_s).toInt(), 0);
}

QTEST_GUILESS_MAIN(TstArama)
#include "tst_arama.moc"
