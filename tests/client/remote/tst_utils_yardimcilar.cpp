#include "client/remote/utils.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/dsexception.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using datasnap::TClientDataSet;
using datasnap::TFieldType;

namespace {

// A basket-like data set: line number and the mark SEC, one row per mark.
std::unique_ptr<TClientDataSet> SepetVerisi(const QVariantList& secler) {
    auto veri = std::make_unique<TClientDataSet>();
    veri->SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32}, {u"SEC"_s, TFieldType::Int32}});
    for (int i = 0; i < secler.size(); ++i)
        veri->AppendRow({i + 1, secler[i]});
    return veri;
}

} // namespace

class TestYardimcilar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void ayarKlasoruYoksaOlusturulur();
    void belgelerKlasoru();

    void kayitVarMi();
    void seciliVarMi_data();
    void seciliVarMi();
    void secAlaniYoksaHata();

private:
    QTemporaryDir m_ev;
};

void TestYardimcilar::initTestCase() {
    QVERIFY(m_ev.isValid());
    qputenv("HOME", QFile::encodeName(m_ev.path()));
    QStandardPaths::setTestModeEnabled(true);
}

void TestYardimcilar::ayarKlasoruYoksaOlusturulur() {
    const QString beklenen = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tevrano"_s;
    QVERIFY(beklenen.startsWith(m_ev.path()));
    QVERIFY(!QFileInfo::exists(QFileInfo(beklenen).path())); // not even the settings folder yet

    QCOMPARE(AyarKlasoruVer(), beklenen);
    QVERIFY(QFileInfo(beklenen).isDir());
    QCOMPARE(AyarKlasoruVer(), beklenen);
}

void TestYardimcilar::belgelerKlasoru() {
    QCOMPARE(BelgelerKlasoruVer(), m_ev.path() + u"/Documents"_s);
}

void TestYardimcilar::kayitVarMi() {
    QVERIFY(!KayitVarMi(nullptr));
    TClientDataSet kapali;
    QVERIFY(!KayitVarMi(&kapali));

    const auto veri = SepetVerisi({});
    QVERIFY(!KayitVarMi(veri.get()));
    veri->AppendRow({1, 0});
    QVERIFY(KayitVarMi(veri.get()));
    veri->Close();
    QVERIFY(!KayitVarMi(veri.get()));
}

void TestYardimcilar::seciliVarMi_data() {
    QTest::addColumn<QVariantList>("secler");
    QTest::addColumn<int>("baslangic");
    QTest::addColumn<bool>("kapat");
    QTest::addColumn<bool>("secili");
    QTest::addColumn<int>("imlec");

    QTest::newRow("kapalı") << QVariantList{1} << 0 << true << false << -1;
    QTest::newRow("boş") << QVariantList{} << -1 << false << false << -1;
    QTest::newRow("hepsi 0: imleç sonda") << QVariantList{0, 0, 0} << 0 << false << false << 2;
    QTest::newRow("biri 1: imleç orada") << QVariantList{0, 1, 0} << 0 << false << true << 1;
    QTest::newRow("baştan aranır") << QVariantList{0, 0, 1, 1} << 3 << false << true << 2;
    QTest::newRow("2 ve NULL işaret değildir") << QVariantList{2, QVariant(), 1} << 0 << false << true << 2;
}

void TestYardimcilar::seciliVarMi() {
    QFETCH(QVariantList, secler);
    QFETCH(int, baslangic);
    QFETCH(bool, kapat);
    QFETCH(bool, secili);
    QFETCH(int, imlec);
    const auto veri = SepetVerisi(secler);
    veri->MoveTo(baslangic);
    if (kapat)
        veri->Close();

    QCOMPARE(SeciliVarMi(veri.get()), secili);
    QCOMPARE(veri->RecNo(), imlec);
    if (!secili && imlec >= 0)
        QVERIFY(veri->Eof());
}

void TestYardimcilar::secAlaniYoksaHata() {
    TClientDataSet veri;
    veri.SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32}});
    veri.AppendRow({1});

    QVERIFY_THROWS_EXCEPTION(datasnap::TDSException, SeciliVarMi(&veri));
}

QTEST_GUILESS_MAIN(TestYardimcilar)
#include "tst_utils_yardimcilar.moc"
