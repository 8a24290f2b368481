// The login's settings file: key names written as they are, unknown lines kept, booleans read the
// way the login expects them.
#include "client/session/ayardosyasi.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAyarDosyasi : public QObject {
    Q_OBJECT

private slots:
    void yazilanAnahtarlarAynenDurur();
    void bilinmeyenSatirlarKorunur();
    void mantiksalOkuma_data();
    void mantiksalOkuma();
    void yazilamayanDosyaBasarisizDoner();
};

namespace {

QByteArray Icerik(const QString& yol) {
    QFile dosya(yol);
    dosya.open(QIODevice::ReadOnly);
    return dosya.readAll();
}

void Yaz(const QString& yol, const QByteArray& icerik) {
    QFile dosya(yol);
    dosya.open(QIODevice::WriteOnly);
    dosya.write(icerik);
}

} // namespace

void TestAyarDosyasi::yazilanAnahtarlarAynenDurur() {
    QTemporaryDir klasor;
    const QString yol = klasor.filePath(u"ayar.ini"_s);
    TAyarDosyasi ayar(yol);
    QVERIFY(!ayar.Var());
    ayar.YaziYaz(u"kullanici"_s, u"isim"_s, u"ŞÜKRÜ"_s);
    ayar.MantiksalYaz(u"kullanici"_s, u"hatırla"_s, false);
    QVERIFY(ayar.Kaydet());
    QCOMPARE(Icerik(yol), u"[kullanici]\r\nisim=ŞÜKRÜ\r\nhatırla=0\r\n"_s.toUtf8());

    TAyarDosyasi okunan(yol);
    QVERIFY(okunan.Oku());
    QCOMPARE(okunan.Yazi(u"kullanici"_s, u"isim"_s), u"ŞÜKRÜ"_s);
    QCOMPARE(okunan.Mantiksal(u"kullanici"_s, u"hatırla"_s, true), false);
}

void TestAyarDosyasi::bilinmeyenSatirlarKorunur() {
    QTemporaryDir klasor;
    const QString yol = klasor.filePath(u"ayar.ini"_s);
    Yaz(yol, "; not\n[diger]\nx=1\n\n[KULLANICI]\nisim=ESKI\n\n[son]\ny=2\n");
    TAyarDosyasi ayar(yol);
    QVERIFY(ayar.Oku());
    ayar.YaziYaz(u"kullanici"_s, u"isim"_s, u"YENI"_s);
    ayar.YaziYaz(u"kullanici"_s, u"sifre"_s, u"a=b"_s);
    QVERIFY(ayar.Kaydet());
    QCOMPARE(Icerik(yol), QByteArray("; not\r\n[diger]\r\nx=1\r\n\r\n[KULLANICI]\r\nisim=YENI\r\nsifre=a=b\r\n\r\n"
                                     "[son]\r\ny=2\r\n"));
    TAyarDosyasi okunan(yol);
    QVERIFY(okunan.Oku());
    QCOMPARE(okunan.Yazi(u"kullanici"_s, u"sifre"_s), u"a=b"_s);
    QCOMPARE(okunan.Yazi(u"son"_s, u"y"_s), u"2"_s);
    QCOMPARE(okunan.Yazi(u"kullanici"_s, u"y"_s, u"yok"_s), u"yok"_s);
}

void TestAyarDosyasi::mantiksalOkuma_data() {
    QTest::addColumn<QByteArray>("satir");
    QTest::addColumn<bool>("varsayilan");
    QTest::addColumn<bool>("beklenen");
    QTest::newRow("1") << QByteArray("hatırla=1") << false << true;
    QTest::newRow("0") << QByteArray("hatırla=0") << true << false;
    QTest::newRow("other number") << QByteArray("hatırla=-3") << false << true;
    QTest::newRow("text") << QByteArray("hatırla=True") << false << false;
    QTest::newRow("missing") << QByteArray("isim=X") << true << true;
}

void TestAyarDosyasi::mantiksalOkuma() {
    QFETCH(QByteArray, satir);
    QFETCH(bool, varsayilan);
    QFETCH(bool, beklenen);
    QTemporaryDir klasor;
    const QString yol = klasor.filePath(u"ayar.ini"_s);
    Yaz(yol, "[kullanici]\r\n" + satir + "\r\n");
    TAyarDosyasi ayar(yol);
    QVERIFY(ayar.Oku());
    QCOMPARE(ayar.Mantiksal(u"kullanici"_s, u"hatırla"_s, varsayilan), beklenen);
}

void TestAyarDosyasi::yazilamayanDosyaBasarisizDoner() {
    QTemporaryDir klasor;
    TAyarDosyasi ayar(klasor.filePath(u"yok/ayar.ini"_s));
    ayar.YaziYaz(u"kullanici"_s, u"isim"_s, u"X"_s);
    QVERIFY(!ayar.Kaydet());
}

QTEST_GUILESS_MAIN(TestAyarDosyasi)
#include "tst_ayardosyasi.moc"
