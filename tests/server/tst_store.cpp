// Connections, transactions, schema migrations and dates of the server's store.

#include "server/store/sema.h"
#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

class TstStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gocBosDosyadaSemayiKurar();
    void gocYenidenCalisincaHicbirSeyDegismez();
    void dahaYeniSemaReddedilir();
    void baglantiAyarlari();
    void yabanciAnahtarlarDenetlenir();
    void herIsParcacigininKendiBaglantisiVar();
    void isParcacigiBitinceBaglantisiKaldirilir();
    void eszamanliYazanlarKilitlenmez();
    void islemOnaylanincaKalir();
    void islemIstisnadaGeriAlinir();
    void islemOnaysizBitinceGeriAlinir();
    void oleTarihleri_data();
    void oleTarihleri();

private:
    int SaticiSayisi() const;

    std::unique_ptr<QTemporaryDir> m_klasor;
    std::unique_ptr<TVeritabani> m_vt;
};

void TstStore::init() {
    m_klasor = std::make_unique<QTemporaryDir>();
    QVERIFY(m_klasor->isValid());
    m_vt = std::make_unique<TVeritabani>(m_klasor->filePath(u"deneme.db"_s));
}

void TstStore::cleanup() {
    m_vt.reset();
    m_klasor.reset();
}

int TstStore::SaticiSayisi() const {
    return TekDeger(m_vt->Baglanti(), u"SELECT COUNT(*) FROM SATICILAR"_s).toInt();
}

void TstStore::gocBosDosyadaSemayiKurar() {
    const QSqlDatabase db = m_vt->Baglanti();
    QCOMPARE(SemaSurumu(db), 0);
    Guncelle(db);
    QCOMPARE(SemaSurumu(db), SonSemaSurumu());
    const QStringList tablolar = db.tables();
    for (const QString& tablo : {u"CARILER"_s, u"KULLANICILAR"_s, u"MAKINELER"_s, u"STOKLAR"_s, u"SEPET"_s,
                                 u"SIPARISLER"_s, u"SIPARIS_SATIRLARI"_s, u"CARI_HAREKETLER"_s, u"FATURALAR"_s,
                                 u"SANALPOS_ODEMELERI"_s, u"BANNERLAR"_s, u"STOK_ARAMA"_s})
        QVERIFY2(tablolar.contains(tablo), qPrintable(tablo));
    QCOMPARE(TekDeger(db, u"SELECT COUNT(*) FROM SIPARIS_DURUMLARI"_s).toInt(), 6);
    QCOMPARE(TekDeger(db, u"SELECT DEGER FROM AYARLAR WHERE ANAHTAR = 'ISTEMCI_SURUMU'"_s).toString(), u"2"_s);
}

void TstStore::gocYenidenCalisincaHicbirSeyDegismez() {
    Guncelle(m_vt->Baglanti());
    Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (1, 'AHMET')"_s);
    m_vt->BaglantiyiKapat(); // as a restarted server would

    Guncelle(m_vt->Baglanti());
    QCOMPARE(SemaSurumu(m_vt->Baglanti()), SonSemaSurumu());
    QCOMPARE(TekDeger(m_vt->Baglanti(), u"SELECT COUNT(*) FROM SEMA_SURUMU"_s).toInt(), SonSemaSurumu());
    QCOMPARE(SaticiSayisi(), 1);
}

void TstStore::dahaYeniSemaReddedilir() {
    const QSqlDatabase db = m_vt->Baglanti();
    Guncelle(db);
    Calistir(db, u"INSERT INTO SEMA_SURUMU (SURUM, ACIKLAMA, UYGULANDI) VALUES (?, 'gelecek', '')"_s,
             {SonSemaSurumu() + 1});
    QVERIFY_THROWS_EXCEPTION(TVeritabaniHatasi, Guncelle(db));
}

void TstStore::baglantiAyarlari() {
    const QSqlDatabase db = m_vt->Baglanti();
    QCOMPARE(TekDeger(db, u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
    QCOMPARE(TekDeger(db, u"PRAGMA synchronous"_s).toInt(), 2); // FULL
    QCOMPARE(TekDeger(db, u"PRAGMA foreign_keys"_s).toInt(), 1);
    QCOMPARE(TekDeger(db, u"PRAGMA busy_timeout"_s).toInt(), 5000);
}

void TstStore::yabanciAnahtarlarDenetlenir() {
    const QSqlDatabase db = m_vt->Baglanti();
    Guncelle(db);
    QVERIFY_THROWS_EXCEPTION(TVeritabaniHatasi,
                             Calistir(db, u"INSERT INTO KULLANICILAR (SIRANO, ADI, SIFRE, MUSTERITIPI, CARINO) "
                                          "VALUES (1, 'X', '1', 3, 999)"_s));
}

void TstStore::herIsParcacigininKendiBaglantisiVar() {
    const QString anaAd = m_vt->Baglanti().connectionName();
    QCOMPARE(m_vt->Baglanti().connectionName(), anaAd); // kept, not reopened

    QString digerAd;
    std::thread isParcacigi([&] { digerAd = m_vt->Baglanti().connectionName(); });
    isParcacigi.join();
    QVERIFY(!digerAd.isEmpty());
    QVERIFY(digerAd != anaAd);

    TVeritabani ikinci(m_klasor->filePath(u"ikinci.db"_s));
    QVERIFY(ikinci.Baglanti().connectionName() != anaAd);
    QCOMPARE(ikinci.Baglanti().databaseName(), m_klasor->filePath(u"ikinci.db"_s));
}

void TstStore::isParcacigiBitinceBaglantisiKaldirilir() {
    QString ad;
    bool acikti = false;
    std::thread isParcacigi([&] {
        ad = m_vt->Baglanti().connectionName();
        acikti = QSqlDatabase::contains(ad);
    });
    isParcacigi.join();
    QVERIFY(acikti);
    QVERIFY(!QSqlDatabase::contains(ad));

    const QString anaAd = m_vt->Baglanti().connectionName();
    m_vt->BaglantiyiKapat();
    QVERIFY(!QSqlDatabase::contains(anaAd));
}

// Deferred transactions that read before writing fail with "database is locked" under
// contention; write transactions take the lock at BEGIN and wait for it instead.
void TstStore::eszamanliYazanlarKilitlenmez() {
    Guncelle(m_vt->Baglanti());
    constexpr int yazanlar = 4, yazimlar = 40;
    std::atomic<int> hatalar{0};
    std::vector<std::thread> isParcaciklari;
    for (int y = 0; y < yazanlar; ++y) {
        isParcaciklari.emplace_back([&, y] {
            try {
                for (int i = 0; i < yazimlar; ++i) {
                    const QSqlDatabase db = m_vt->Baglanti();
                    TIslem islem(db);
                    const int sonraki = TekDeger(db, u"SELECT COALESCE(MAX(SATICINO), 0) + 1 FROM SATICILAR"_s).toInt();
                    Calistir(db, u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (?, ?)"_s,
                             {sonraki, QString::number(y)});
                    islem.Onayla();
                }
            } catch (const TVeritabaniHatasi& hata) {
                qWarning() << hata.what();
                ++hatalar;
            }
        });
    }
    for (std::thread& t : isParcaciklari)
        t.join();
    QCOMPARE(hatalar.load(), 0);
    QCOMPARE(SaticiSayisi(), yazanlar * yazimlar);
}

void TstStore::islemOnaylanincaKalir() {
    Guncelle(m_vt->Baglanti());
    {
        TIslem islem(m_vt->Baglanti());
        Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (1, 'A')"_s);
        islem.Onayla();
    }
    QCOMPARE(SaticiSayisi(), 1);
}

void TstStore::islemIstisnadaGeriAlinir() {
    Guncelle(m_vt->Baglanti());
    const auto yaz = [this] {
        TIslem islem(m_vt->Baglanti());
        Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (1, 'A')"_s);
        Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (1, 'B')"_s); // duplicate key
        islem.Onayla();
    };
    QVERIFY_THROWS_EXCEPTION(TVeritabaniHatasi, yaz());
    QCOMPARE(SaticiSayisi(), 0);

    // The connection is usable for the next transaction.
    TIslem sonraki(m_vt->Baglanti());
    Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (2, 'C')"_s);
    sonraki.Onayla();
    QCOMPARE(SaticiSayisi(), 1);
}

void TstStore::islemOnaysizBitinceGeriAlinir() {
    Guncelle(m_vt->Baglanti());
    {
        TIslem islem(m_vt->Baglanti());
        Calistir(m_vt->Baglanti(), u"INSERT INTO SATICILAR (SATICINO, SATICIADI) VALUES (1, 'A')"_s);
    }
    QCOMPARE(SaticiSayisi(), 0);
}

void TstStore::oleTarihleri_data() {
    QTest::addColumn<QDateTime>("zaman");
    QTest::addColumn<double>("ole");
    QTest::newRow("başlangıç") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("1900") << QDateTime(QDate(1900, 1, 1), QTime(0, 0)) << 2.0;
    QTest::newRow("öğlen") << QDateTime(QDate(2025, 6, 2), QTime(12, 0)) << 45810.5;
    QTest::newRow("akşam") << QDateTime(QDate(2025, 6, 2), QTime(18, 0)) << 45810.75;
    QTest::newRow("önceki gün 06:00") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
}

void TstStore::oleTarihleri() {
    QFETCH(QDateTime, zaman);
    QFETCH(double, ole);
    QCOMPARE(OleTarihi(zaman), ole);
    QCOMPARE(OleTarihinden(ole), zaman);
}

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
