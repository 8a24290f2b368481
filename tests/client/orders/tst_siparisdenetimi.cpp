// The checks "Gönder" makes before an order is confirmed, and their order.
#include "client/orders/siparisdenetimi.h"
#include "platform/datasnap/dataset.h"

#include <QTest>

using namespace Qt::StringLiterals;
using datasnap::TClientDataSet;
using datasnap::TFieldType;

class TstSiparisDenetimi : public QObject {
    Q_OBJECT
private slots:
    void firstFailingCheckWins_data() {
        QTest::addColumn<bool>("parca");
        QTest::addColumn<bool>("teslim");
        QTest::addColumn<bool>("tur");
        QTest::addColumn<int>("kargo");
        QTest::addColumn<QString>("uyari");
        const QString parcaYok = u"Gönderilecek Parça Yok "_s;
        const QString teslimYok = u"Lütfen Teslim Durumu Seçiniz !"_s;
        const QString turYok = u"Lütfen Kargo Türünü Seçiniz !"_s;
        const QString kargoYok = u"Lütfen Kargo  Seçiniz !"_s;
        QTest::newRow("nothing chosen") << false << false << false << -1 << parcaYok;
        QTest::newRow("all chosen but no marked line") << false << true << true << 1 << parcaYok;
        QTest::newRow("no delivery") << true << false << true << 1 << teslimYok;
        QTest::newRow("no delivery, no cargo type") << true << false << false << 0 << teslimYok;
        QTest::newRow("no cargo type") << true << true << false << 1 << turYok;
        // A company left in the drop-down from an earlier cargo type does not stand for a type.
        QTest::newRow("company shown but cargo type cleared") << true << true << false << 2 << turYok;
        QTest::newRow("blank company") << true << true << true << 0 << kargoYok;
        QTest::newRow("empty drop-down") << true << true << true << -1 << kargoYok;
        QTest::newRow("everything chosen") << true << true << true << 1 << QString();
    }
    void firstFailingCheckWins() {
        QFETCH(bool, parca);
        QFETCH(bool, teslim);
        QFETCH(bool, tur);
        QFETCH(int, kargo);
        QFETCH(QString, uyari);
        QCOMPARE(SiparisUyarisi({parca, teslim, tur, kargo}), uyari);
    }

    void onlyTheCompanyCheckNamesTheDropDown() {
        QCOMPARE(SiparisEksigiBul({true, true, true, 0}), TSiparisEksigi::Kargo);
        QCOMPARE(SiparisEksigiBul({true, true, true, 3}), TSiparisEksigi::Yok);
        QVERIFY(SiparisEksigiMesaji(TSiparisEksigi::Yok).isEmpty());
    }

    void markedLines_data() {
        QTest::addColumn<QList<int>>("isaretler");
        QTest::addColumn<bool>("var");
        QTest::newRow("empty basket") << QList<int>{} << false;
        QTest::newRow("none marked") << QList<int>{0, 0} << false;
        QTest::newRow("a mark other than 1") << QList<int>{2} << false;
        QTest::newRow("last marked") << QList<int>{0, 0, 1} << true;
    }
    void markedLines() {
        QFETCH(QList<int>, isaretler);
        QFETCH(bool, var);
        TClientDataSet sepet;
        sepet.SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32}, {u"SEC"_s, TFieldType::Int32}});
        for (int i = 0; i < isaretler.size(); ++i)
            sepet.AppendRow({i + 1, isaretler[i]});
        QCOMPARE(GonderilecekParcaVar(&sepet), var);
    }

    void closedOrMissingBasketHasNothingToSend() {
        QVERIFY(!GonderilecekParcaVar(nullptr));
        TClientDataSet sepet;
        QVERIFY(!GonderilecekParcaVar(&sepet));
        sepet.SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32}, {u"SEC"_s, TFieldType::Int32}});
        sepet.AppendRow({1, 1});
        sepet.Close();
        QVERIFY(!GonderilecekParcaVar(&sepet));
    }
};

QTEST_GUILESS_MAIN(TstSiparisDenetimi)
#include "tst_siparisdenetimi.moc"
