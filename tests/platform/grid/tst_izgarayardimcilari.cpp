// The grid's helpers: the proportional column rule, the icon maps and their artwork, the
// status legend, the price cell.
#include "platform/grid/fiyathucresi.h"
#include "platform/grid/oranlama.h"
#include "platform/grid/simgeler.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace grid;

namespace {

QImage Ciz(const QIcon& simge, int boy = 24) {
    QImage resim(boy, boy, QImage::Format_ARGB32);
    resim.fill(Qt::transparent);
    QPainter ressam(&resim);
    simge.paint(&ressam, resim.rect());
    return resim;
}

// Real artwork: a good share of the square is painted, in more than one colour.
bool Cizilmis(const QImage& resim) {
    int dolu = 0;
    QSet<QRgb> renkler;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x)
            if (qAlpha(resim.pixel(x, y)) > 200) {
                ++dolu;
                renkler.insert(resim.pixel(x, y) & 0xF0F0F0);
            }
    return dolu > resim.width() * resim.height() / 4 && renkler.size() >= 2;
}

} // namespace

class TstIzgaraYardimcilari : public QObject {
    Q_OBJECT
private slots:
    void proportionalRule_data() {
        QTest::addColumn<std::vector<int>>("agirliklar");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<std::vector<int>>("beklenen");
        QTest::newRow("11 units in 1130")
            << std::vector<int>{2, 2, 4, 1, 1, 1} << 1130 << std::vector<int>{200, 200, 400, 100, 100, 100};
        QTest::newRow("2,3,2,1 in 830") << std::vector<int>{2, 3, 2, 1} << 830 << std::vector<int>{200, 300, 200, 100};
        QTest::newRow("unit truncated") << std::vector<int>{1, 2} << 100 << std::vector<int>{23, 46};
        QTest::newRow("weight 0 gets 0") << std::vector<int>{0, 1, 1} << 230 << std::vector<int>{0, 100, 100};
        QTest::newRow("narrower than the allowance") << std::vector<int>{1, 1} << 20 << std::vector<int>{0, 0};
        QTest::newRow("no weight: keep the widths") << std::vector<int>{0, 0} << 1000 << std::vector<int>{};
        QTest::newRow("no columns") << std::vector<int>{} << 1000 << std::vector<int>{};
    }

    void proportionalRule() {
        QFETCH(std::vector<int>, agirliklar);
        QFETCH(int, genislik);
        QFETCH(std::vector<int>, beklenen);
        QCOMPARE(OrantiliGenislikler(agirliklar, genislik), beklenen);
    }

    void statusMapCoversCodesEmptyAndOthers_data() {
        QTest::addColumn<QVariant>("deger");
        QTest::addColumn<QString>("yazi");
        QTest::newRow("0") << QVariant(0) << u"Yok"_s;
        QTest::newRow("1") << QVariant(1) << u"Var"_s;
        QTest::newRow("2") << QVariant(2) << u"Telefon Açınız"_s;
        QTest::newRow("3") << QVariant(3) << u"Yolda"_s;
        QTest::newRow("4") << QVariant(4) << u"Özel Sipariş"_s;
        QTest::newRow("5") << QVariant(5) << u"Tedarik Sürecinde"_s;
        QTest::newRow("5 as a double") << QVariant(5.0) << u"Tedarik Sürecinde"_s;
        QTest::newRow("1 as text") << QVariant(u"1"_s) << u"Var"_s;
    }

    void statusMapCoversCodesEmptyAndOthers() {
        QFETCH(QVariant, deger);
        QFETCH(QString, yazi);
        const TSimgeHaritasi harita = DurumSimgeHaritasi();
        const TSimgeOgesi* oge = harita.Bul(deger);
        QVERIFY(oge);
        QCOMPARE(oge->yazi, yazi);
        QVERIFY(!harita.YaziGoster()); // the grid draws the icon only
        QCOMPARE(Ciz(oge->simge), Ciz(DurumSimgesi(deger.toInt())));
    }

    void statusIconsAreDistinctArtwork() {
        QList<QImage> resimler;
        for (int kod = 0; kod <= 5; ++kod)
            resimler << Ciz(DurumSimgesi(kod));
        resimler << Ciz(BosDurumSimgesi());
        for (int i = 0; i < resimler.size(); ++i) {
            QVERIFY2(Cizilmis(resimler[i]), qPrintable(QString::number(i)));
            for (int j = 0; j < i; ++j)
                QVERIFY(resimler[i] != resimler[j]);
        }
        const TSimgeHaritasi harita = DurumSimgeHaritasi();
        for (const QVariant& bos : {QVariant(), QVariant(u""_s), QVariant(u"  "_s)}) {
            const TSimgeOgesi* oge = harita.Bul(bos);
            QVERIFY(oge);
            QVERIFY(oge->yazi.isEmpty());
            QCOMPARE(Ciz(oge->simge), resimler.last());
        }
        QVERIFY(harita.Bul(6) == nullptr);
        QVERIFY(harita.Bul(u"X"_s) == nullptr);
        QVERIFY(DurumSimgesi(9).isNull());
        QVERIFY(DurumYazisi(9).isEmpty());
        // Sharp at legend and at cell sizes alike, and greyed when disabled.
        QVERIFY(Cizilmis(Ciz(DurumSimgesi(DurumVar), 48)));
        QVERIFY(DurumSimgesi(DurumVar).pixmap(24, QIcon::Disabled).toImage() !=
                DurumSimgesi(DurumVar).pixmap(24).toImage());
    }

    void legendCaptionsFollowTheirCodes() {
        const QList<TDurumAciklamasi> lejant = DurumAciklamalari();
        QList<int> kodlar;
        QStringList yazilar;
        for (const TDurumAciklamasi& a : lejant) {
            kodlar << a.kod;
            yazilar << a.yazi;
        }
        QCOMPARE(kodlar, (QList<int>{1, 2, 3, 5, 4, 0}));
        QCOMPARE(yazilar, (QStringList{u" Stok mevcut  "_s, u" Telefon Açınız  "_s, u" Yolda  "_s,
                                       u" Tedarik Sürecinde "_s, u" Özel Sipariş  "_s, u" Yok  "_s}));
    }

    void otherMarksAreArtworkAndMapByValue() {
        for (const QIcon& simge : {ResimSimgesi(), YeniSimgesi(), KampanyaSimgesi(), BayrakSimgesi()})
            QVERIFY(Cizilmis(Ciz(simge)));
        const TSimgeHaritasi resim = ResimSimgeHaritasi();
        QCOMPARE(Ciz(resim.Bul(1)->simge), Ciz(ResimSimgesi()));
        QVERIFY(resim.Bul(0)->simge.isNull());

        const TSimgeHaritasi yeni = EvetHayirSimgeHaritasi(YeniSimgesi(), BayrakSimgesi(), BayrakSimgesi());
        QCOMPARE(yeni.Bul(1)->yazi, u"Evet"_s);
        QCOMPARE(yeni.Bul(0)->yazi, u"Hayır"_s);
        QCOMPARE(Ciz(yeni.Bul(0)->simge), Ciz(BayrakSimgesi()));
        QCOMPARE(Ciz(yeni.Bul(3)->simge), Ciz(BayrakSimgesi())); // any other value: the first icon
        const TSimgeHaritasi kampanya = EvetHayirSimgeHaritasi(KampanyaSimgesi(), QIcon());
        QVERIFY(kampanya.Bul(0)->simge.isNull());
    }

    void priceCellText_data() {
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("with a campaign price")
            << 900.0
            << u"Liste Fiyatı: 1.000,50\nKampanyalı Fiyat: 900,00\nNetFiyat: 0,50\nKDV li Fiyat: 1.234.567,89\n"_s;
        QTest::newRow("campaign price 0")
            << 0.0 << u"Liste Fiyatı: 1.000,50\nNetFiyat: 0,50\nKDV li Fiyat: 1.234.567,89\n"_s;
        QTest::newRow("campaign price below 0")
            << -1.0 << u"Liste Fiyatı: 1.000,50\nNetFiyat: 0,50\nKDV li Fiyat: 1.234.567,89\n"_s;
    }

    void priceCellText() {
        QFETCH(double, kampanya);
        QFETCH(QString, beklenen);
        const QLocale turkce(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(FiyatBilgisiYazisi(1000.5, kampanya, 0.5, 1234567.89, turkce), beklenen);
    }

    void priceCellIsPaintedWhole() {
        QImage resim(200, 100, QImage::Format_ARGB32);
        resim.fill(Qt::red);
        const QColor zemin(210, 240, 249);
        {
            QPainter ressam(&resim);
            FiyatHucresiniCiz(ressam, QRect(0, 0, 200, 100), zemin, Qt::black,
                              FiyatBilgisiYazisi(1, 0, 1, 1, QLocale(QLocale::Turkish, QLocale::Turkey)));
        }
        int yazi = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                const QColor renk = resim.pixelColor(x, y);
                QVERIFY(renk != QColor(Qt::red)); // the whole cell is filled
                if (renk != zemin) {
                    ++yazi;
                    QVERIFY2(x >= 10 && x < 190, "text inside the 10-pixel margins");
                }
            }
        QVERIFY(yazi > 0);
        // Right-aligned: the text reaches the right margin, not the left.
        bool sagda = false;
        for (int y = 0; y < 100 && !sagda; ++y)
            for (int x = 180; x < 190 && !sagda; ++x)
                sagda = resim.pixelColor(x, y) != zemin;
        QVERIFY(sagda);
    }
};

QTEST_MAIN(TstIzgaraYardimcilari)
#include "tst_izgarayardimcilari.moc"
