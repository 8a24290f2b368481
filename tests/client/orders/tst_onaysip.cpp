// The order confirmation window, headless: its summary lines, its warning and its answers.
#include "client/orders/ONAYSIPU.h"
#include "platform/system/sistem.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

TSiparisOnayBilgisi Bilgi() {
    return {u"Ahmet Yılmaz"_s, u"YILMAZ OTO"_s, u"Kargo ile"_s,          u"Ücretli"_s,
            u"1.481.480,40"_s, u"ARAS KARGO"_s, u"Acele\nArka kapıdan"_s};
}

QLabel* Etiket(QWidget& p, const char* ad) {
    return p.findChild<QLabel*>(QString::fromLatin1(ad));
}

} // namespace

class TstOnaySip : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { sistem::ModalCalistirmayiAyarla({}); }

    void sevenLinesInOrderWithAlignedColons() {
        const QStringList satirlar = SiparisOzeti(Bilgi()).split(u'\n');
        const QStringList beklenen{u"Kullanıcı: Ahmet Yılmaz"_s, u"Cari     : YILMAZ OTO"_s,
                                   u"Teslim   : Kargo ile"_s,    u"Kargo    : Ücretli"_s,
                                   u"Tutar    : 1.481.480,40"_s, u"Kargo    : ARAS KARGO"_s,
                                   u"Açıklama : Acele"_s,        u"Arka kapıdan"_s};
        QCOMPARE(satirlar, beklenen); // the note's own break follows the seventh caption
        for (int i = 0; i < 7; ++i)
            QCOMPARE(satirlar[i].indexOf(u':'), 9);
        QVERIFY(!SiparisOzeti(Bilgi()).endsWith(u'\n'));
        QCOMPARE(SiparisOzeti({}).count(u'\n'), 6);
    }

    void windowShowsSummaryWarningAndQuestion() {
        TONAYSIP pencere(nullptr, Bilgi(), u"Vadesi geçmiş bakiye: 500,00 TL"_s);
        pencere.show();
        QCOMPARE(pencere.windowTitle(), u"Sipariş Onay"_s);
        QCOMPARE(Etiket(pencere, "Label2")->text(), SiparisOzeti(Bilgi()));
        QCOMPARE(Etiket(pencere, "Label3")->text(), u"Vadesi geçmiş bakiye: 500,00 TL"_s);
        QVERIFY(Etiket(pencere, "Label3")->isVisible());
        QCOMPARE(Etiket(pencere, "Label1")->text(), u"Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"_s);
        QVERIFY(Etiket(pencere, "Label2")->font().fixedPitch());
        QVERIFY(Etiket(pencere, "Label2")->font().bold());
        QCOMPARE(Etiket(pencere, "Label2")->font().pixelSize(), 16);
        QCOMPARE(Etiket(pencere, "Label1")->font().pixelSize(), 20);
        QCOMPARE(Etiket(pencere, "Label3")->palette().color(QPalette::WindowText), QColor(Qt::red));
        // The summary is plain text: a note with markup is shown as typed.
        TSiparisOnayBilgisi isaretliBilgi;
        isaretliBilgi.kullanici = u"<b>x</b>"_s;
        TONAYSIP isaretli(nullptr, isaretliBilgi, {});
        QCOMPARE(Etiket(isaretli, "Label2")->textFormat(), Qt::PlainText);
    }

    void noWarningTakesNoRoom() {
        TONAYSIP pencere(nullptr, Bilgi(), QString());
        pencere.show();
        QVERIFY(!Etiket(pencere, "Label3")->isVisible());
    }

    void longWarningWrapsInsideTheWindow() {
        const QString uzun = QString(u"Vadesi geçmiş bakiye var. "_s).repeated(20);
        TONAYSIP pencere(nullptr, Bilgi(), uzun);
        pencere.show();
        QLabel* uyari = Etiket(pencere, "Label3");
        QVERIFY(uyari->wordWrap());
        QVERIFY(uyari->width() <= pencere.width());
        QVERIFY(pencere.width() < uyari->fontMetrics().horizontalAdvance(uzun));
    }

    // "Evet" confirms; "Hayır", Escape and the close button do not.
    void answers_data() {
        QTest::addColumn<QString>("nasil");
        QTest::addColumn<bool>("onay");
        QTest::newRow("Evet") << u"evet"_s << true;
        QTest::newRow("Hayır") << u"hayir"_s << false;
        QTest::newRow("Escape") << u"escape"_s << false;
        QTest::newRow("close") << u"close"_s << false;
    }
    void answers() {
        QFETCH(QString, nasil);
        QFETCH(bool, onay);
        bool calisti = false;
        sistem::ModalCalistirmayiAyarla([&](QDialog* d) {
            calisti = true;
            d->show();
            QTimer::singleShot(0, d, [d, nasil] {
                if (nasil == u"escape")
                    QTest::keyClick(d, Qt::Key_Escape);
                else if (nasil == u"close")
                    d->close();
                else
                    d->findChild<QPushButton*>(nasil)->click();
            });
            return d->exec();
        });
        QCOMPARE(TONAYSIP::Onayla(nullptr, Bilgi(), QString()), onay);
        QVERIFY(calisti);
    }
};

QTEST_MAIN(TstOnaySip)
#include "tst_onaysip.moc"
