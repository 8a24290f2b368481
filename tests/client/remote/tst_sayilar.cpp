#include "client/remote/sayilar.h"
#include "client/remote/utils.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/numberformat.h"

#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;
using datasnap::TClientDataSet;
using datasnap::TFieldType;

using BicimUygulayici = void (*)(TClientDataSet*);
Q_DECLARE_METATYPE(BicimUygulayici)

namespace {

const QLocale kTurkce(QLocale::Turkish, QLocale::Turkey);
const QLocale kIngilizce(QLocale::English, QLocale::UnitedStates);

// One field of every kind; the currency field already has a format of its own.
std::unique_ptr<TClientDataSet> KarisikVeri() {
    auto veri = std::make_unique<TClientDataSet>();
    veri->SetFieldDefs({
        {u"STOK_STOKNO"_s, TFieldType::Int32},
        {u"ADET"_s, TFieldType::Int64},
        {u"FIYAT"_s, TFieldType::Double},
        {u"BAKIYE"_s, TFieldType::Currency},
        {u"ORAN"_s, TFieldType::BCD},
        {u"ADI"_s, TFieldType::WideString, 100},
        {u"TARIH"_s, TFieldType::Date},
        {u"NETFIYAT"_s, TFieldType::Double},
    });
    veri->FieldByName(u"BAKIYE")->SetDisplayFormat(u"0.0000"_s);
    veri->AppendRow({7, 3, 1234.5, 99.5, 0.18, u"FREN BALATASI"_s, 45000.0, 0.125});
    return veri;
}

} // namespace

class TestSayilar : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void paraYaz_data();
    void paraYaz();
    void paraYazBolgeAyarlariyla();
    void enAzIkiBasamak_data();
    void enAzIkiBasamak();
    void yuvarla_data();
    void yuvarla();
    void yuvarlaSifirNegatifOlmaz();

    void yalnizOndalikAlanlar_data();
    void yalnizOndalikAlanlar();
    void gorunumlerBirKezYenilenir();
};

void TestSayilar::cleanup() {
    QLocale::setDefault(QLocale::system());
}

void TestSayilar::paraYaz_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<QLocale>("yerel");
    QTest::addColumn<QString>("metin");

    QTest::newRow("tr binler") << 1000.5 << kTurkce << u"1.000,50"_s;
    QTest::newRow("tr sıfırdan küçük") << 0.5 << kTurkce << u"0,50"_s;
    QTest::newRow("tr sıfır") << 0.0 << kTurkce << u"0,00"_s;
    QTest::newRow("tr negatif") << -1234567.891 << kTurkce << u"-1.234.567,89"_s;
    QTest::newRow("tr büyük") << 1234567890.12 << kTurkce << u"1.234.567.890,12"_s;
    QTest::newRow("tr yukarı taşar") << 999.995 << kTurkce << u"1.000,00"_s;
    QTest::newRow("tr yarım yukarı") << 0.125 << kTurkce << u"0,13"_s;
    QTest::newRow("tr eksi sıfır yazılmaz") << -0.004 << kTurkce << u"0,00"_s;
    QTest::newRow("en binler") << 1000.5 << kIngilizce << u"1,000.50"_s;
    QTest::newRow("en negatif yarım") << -2.675 << kIngilizce << u"-2.68"_s;
    QTest::newRow("en trilyon") << 1e12 << kIngilizce << u"1,000,000,000,000.00"_s;
    QTest::newRow("en üç basamak gruplanmaz") << 100.0 << kIngilizce << u"100.00"_s;
}

void TestSayilar::paraYaz() {
    QFETCH(double, deger);
    QFETCH(QLocale, yerel);
    QFETCH(QString, metin);

    QCOMPARE(ParaYaz(deger, yerel), metin);
}

void TestSayilar::paraYazBolgeAyarlariyla() {
    QLocale::setDefault(kTurkce);
    QCOMPARE(ParaYaz(1000.5), u"1.000,50"_s);
    QLocale::setDefault(kIngilizce);
    QCOMPARE(ParaYaz(1000.5), u"1,000.50"_s);
}

// The grand-total format of the order windows.
void TestSayilar::enAzIkiBasamak_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<QString>("metin");

    QTest::newRow("tek basamak") << 5.0 << u"05,00"_s;
    QTest::newRow("sıfır") << 0.0 << u"00,00"_s;
    QTest::newRow("binler") << 1234.5 << u"1.234,50"_s;
}

void TestSayilar::enAzIkiBasamak() {
    QFETCH(double, deger);
    QFETCH(QString, metin);

    QCOMPARE(datasnap::FormatFloat(u"#,###,##00.00", deger, kTurkce), metin);
}

void TestSayilar::yuvarla_data() {
    QTest::addColumn<double>("deger");
    QTest::addColumn<double>("sonuc");

    QTest::newRow("0.125") << 0.125 << 0.13;
    QTest::newRow("1.005") << 1.005 << 1.01;
    QTest::newRow("2.675") << 2.675 << 2.68;
    QTest::newRow("-2.675") << -2.675 << -2.68;
    QTest::newRow("0.285") << 0.285 << 0.29;
    QTest::newRow("-0.005") << -0.005 << -0.01;
    QTest::newRow("1.004") << 1.004 << 1.0;
    QTest::newRow("0.0049") << 0.0049 << 0.0;
    QTest::newRow("0") << 0.0 << 0.0;
    QTest::newRow("toplam kayması") << 1.1 + 2.2 << 3.3;
    QTest::newRow("büyük") << 123456789012.345 << 123456789012.35;
    QTest::newRow("dokuzlar taşar") << 9.995 << 10.0;
}

// Exact comparison: the running totals add rounded values, so the result must be the double
// nearest to the decimal, not merely close to it.
void TestSayilar::yuvarla() {
    QFETCH(double, deger);
    QFETCH(double, sonuc);

    const double yuvarlanan = Yuvarla(deger);
    QVERIFY2(yuvarlanan == sonuc, qPrintable(QString::number(yuvarlanan, 'g', 17)));
}

void TestSayilar::yuvarlaSifirNegatifOlmaz() {
    QVERIFY(!std::signbit(Yuvarla(-0.001)));
}

void TestSayilar::yalnizOndalikAlanlar_data() {
    QTest::addColumn<BicimUygulayici>("uygula");

    QTest::newRow("SayiBicimiUygula") << BicimUygulayici(&SayiBicimiUygula);
    QTest::newRow("OndalikBicimle") << BicimUygulayici(&OndalikBicimle);
}

void TestSayilar::yalnizOndalikAlanlar() {
    QFETCH(BicimUygulayici, uygula);
    const auto veri = KarisikVeri();

    uygula(veri.get());

    QCOMPARE(veri->FieldByName(u"FIYAT")->DisplayFormat(), u"#,###,##0.00"_s);
    QCOMPARE(veri->FieldByName(u"NETFIYAT")->DisplayFormat(), u"#,###,##0.00"_s);
    QCOMPARE(veri->FieldByName(u"BAKIYE")->DisplayFormat(), u"0.0000"_s);
    for (const auto ad : {u"STOK_STOKNO", u"ADET", u"ORAN", u"ADI", u"TARIH"})
        QVERIFY2(veri->FieldByName(ad)->DisplayFormat().isEmpty(), qPrintable(QStringView(ad).toString()));

    QLocale::setDefault(kTurkce);
    QCOMPARE(veri->FieldByName(u"FIYAT")->DisplayText(), u"1.234,50"_s);
    QCOMPARE(veri->FieldByName(u"NETFIYAT")->DisplayText(), u"0,13"_s);
    uygula(nullptr);
}

void TestSayilar::gorunumlerBirKezYenilenir() {
    const auto veri = KarisikVeri();
    QSignalSpy yenileme(veri.get(), &TClientDataSet::contentReset);

    SayiBicimiUygula(veri.get());
    QCOMPARE(yenileme.count(), 1);

    SayiBicimiUygula(veri.get());
    QCOMPARE(yenileme.count(), 1);
}

QTEST_GUILESS_MAIN(TestSayilar)
#include "tst_sayilar.moc"
