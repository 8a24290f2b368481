// Price, discount and line amount rules of the server.

#include "server/store/fiyat.h"
#include "server/store/sema.h"
#include "server/store/veritabani.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TIndirimOranlari)

namespace {

TIndirimOranlari Oranlar(double r1, double r2 = 0, double r3 = 0, double r4 = 0) {
    return TIndirimOranlari{{r1, r2, r3, r4}};
}

} // namespace

class TstFiyat : public QObject {
    Q_OBJECT

private slots:
    void yuvarlama_data();
    void yuvarlama();
    void indirimlerArdArdaUygulanir_data();
    void indirimlerArdArdaUygulanir();
    void satirTutarlari();
    void kampanyaliStokCariIndirimiAlmaz();
    void enOzelKuralGecerli_data();
    void enOzelKuralGecerli();
    void kuralYoksaCarininGenelIndirimi();

private:
    QTemporaryDir m_klasor;
};

void TstFiyat::yuvarlama_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<double>("beklenen");
    QTest::newRow("sıfır") << 0.0 << 0.0;
    QTest::newRow("yarım yukarı") << 1.005 << 1.01;
    QTest::newRow("ikili gösterimde eksik") << 2.675 << 2.68;
    QTest::newRow("negatif yarım") << -2.675 << -2.68;
    QTest::newRow("aşağı") << 10.004 << 10.0;
    QTest::newRow("büyük") << 1234567.895 << 1234567.9;
}

void TstFiyat::yuvarlama() {
    QFETCH(double, deger);
    QFETCH(double, beklenen);
    QCOMPARE(Yuvarla2(deger), beklenen);
}

void TstFiyat::indirimlerArdArdaUygulanir_data() {
    QTest::addColumn<TIndirimOranlari>("oranlar");
    QTest::addColumn<double>("net");
    QTest::addColumn<QString>("yazi");
    QTest::newRow("yok") << TIndirimOranlari{} << 200.0 << QString();
    QTest::newRow("tek") << Oranlar(10) << 180.0 << u"10"_s;
    QTest::newRow("iki, toplanmaz") << Oranlar(10, 5) << 171.0 << u"10+5"_s;
    QTest::newRow("dört") << Oranlar(20, 10, 5, 2) << 134.06 << u"20+10+5+2"_s;
    QTest::newRow("küsuratlı") << Oranlar(12.5) << 175.0 << u"12,5"_s;
    QTest::newRow("ara sıfır atlanır") << Oranlar(10, 0, 5) << 171.0 << u"10+5"_s;
}

void TstFiyat::indirimlerArdArdaUygulanir() {
    QFETCH(TIndirimOranlari, oranlar);
    QFETCH(double, net);
    QFETCH(QString, yazi);
    QCOMPARE(oranlar.NetFiyat(200), net);
    QCOMPARE(oranlar.Yazi(), yazi);
}

void TstFiyat::satirTutarlari() {
    const TSatirTutarlari t = SatirTutarlariHesapla(3, 33.33, Oranlar(10), 20);
    QCOMPARE(t.tutar, 99.99);
    QCOMPARE(t.netBirimFiyat, 30.0);
    QCOMPARE(t.netTutar, 90.0);
    QCOMPARE(t.indirimTutar, 9.99);
    QCOMPARE(t.vergiTutari, 18.0);
    QCOMPARE(t.kdvliTutar, 108.0);
}

void TstFiyat::kampanyaliStokCariIndirimiAlmaz() {
    const TStokFiyati kampanyali = StokFiyatiHesapla(1, 200, 150, 20, Oranlar(10));
    QCOMPARE(kampanyali.fiyat, 150.0);
    QVERIFY(kampanyali.indirim.Bos());
    QCOMPARE(kampanyali.indirimYazi, u"%25"_s);
    QCOMPARE(kampanyali.netFiyat, 150.0);
    QCOMPARE(kampanyali.kdvDahil, 180.0);

    // A campaign flag without a campaign price sells at the list price like any item.
    const TStokFiyati fiyatsiz = StokFiyatiHesapla(1, 200, 0, 20, Oranlar(10));
    QCOMPARE(fiyatsiz.fiyat, 200.0);
    QCOMPARE(fiyatsiz.netFiyat, 180.0);
    QCOMPARE(fiyatsiz.kdvDahil, 216.0);
    QCOMPARE(fiyatsiz.indirimYazi, u"10"_s);
}

void TstFiyat::enOzelKuralGecerli_data() {
    QTest::addColumn<QString>("marka");
    QTest::addColumn<QString>("anaGrup");
    QTest::addColumn<TIndirimOranlari>("beklenen");
    QTest::newRow("marka ve grup") << u"BOSCH"_s << u"FİLTRE"_s << Oranlar(20, 10);
    QTest::newRow("yalnız marka") << u"BOSCH"_s << u"FREN SİSTEMİ"_s << Oranlar(15, 5);
    QTest::newRow("yalnız grup") << u"VALEO"_s << u"FİLTRE"_s << Oranlar(25);
    QTest::newRow("genel kural") << u"VALEO"_s << u"FREN SİSTEMİ"_s << Oranlar(10);
}

void TstFiyat::enOzelKuralGecerli() {
    QFETCH(QString, marka);
    QFETCH(QString, anaGrup);
    QFETCH(TIndirimOranlari, beklenen);
    TVeritabani vt(m_klasor.filePath(u"kural.db"_s));
    const QSqlDatabase db = vt.Baglanti();
    Guncelle(db);
    Calistir(db, u"DELETE FROM CARI_INDIRIMLERI"_s);
    Calistir(db, u"DELETE FROM CARILER"_s);
    Calistir(db, u"INSERT INTO CARILER (CARINO, CARIKOD, CARIADI, INDIRIM) VALUES (1, 'C1', 'A', 3)"_s);
    // The general rule comes first: a lookup that took the first matching rule would fail.
    Calistir(db, u"INSERT INTO CARI_INDIRIMLERI (CARINO, MARKA, ANAGRUP, IND1, IND2) VALUES "
                 "(1, '', '', 10, 0), (1, 'BOSCH', '', 15, 5), (1, '', 'FİLTRE', 25, 0), "
                 "(1, 'BOSCH', 'FİLTRE', 20, 10)"_s);
    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(db, 1);
    QCOMPARE(indirimler.Bul(marka, anaGrup), beklenen);
    // The lookup by the UTF-8 text of the row finds the same rule, with its text.
    const TCariIndirimi& utf8 = indirimler.BulUtf8(marka.toUtf8(), anaGrup.toUtf8());
    QCOMPARE(utf8.oranlar, beklenen);
    QCOMPARE(utf8.yazi, beklenen.Yazi());
}

void TstFiyat::kuralYoksaCarininGenelIndirimi() {
    TVeritabani vt(m_klasor.filePath(u"genel.db"_s));
    const QSqlDatabase db = vt.Baglanti();
    Guncelle(db);
    Calistir(db, u"INSERT INTO CARILER (CARINO, CARIKOD, CARIADI, INDIRIM) VALUES (7, 'C7', 'B', 7.5)"_s);
    QCOMPARE(TCariIndirimleri::Yukle(db, 7).Bul(u"BOSCH"_s, u"FİLTRE"_s), Oranlar(7.5));
    QCOMPARE(TCariIndirimleri::Yukle(db, 7).BulUtf8("BOSCH", "FİLTRE").yazi, u"7,5"_s);
    QCOMPARE(TCariIndirimleri::Yukle(db, 99).Bul(u"BOSCH"_s, u"FİLTRE"_s), TIndirimOranlari{});
    QCOMPARE(TCariIndirimleri::Yukle(db, 99).BulUtf8("BOSCH", "FİLTRE").yazi, QString());
}

QTEST_GUILESS_MAIN(TstFiyat)
#include "tst_fiyat.moc"
