// The basket's totals block over the marked lines of a basket data set.
#include "client/orders/sepettoplamlari.h"
#include "client/remote/sayilar.h"
#include "platform/datasnap/dataset.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using datasnap::TClientDataSet;
using datasnap::TFieldType;

Q_DECLARE_METATYPE(QList<QList<double>>)

namespace {

// A basket with the columns the totals read, one row per {SEC, TUTAR, INDIRIMTUTAR}.
void SepetKur(TClientDataSet& sepet, const QList<QList<double>>& satirlar) {
    sepet.SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32},
                        {u"SEC"_s, TFieldType::Int32},
                        {u"TUTAR"_s, TFieldType::Double},
                        {u"INDIRIMTUTAR"_s, TFieldType::Double}});
    int sira = 1;
    for (const QList<double>& s : satirlar)
        sepet.AppendRow({sira++, static_cast<int>(s[0]), s[1], s[2]});
}

QStringList Metinler(const TSepetToplamlari& t) {
    return {ParaYaz(t.Toplam), ParaYaz(t.Indirim), ParaYaz(t.Ara), ParaYaz(t.Vergi), ParaYaz(t.Genel)};
}

} // namespace

class TstSepetToplamlari : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void totals_data() {
        QTest::addColumn<QList<QList<double>>>("satirlar");
        QTest::addColumn<QStringList>("beklenen"); // Toplam, İndirim, Ara, Vergi, Genel
        QTest::newRow("three lines, all marked")
            << QList<QList<double>>{{1, 100, 10}, {1, 50, 5}, {1, 25, 0}}
            << QStringList{u"175,00"_s, u"15,00"_s, u"160,00"_s, u"32,00"_s, u"192,00"_s};
        QTest::newRow("third line unmarked")
            << QList<QList<double>>{{1, 100, 10}, {1, 50, 5}, {0, 25, 0}}
            << QStringList{u"150,00"_s, u"15,00"_s, u"135,00"_s, u"27,00"_s, u"162,00"_s};
        QTest::newRow("nothing marked") << QList<QList<double>>{{0, 100, 10}, {0, 50, 5}} << QStringList(5, u"0,00"_s);
        QTest::newRow("a mark other than 1 is not a mark")
            << QList<QList<double>>{{2, 100, 10}, {-1, 50, 5}, {1, 10, 0}}
            << QStringList{u"10,00"_s, u"0,00"_s, u"10,00"_s, u"2,00"_s, u"12,00"_s};
        // Rounded after every line: 0,005 + 0,005 gives 0,01 + 0,01, not 0,01 once.
        QTest::newRow("rounding after every line")
            << QList<QList<double>>{{1, 0.005, 0}, {1, 0.005, 0}}
            << QStringList{u"0,02"_s, u"0,00"_s, u"0,02"_s, u"0,00"_s, u"0,02"_s};
        QTest::newRow("tax is 20 % of the net, rounded")
            << QList<QList<double>>{{1, 10.03, 0}}
            << QStringList{u"10,03"_s, u"0,00"_s, u"10,03"_s, u"2,01"_s, u"12,04"_s};
        QTest::newRow("thousands") << QList<QList<double>>{{1, 1234567.5, 0.5}}
                                   << QStringList{u"1.234.567,50"_s, u"0,50"_s, u"1.234.567,00"_s, u"246.913,40"_s,
                                                  u"1.481.480,40"_s};
    }
    void totals() {
        QFETCH(QList<QList<double>>, satirlar);
        QFETCH(QStringList, beklenen);
        TClientDataSet sepet;
        SepetKur(sepet, satirlar);
        QCOMPARE(Metinler(SepetToplamlariHesapla(&sepet)), beklenen);
    }

    void emptyClosedOrMissingBasketGivesZeros() {
        const QStringList sifir(5, u"0,00"_s);
        QCOMPARE(Metinler(SepetToplamlariHesapla(nullptr)), sifir);
        TClientDataSet sepet;
        QCOMPARE(Metinler(SepetToplamlariHesapla(&sepet)), sifir); // never opened
        SepetKur(sepet, {});
        QCOMPARE(Metinler(SepetToplamlariHesapla(&sepet)), sifir);
        SepetKur(sepet, {{1, 100, 0}});
        sepet.Close();
        QCOMPARE(Metinler(SepetToplamlariHesapla(&sepet)), sifir);
    }

    // The walk neither moves the grid's current line nor reaches the grid row by row.
    void cursorStaysAndGridIsNotNotified() {
        TClientDataSet sepet;
        SepetKur(sepet, {{1, 100, 10}, {1, 50, 5}, {1, 25, 0}});
        sepet.MoveTo(1);
        QSignalSpy imlec(&sepet, &TClientDataSet::cursorMoved);
        SepetToplamlariHesapla(&sepet);
        QCOMPARE(sepet.RecNo(), 1);
        QVERIFY(!sepet.ControlsDisabled());
        QCOMPARE(imlec.count(), 0);
    }

    void labelsGetTheirValues() {
        TClientDataSet sepet;
        SepetKur(sepet, {{1, 100, 10}, {1, 50, 5}, {1, 25, 0}});
        QLabel toplam, indirim, ara, vergi, genel;
        SepetToplamlariniGoster(SepetToplamlariHesapla(&sepet), {&toplam, &indirim, &ara, &vergi, &genel});
        QCOMPARE((QStringList{toplam.text(), indirim.text(), ara.text(), vergi.text(), genel.text()}),
                 (QStringList{u"175,00"_s, u"15,00"_s, u"160,00"_s, u"32,00"_s, u"192,00"_s}));
        SepetToplamlariniGoster(TSepetToplamlari{}, {&toplam, nullptr, nullptr, nullptr, &genel});
        QCOMPARE(toplam.text(), u"0,00"_s);
        QCOMPARE(genel.text(), u"0,00"_s);
    }
};

QTEST_MAIN(TstSepetToplamlari)
#include "tst_sepettoplamlari.moc"
