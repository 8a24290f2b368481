// The small widgets: money and spin edits, busy indicator, marquee, animated picture.
#include "platform/widgets/animasyonluresim.h"
#include "platform/widgets/kayanyazi.h"
#include "platform/widgets/mesgulgostergesi.h"
#include "platform/widgets/parakutusu.h"
#include "platform/widgets/sayikutusu.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace widgets;

namespace {

// A two-frame animated GIF, 6 × 4 pixels: red, then blue.
const QByteArray& IkiKareliGif() {
    static const QByteArray gif = QByteArray::fromHex(
        "47494638396106000400f10000ff00000000ff00ff00ffffff21ff0b4e45545343415045322e30030100000021f904040a0000"
        "002c0000000006000400000204848fa9570021f904040a0000002c00000000060004000002048c8fa957003b");
    return gif;
}

void OdakGiris(QWidget* pencere) {
    pencere->setFocus();
    QFocusEvent olay(QEvent::FocusIn);
    QApplication::sendEvent(pencere, &olay);
}

void OdakCikis(QWidget* pencere) {
    pencere->clearFocus();
    QFocusEvent olay(QEvent::FocusOut);
    QApplication::sendEvent(pencere, &olay);
}

bool BosDegil(const QImage& resim) {
    const QRgb ilk = resim.pixel(0, 0);
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            if (resim.pixel(x, y) != ilk)
                return true;
    return false;
}

} // namespace

class TstWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void moneyBoxShowsGroupedAmounts_data() {
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("yazi");
        QTest::newRow("one thousand and a half") << 1000.5 << u"1.000,50"_s;
        QTest::newRow("a half") << 0.5 << u"0,50"_s;
        QTest::newRow("zero") << 0.0 << u"0,00"_s;
        QTest::newRow("negative") << -1234567.891 << u"-1.234.567,89"_s;
        QTest::newRow("halves away from zero") << 1.005 << u"1,01"_s;
    }

    void moneyBoxShowsGroupedAmounts() {
        QFETCH(double, deger);
        QFETCH(QString, yazi);
        TParaKutusu kutu;
        kutu.setReadOnly(true);
        kutu.SetDeger(deger);
        QCOMPARE(kutu.text(), yazi);
        QCOMPARE(kutu.Deger(), deger); // the amount itself is not rounded
    }

    void moneyBoxEditsThePlainNumber() {
        TParaKutusu kutu;
        kutu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kutu));
        QSignalSpy degisti(&kutu, &TParaKutusu::DegerDegisti);
        kutu.SetDeger(1000.5);
        OdakGiris(&kutu);
        QCOMPARE(kutu.text(), u"1000,5"_s);
        kutu.setText(u"1.234,25"_s);
        OdakCikis(&kutu);
        QCOMPARE(kutu.Deger(), 1234.25);
        QCOMPARE(kutu.text(), u"1.234,25"_s);
        kutu.setText(u"12.5"_s); // typed with a point
        OdakCikis(&kutu);
        QCOMPARE(kutu.Deger(), 12.5);
        kutu.setText(u"on iki"_s); // not a number: the amount stays
        OdakCikis(&kutu);
        QCOMPARE(kutu.Deger(), 12.5);
        QCOMPARE(kutu.text(), u"12,50"_s);
        QCOMPARE(degisti.count(), 3);

        kutu.setReadOnly(true);
        OdakGiris(&kutu);
        QCOMPARE(kutu.text(), u"12,50"_s);
    }

    void spinBoxBringsTypedValuesIntoRange_data() {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<int>("beklenen");
        QTest::newRow("inside") << u"42"_s << 42;
        QTest::newRow("above") << u"2000"_s << 1000;
        QTest::newRow("below") << u"0"_s << 1;
    }

    void spinBoxBringsTypedValuesIntoRange() {
        QFETCH(QString, yazilan);
        QFETCH(int, beklenen);
        TSayiKutusu kutu;
        kutu.setRange(1, 1000);
        kutu.setValue(1);
        kutu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kutu));
        OdakGiris(&kutu);
        kutu.findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(&kutu, yazilan);
        QCOMPARE(kutu.findChild<QLineEdit*>()->text(), yazilan); // the typing is not refused
        OdakCikis(&kutu);
        QCOMPARE(kutu.TamDeger(), beklenen);
        QTest::keyClicks(&kutu, u"1,5"_s); // no decimals in a whole-number box
        QVERIFY(!kutu.findChild<QLineEdit*>()->text().contains(u','));
    }

    void busyIndicatorTurnsOnlyWhileShown() {
        TMesgulGostergesi gosterge;
        gosterge.resize(28, 28);
        QVERIFY(!gosterge.Donuyor());
        gosterge.show();
        QVERIFY(gosterge.Donuyor());
        const int ilk = gosterge.Adim();
        QTRY_VERIFY(gosterge.Adim() != ilk);
        const QImage bir = gosterge.grab().toImage();
        QVERIFY(BosDegil(bir));
        QTRY_VERIFY(gosterge.grab().toImage() != bir); // the picture turns
        gosterge.hide();
        QVERIFY(!gosterge.Donuyor());
    }

    void marqueeScrollsItsItemsAndComesRound() {
        TKayanYazi yazi;
        yazi.resize(300, 40);
        yazi.MetinEkle(u"<b>Kampanya</b> başladı"_s);
        const int metin = yazi.SeritGenisligi();
        QVERIFY(metin > 0);
        QPixmap resim(60, 20);
        resim.fill(Qt::blue);
        yazi.ResimEkle(resim);
        QCOMPARE(yazi.OgeSayisi(), 2);
        QCOMPARE(yazi.SeritGenisligi(), metin + 5 + 60);

        yazi.SetHiz(40);
        yazi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&yazi));
        yazi.Baslat();
        QCOMPARE(yazi.Konum(), 300); // enters from the right edge
        QTRY_VERIFY(yazi.Konum() < 250);
        QVERIFY(BosDegil(yazi.grab().toImage()));
        // Past the left edge it starts again from the right.
        QTRY_VERIFY(yazi.Konum() > 250);
        yazi.Durdur();
        QVERIFY(!yazi.Kayiyor());
        yazi.Baslat();
        yazi.hide(); // hidden, it does not run its timer
        QVERIFY(!yazi.Kayiyor());
        yazi.show();
        QVERIFY(yazi.Kayiyor());

        yazi.Temizle();
        QCOMPARE(yazi.OgeSayisi(), 0);
        QCOMPARE(yazi.SeritGenisligi(), 0);
    }

    void animatedPictureLoadsAndPlays() {
        TAnimasyonluResim resim;
        QVERIFY(resim.ResimYukle(IkiKareliGif()));
        QCOMPARE(resim.KareSayisi(), 2);
        QCOMPARE(resim.ResimBoyutu(), QSize(6, 4));
        resim.show();
        QVERIFY(QTest::qWaitForWindowExposed(&resim));
        QTRY_COMPARE(resim.SimdikiKare(), 1);
        QTRY_COMPARE(resim.SimdikiKare(), 0); // it loops

        QVERIFY(resim.Oynuyor());
        resim.SetAnimasyon(false);
        QVERIFY(!resim.Oynuyor());
        resim.SetAnimasyon(true);
        resim.hide();
        QVERIFY(!resim.Oynuyor());

        QVERIFY(!resim.ResimYukle("GIF89a bozuk"));
        QVERIFY(resim.Bos());
        QCOMPARE(resim.ResimBoyutu(), QSize());
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
