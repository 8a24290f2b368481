// The data-bound grid on a real window: chooser, header filters, footers, groups, best fit,
// proportional widths, detaching during a load, focus and cursor, search, export.
#include "izgaradeneme.h"
#include "platform/grid/izgaraparcalari.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace deneme;
using namespace Qt::Literals::StringLiterals;
using grid::TOzet;
using grid::TOzetTuru;
using grid::TSutun;
using grid::TSutunTuru;
using grid::TVeriIzgarasi;

namespace {

QStringList MenuYazilari(QMenu* menu) {
    QStringList yazilar;
    for (QAction* eylem : menu->actions())
        yazilar << eylem->text();
    return yazilar;
}

QAction* MenuEylemi(QMenu* menu, const QString& yazi) {
    for (QAction* eylem : menu->actions())
        if (eylem->text() == yazi)
            return eylem;
    return nullptr;
}

QPoint HucreOrtasi(const TVeriIzgarasi& izgara, int satir, const QString& alan) {
    const QTableView* tablo = izgara.Tablo();
    return tablo->visualRect(tablo->model()->index(satir, izgara.SutunIndeksi(alan))).center();
}

// Types text key by key, Turkish letters included (QTest::keyClicks takes ASCII only).
void Yaz(QWidget* pencere, const QString& yazi) {
    for (const QChar harf : yazi) {
        const Qt::Key tus = harf.unicode() < 128 ? Qt::Key(harf.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, pencere, tus, QString(harf), Qt::NoModifier);
    }
}

QPoint SuzgecDugmesiOrtasi(const TVeriIzgarasi& izgara, const QString& alan) {
    const auto* baslik = static_cast<const grid::TBaslik*>(izgara.Tablo()->horizontalHeader());
    return grid::TBaslik::SuzgecDugmesi(baslik->BolumAlani(izgara.SutunIndeksi(alan))).center();
}

} // namespace

class TstIzgara : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void chooserOffersOnlyChooserColumns() {
        TOrtam o;
        QMenu* menu = o.izgara->SutunSecimMenusu();
        // GIZLIKOD is not offered; the hidden SATICIADI is, unticked.
        QCOMPARE(MenuYazilari(menu), (QStringList{u"CARIKOD"_s, u"Açıklama"_s, u"Durum"_s, u"Tutar"_s, u"Miktar"_s,
                                                  u"Tarih"_s, u"Satıcı"_s}));
        QVERIFY(MenuEylemi(menu, u"Tutar"_s)->isChecked());
        QVERIFY(!MenuEylemi(menu, u"Satıcı"_s)->isChecked());

        QSignalSpy degisen(o.izgara.get(), &TVeriIzgarasi::SutunGorunurluguDegisti);
        MenuEylemi(menu, u"Tutar"_s)->trigger();
        QVERIFY(!o.izgara->SutunGorunur(u"TUTAR"));
        QCOMPARE(degisen.count(), 1);
        QCOMPARE(degisen.first().at(0).toString(), u"TUTAR"_s);
        QCOMPARE(degisen.first().at(1).toBool(), false);

        // Adapting to a user type: shown, but no longer offered.
        o.izgara->SutunuAyarla(u"SATICIADI", true, false);
        QVERIFY(o.izgara->SutunGorunur(u"SATICIADI"));
        QVERIFY(!MenuYazilari(o.izgara->SutunSecimMenusu()).contains(u"Satıcı"_s));
    }

    void headerContextMenuOpensTheChooser() {
        TOrtam o;
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        QHeaderView* baslik = o.izgara->Tablo()->horizontalHeader();
        const QPoint nokta(10, 10);
        QContextMenuEvent olay(QContextMenuEvent::Mouse, nokta, baslik->viewport()->mapToGlobal(nokta));
        QApplication::sendEvent(baslik->viewport(), &olay);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(menu->objectName(), u"sutunSecici"_s);
        QVERIFY(MenuYazilari(menu).contains(u"Satıcı"_s));
        menu->close();

        o.izgara->SetSutunSecici(false);
        QApplication::sendEvent(baslik->viewport(), &olay);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void headerFilterHidesRowsAndClearingShowsThem() {
        TOrtam o;
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        QSignalSpy suzgec(o.izgara.get(), &TVeriIzgarasi::SuzgecDegisti);
        QHeaderView* baslik = o.izgara->Tablo()->horizontalHeader();
        QTest::mouseClick(baslik->viewport(), Qt::LeftButton, {}, SuzgecDugmesiOrtasi(*o.izgara, u"DURUM"_s));
        auto* liste = o.izgara->findChild<QListWidget*>(u"suzgecListesi"_s);
        QVERIFY(liste);
        QTRY_VERIFY(liste->isVisible());
        QStringList ogeler;
        for (int i = 0; i < liste->count(); ++i)
            ogeler << liste->item(i)->text();
        // The words of the status codes, in code order; the empty and the unknown code as they are.
        QCOMPARE(ogeler,
                 (QStringList{u"(Tümü)"_s, u"(Boş)"_s, u"Yok"_s, u"Var"_s, u"Telefon Açınız"_s, u"Yolda"_s, u"7"_s}));
        QCOMPARE(baslik->sortIndicatorSection(), -1); // the button does not sort

        liste->item(3)->setCheckState(Qt::Checked); // Var
        liste->item(5)->setCheckState(Qt::Checked); // Yolda
        QCOMPARE(o.Sutun(u"CARIKOD"_s), (QStringList{u"C001"_s, u"C004"_s}));
        QCOMPARE(o.izgara->SatirSayisi(), 2);
        QCOMPARE(suzgec.count(), 2);
        QVERIFY(o.izgara->SuzgecVar());
        // Other columns list only the values of the rows that are left.
        QCOMPARE(o.izgara->SuzgecDegerleri(u"SATICIADI").size(), 2);

        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
        QCOMPARE(o.izgara->SatirSayisi(), 6);
        QVERIFY(!liste->isVisible());

        o.izgara->SetSuzgec(u"SATICIADI", {u"MEHMET"_s});
        QCOMPARE(o.Sutun(u"CARIKOD"_s), (QStringList{u"C002"_s, u"C005"_s}));
        o.izgara->SuzgecleriTemizle();
        QCOMPARE(o.izgara->SatirSayisi(), 6);
        QVERIFY(!o.izgara->SuzgecVar());
    }

    void footersCountAndSumTheRowsShown() {
        TOrtam o;
        o.izgara->SetAltOzetler({{.alan = u"CARIKOD"_s, .tur = TOzetTuru::Sayi},
                                 {.alan = u"TUTAR"_s, .tur = TOzetTuru::Toplam},
                                 {.alan = u"MIKTAR"_s, .tur = TOzetTuru::Toplam},
                                 {.alan = u"ADI"_s, .tur = TOzetTuru::Sayi, .sutun = u"SATICIADI"_s}});
        o.izgara->SetAltBilgiGorunur(true);
        QCOMPARE(o.izgara->AltOzetYazisi(0), u"6"_s);
        QCOMPARE(o.izgara->AltOzetYazisi(1), u"5.360,25"_s);
        QCOMPARE(o.izgara->AltOzetYazisi(2), u"22"_s);
        // A figure under a hidden column is not shown.
        QList<int> altindakiler;
        for (const auto& [sutun, yazi] : o.izgara->AltBilgiYazilari())
            altindakiler << sutun;
        QCOMPARE(altindakiler, (QList<int>{0, 3, 4}));

        o.izgara->SetSuzgec(u"SATICIADI", {u"AHMET"_s});
        QCOMPARE(o.izgara->AltOzetYazisi(0), u"3"_s);
        QCOMPARE(o.izgara->AltOzetYazisi(1), u"1.011,00"_s);

        // An edited line changes the sum at once.
        o.veri->MoveTo(0);
        o.veri->Edit();
        o.veri->FieldByName(u"TUTAR")->SetValue(2000.5);
        o.veri->Post();
        QCOMPARE(o.izgara->AltOzetDegeri(1), 2011.0);
    }

    void groupsShowFootersAndCollapse() {
        TOrtam o;
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        const QList<TOzet> ozetler{{.alan = u"TUTAR"_s, .tur = TOzetTuru::Toplam},
                                   {.alan = u"TARIH"_s, .tur = TOzetTuru::Sayi}};
        o.izgara->SetGrupOzetleri(ozetler);
        o.izgara->SetAltOzetler(ozetler);
        o.izgara->Gruplandir(u"SATICIADI");
        QCOMPARE(o.izgara->GrupSayisi(), 3);
        QCOMPARE(o.izgara->GrupBasligi(0), u"Satıcı : AHMET"_s);
        QCOMPARE(o.izgara->GrupBasligi(1), u"Satıcı : AYŞE"_s);
        QCOMPARE(o.izgara->GrupBasligi(2), u"Satıcı : MEHMET"_s);
        QCOMPARE(o.izgara->GrupOzetYazisi(0, 0), u"1.011,00"_s);
        QCOMPARE(o.izgara->GrupOzetYazisi(0, 1), u"3"_s);
        QCOMPARE(o.izgara->GrupOzetYazisi(2, 0), u"4.250,25"_s);
        QCOMPARE(o.izgara->GrupOzetYazisi(2, 1), u"2"_s);
        QAbstractItemModel* model = o.izgara->Tablo()->model();
        QCOMPARE(model->rowCount(), 3 + 6 + 3);
        // The first group's footer row carries its figures under their columns.
        QCOMPARE(model->index(4, o.izgara->SutunIndeksi(u"TUTAR")).data().toString(), u"1.011,00"_s);

        o.izgara->GruplariDaralt();
        QCOMPARE(model->rowCount(), 6); // a header and a footer per group
        QVERIFY(!o.izgara->GrupAcik(0) && !o.izgara->GrupAcik(1) && !o.izgara->GrupAcik(2));
        QCOMPARE(o.izgara->AltOzetYazisi(0), u"5.360,25"_s); // the grid footer counts closed groups too
        QCOMPARE(o.izgara->AltOzetYazisi(1), u"6"_s);
        QCOMPARE(o.veri->RecNo(), 0); // closing a group does not move the cursor

        QTest::mouseClick(o.izgara->Tablo()->viewport(), Qt::LeftButton, {}, HucreOrtasi(*o.izgara, 0, u"CARIKOD"_s));
        QVERIFY(o.izgara->GrupAcik(0));
        QCOMPARE(model->rowCount(), 9);
        QCOMPARE(o.izgara->OdakliKayit(), 0); // the cursor's record is in sight again
    }

    void proportionalRuleOnTheGrid() {
        TOrtam o;
        // Visible weights 1 + 4 + 1 + 2 + 1 + 2 = 11; (1130 − 30) / 11 = 100 pixels a unit.
        QVERIFY(o.izgara->SutunlariOrantila(1130));
        QCOMPARE(o.izgara->SutunGenisligi(u"TUTAR"), 200);
        QCOMPARE(o.izgara->SutunGenisligi(u"ADI"), 400);
        QCOMPARE(o.izgara->SutunGenisligi(u"CARIKOD"), 100);

        // A column hidden through the chooser leaves the sum: 9 units, trunc(1100 / 9) = 122.
        MenuEylemi(o.izgara->SutunSecimMenusu(), u"Tarih"_s)->trigger();
        QVERIFY(o.izgara->SutunlariOrantila(1130));
        QCOMPARE(o.izgara->SutunGenisligi(u"TUTAR"), 244);

        // Without an argument the grid's own width counts.
        o.izgara->resize(930, 300);
        QVERIFY(o.izgara->SutunlariOrantila());
        QCOMPARE(o.izgara->SutunGenisligi(u"TUTAR"), 200);
    }

    void proportionalRuleKeepsWidthsWithoutWeightsAndHonoursMinimum() {
        std::vector<TSutun> sutunlar{{.alan = u"CARIKOD"_s, .agirlik = 0, .genislik = 77},
                                     {.alan = u"TUTAR"_s, .agirlik = 0, .genislik = 55}};
        TOrtam o(sutunlar);
        QVERIFY(!o.izgara->SutunlariOrantila(1000));
        QCOMPARE(o.izgara->SutunGenisligi(u"CARIKOD"), 77);
        QCOMPARE(o.izgara->SutunGenisligi(u"TUTAR"), 55);

        TOrtam p({{.alan = u"CARIKOD"_s, .agirlik = 9}, {.alan = u"KALAN"_s, .agirlik = 1, .enAzGenislik = 84}});
        QVERIFY(p.izgara->SutunlariOrantila(530)); // 50 pixels a unit
        QCOMPARE(p.izgara->SutunGenisligi(u"CARIKOD"), 450);
        QCOMPARE(p.izgara->SutunGenisligi(u"KALAN"), 84);
    }

    void fittedColumnsShareTheWidthInProportion() {
        TOrtam o({{.alan = u"CARIKOD"_s, .genislik = 100},
                  {.alan = u"ADI"_s, .genislik = 300},
                  {.alan = u"TUTAR"_s, .gorunur = false, .genislik = 50}});
        o.izgara->SetGenisligeSigdir(true);
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        const auto toplam = [&] { return o.izgara->SutunGenisligi(u"CARIKOD") + o.izgara->SutunGenisligi(u"ADI"); };
        for (const int genislik : {900, 500, 1203, 900}) {
            o.izgara->resize(genislik, 300);
            QCOMPARE(toplam(), o.izgara->Tablo()->viewport()->width());
            QVERIFY(qAbs(3 * o.izgara->SutunGenisligi(u"CARIKOD") - o.izgara->SutunGenisligi(u"ADI")) <= 3);
        }
        // A column shown later takes its share too.
        o.izgara->SetSutunGorunur(u"TUTAR", true);
        QCOMPARE(toplam() + o.izgara->SutunGenisligi(u"TUTAR"), o.izgara->Tablo()->viewport()->width());
    }

    void bestFitMeasuresABoundedSample() {
        TDSTable tablo;
        tablo.columns = {{u"ADI"_s, TFieldType::WideString}};
        for (int i = 0; i < 1000; ++i)
            tablo.rows.push_back({u"X"_s});
        const QString ilk = u"İLK SATIRDAKİ UZUN AÇIKLAMA"_s;
        const QString uzak = u"ÇOK AŞAĞIDAKİ SATIRDA DURAN, ÇOK DAHA UZUN BİR AÇIKLAMA METNİ"_s;
        tablo.rows[0] = {ilk};
        tablo.rows[900] = {uzak};
        TOrtam o({{.alan = u"ADI"_s}}, tablo);
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        const QFontMetrics olcu(o.izgara->Tablo()->font());

        o.izgara->EnIyiSigdir();
        QVERIFY(o.izgara->SutunGenisligi(u"ADI") >= olcu.horizontalAdvance(ilk));
        QVERIFY(o.izgara->SutunGenisligi(u"ADI") < olcu.horizontalAdvance(uzak));

        // Rows in sight are measured wherever they are.
        o.izgara->KaydaOdaklan(900);
        o.izgara->EnIyiSigdir(u"ADI");
        QVERIFY(o.izgara->SutunGenisligi(u"ADI") >= olcu.horizontalAdvance(uzak));
    }

    void detachedGridPaintsNothingOfALoad() {
        int boyanan = 0;
        std::vector<TSutun> sutunlar = OrnekSutunlar();
        sutunlar[0].ciz = [&boyanan](QPainter&, const grid::THucreBoyasi&, const grid::THucre&) {
            ++boyanan;
            return false;
        };
        TOrtam o(sutunlar);
        o.izgara->SetAltOzetler({{.alan = u"CARIKOD"_s}});
        o.izgara->SetAltBilgiGorunur(true);
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        o.izgara->grab();
        QVERIFY(boyanan > 0);

        o.izgara->VeriKaynaginiAyir();
        boyanan = 0;
        TDSTable yeni = OrnekTablo();
        yeni.rows.resize(2);
        o.veri->DisableControls();
        o.veri->CopyFromTable(yeni);
        o.izgara->grab();
        QCOMPARE(boyanan, 0);
        QCOMPARE(o.izgara->Tablo()->model()->rowCount(), 0);
        QVERIFY(o.izgara->Veri() == nullptr);
        QVERIFY(o.izgara->AltBilgiYazilari().isEmpty());
        o.veri->EnableControls();
        QCOMPARE(o.izgara->Tablo()->model()->rowCount(), 0);

        o.izgara->VeriKaynaginaBagla();
        QCOMPARE(o.izgara->Tablo()->model()->rowCount(), 2);
        QCOMPARE(o.izgara->AltOzetYazisi(0), u"2"_s);
        o.izgara->grab();
        QVERIFY(boyanan > 0);

        {
            grid::TYuklemeKilidi kilit(*o.izgara);
            QVERIFY(!o.izgara->Bagli());
            QVERIFY(o.izgara->Guncelleniyor());
        }
        QVERIFY(o.izgara->Bagli());
        QVERIFY(!o.izgara->Guncelleniyor());
    }

    void focusedRowFollowsTheCursorAndBack() {
        TOrtam o;
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        QSignalSpy odak(o.izgara.get(), &TVeriIzgarasi::OdakDegisti);
        QCOMPARE(o.izgara->OdakliKayit(), 0);

        o.veri->MoveTo(3);
        QCOMPARE(o.izgara->OdakliKayit(), 3);
        QCOMPARE(o.izgara->Tablo()->currentIndex().row(), 3);
        QCOMPARE(odak.last().at(0).toInt(), 3);

        QTest::mouseClick(o.izgara->Tablo()->viewport(), Qt::LeftButton, {}, HucreOrtasi(*o.izgara, 1, u"ADI"_s));
        QCOMPARE(o.veri->RecNo(), 1);
        QCOMPARE(o.veri->FieldByName(u"CARIKOD")->AsString(), u"C002"_s);
        QCOMPARE(o.izgara->OdakliSutun(), u"ADI"_s);

        // Sorted by amount, descending: C005, C001, C002, C004, C003, C006.
        o.izgara->Tablo()->sortByColumn(o.izgara->SutunIndeksi(u"TUTAR"), Qt::DescendingOrder);
        QCOMPARE(o.Sutun(u"CARIKOD"_s).first(), u"C005"_s);
        QCOMPARE(o.izgara->Tablo()->currentIndex().row(), 2);
        QCOMPARE(o.veri->RecNo(), 1);
        o.veri->MoveTo(4);
        QCOMPARE(o.izgara->Tablo()->currentIndex().row(), 0);
        QTest::keyClick(o.izgara->Tablo(), Qt::Key_Down);
        QCOMPARE(o.veri->RecNo(), 0);

        // Filtering out the focused record moves the focus, and the cursor, to a row still shown.
        o.izgara->SetSuzgec(u"SATICIADI", {u"MEHMET"_s});
        QVERIFY(o.izgara->OdakliKayit() >= 0);
        QCOMPARE(o.veri->RecNo(), o.izgara->OdakliKayit());
        QCOMPARE(o.veri->FieldByName(u"SATICIADI")->AsString(), u"MEHMET"_s);
        o.izgara->SetSuzgec(u"SATICIADI", {u"YOK"_s});
        QCOMPARE(o.izgara->OdakliKayit(), -1);
        QCOMPARE(odak.last().at(0).toInt(), -1);
    }

    void incrementalSearchFindsByTyping() {
        QApplication::setKeyboardInputInterval(10000);
        {
            TOrtam o;
            QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
            QTest::mouseClick(o.izgara->Tablo()->viewport(), Qt::LeftButton, {}, HucreOrtasi(*o.izgara, 0, u"ADI"_s));
            QTest::keyClicks(o.izgara->Tablo(), u"far"_s);
            QCOMPARE(o.veri->RecNo(), 3);
            QTest::keyClicks(o.izgara->Tablo(), u"x"_s); // no name goes on so: the focus stays
            QCOMPARE(o.veri->RecNo(), 3);
            QTest::keyClicks(o.izgara->Tablo(), u" amp"_s);
            QCOMPARE(o.veri->RecNo(), 3);
        }
        const auto ara = [](const QString& yazi, bool acik) {
            TOrtam o;
            o.izgara->SetArtimliArama(acik);
            o.izgara->Tablo()->setCurrentIndex(o.izgara->Tablo()->model()->index(0, o.izgara->SutunIndeksi(u"ADI")));
            Yaz(o.izgara->Tablo(), yazi);
            return o.veri->FieldByName(u"CARIKOD")->AsString();
        };
        // Turkish letters: "ı" finds I, "i" finds İ.
        QCOMPARE(ara(u"ışı"_s, true), u"C003"_s);
        QCOMPARE(ara(u"debri"_s, true), u"C005"_s);
        QCOMPARE(ara(u"yağ"_s, true), u"C002"_s);
        QCOMPARE(ara(u"far"_s, false), u"C001"_s);
        QApplication::setKeyboardInputInterval(400);
    }

    void doubleClickAndEnterReportTheRecord() {
        TOrtam o;
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        QSignalSpy cift(o.izgara.get(), &TVeriIzgarasi::CiftTiklandi);
        QSignalSpy enter(o.izgara.get(), &TVeriIzgarasi::EnterBasildi);
        QWidget* alan = o.izgara->Tablo()->viewport();
        QTest::mouseDClick(alan, Qt::LeftButton, {}, HucreOrtasi(*o.izgara, 2, u"ADI"_s));
        QCOMPARE(cift.count(), 1);
        QCOMPARE(cift.first().at(0).toInt(), 2);
        QTest::mouseDClick(alan, Qt::LeftButton, {}, QPoint(20, alan->height() - 4)); // below the last row
        QCOMPARE(cift.count(), 1);
        QTest::keyClick(o.izgara->Tablo(), Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(enter.first().at(0).toInt(), 2);
    }

    void absentFieldsShowEmptyAndTextHooksFillUnboundColumns() {
        std::vector<TSutun> sutunlar = OrnekSutunlar();
        sutunlar.push_back({.alan = u"FiyatBilgisi"_s, .metin = [](const grid::THucre& hucre) {
                                return hucre.Deger(u"CARIKOD").toString() + u"/"_s + hucre.Yazi(u"TUTAR");
                            }});
        TOrtam o(sutunlar);
        QCOMPARE(o.Sutun(u"GIZLIKOD"_s), QStringList(6, QString()));
        QCOMPARE(o.Sutun(u"FiyatBilgisi"_s).first(), u"C001/1.000,50"_s);
        o.izgara->grab(); // paints without a field behind the columns
    }

    void statusIconsAreDrawnInTheirCells() {
        TOrtam o;
        o.izgara->SetSatirYuksekligi(32);
        QVERIFY(QTest::qWaitForWindowExposed(o.izgara.get()));
        o.izgara->KaydaOdaklan(2);
        const QImage resim = o.izgara->Tablo()->viewport()->grab().toImage();
        // The colour at a point of a row's status icon, given in sixteenths of the icon.
        const auto renk = [&](int satir, int x = 8, int y = 4) {
            const QRect hucre = o.izgara->Tablo()->visualRect(
                o.izgara->Tablo()->model()->index(satir, o.izgara->SutunIndeksi(u"DURUM")));
            const int boy = qMin(24, hucre.height() - 2);
            const QRect simge(hucre.center().x() - boy / 2, hucre.center().y() - boy / 2, boy, boy);
            return resim.pixelColor(simge.left() + boy * x / 16, simge.top() + boy * y / 16);
        };
        const QColor var = renk(0);
        QVERIFY2(var.green() > var.red() + 40 && var.green() > var.blue() + 40, qPrintable(var.name()));
        const QColor yok = renk(1);
        QVERIFY2(yok.red() > yok.green() + 60 && yok.red() > yok.blue() + 60, qPrintable(yok.name()));
        const QColor bos = renk(4, 3, 8);
        QVERIFY2(qAbs(bos.red() - bos.green()) < 12 && bos.red() < 230, qPrintable(bos.name()));
        QCOMPARE(renk(5), o.izgara->SatirZemini(5, false)); // code 7: no icon
    }

    void exportWritesTheRowsAndColumnsShown() {
        if (!UnzipVar())
            QSKIP("unzip is not installed");
        TDSTable tablo = OrnekTablo();
        tablo.rows[1][1] = u"=1+1 YAĞ FİLTRESİ"_s;
        TOrtam o(OrnekSutunlar(), tablo);
        o.izgara->SetAltOzetler({{.alan = u"TUTAR"_s, .tur = TOzetTuru::Toplam}});
        o.izgara->SetAltBilgiGorunur(true);
        o.izgara->SetSuzgec(u"SATICIADI", {u"AHMET"_s, u"MEHMET"_s});
        QTemporaryDir klasor;
        const QString dosya = klasor.filePath(u"liste.xlsx"_s);
        QString hata;
        QVERIFY2(o.izgara->ExcelKaydet(dosya, &hata), qPrintable(hata));

        const TSayfa sayfa = SayfaOku(dosya);
        QCOMPARE(sayfa.size(), 1 + 5 + 1);
        QStringList basliklar;
        for (const THucreXml& h : sayfa[0])
            basliklar << h.deger;
        QCOMPARE(basliklar,
                 (QStringList{u"CARIKOD"_s, u"Açıklama"_s, u"Durum"_s, u"Tutar"_s, u"Miktar"_s, u"Tarih"_s}));
        const QList<THucreXml>& ilk = sayfa[1];
        QCOMPARE(ilk[0].deger, u"C001"_s);
        QCOMPARE(ilk[2].deger, u"Var"_s);
        QCOMPARE(ilk[3].tur, u"n"_s);
        QCOMPARE(ilk[3].deger.toDouble(), 1000.5);
        QCOMPARE(ilk[3].bicim, u"#,###,##0.00"_s);
        QCOMPARE(ilk[4].deger, u"2"_s);
        QCOMPARE(ilk[5].tur, u"n"_s);
        QCOMPARE(ilk[5].deger, u"45000"_s);
        QCOMPARE(ilk[5].bicim, u"dd.mm.yyyy"_s);
        // Text stays text, also when it looks like a formula; Turkish letters survive.
        QCOMPARE(sayfa[2][1].tur, u"s"_s);
        QCOMPARE(sayfa[2][1].deger, u"=1+1 YAĞ FİLTRESİ"_s);
        QCOMPARE(sayfa[4][0].deger, u"C005"_s); // the filtered-out C004 is not there
        QCOMPARE(sayfa[6][3].deger.toDouble(), 5261.25);
    }

    void exportFailureIsReportedAndNothingIsLeft() {
        TOrtam o;
        QTemporaryDir klasor;
        const QString dosya = klasor.filePath(u"yok/liste.xlsx"_s);
        QString hata;
        QVERIFY(!o.izgara->ExcelKaydet(dosya, &hata));
        QVERIFY(!hata.isEmpty());
        QVERIFY(!QFile::exists(dosya));

        // An existing file is replaced whole.
        const QString eski = klasor.filePath(u"eski.xlsx"_s);
        QFile dosyam(eski);
        QVERIFY(dosyam.open(QIODevice::WriteOnly));
        dosyam.write("eski içerik");
        dosyam.close();
        QVERIFY2(o.izgara->ExcelKaydet(eski, &hata), qPrintable(hata));
        QVERIFY(UnzipVar() ? SayfaOku(eski).size() == 7 : QFileInfo(eski).size() > 1000);
        QCOMPARE(QDir(klasor.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_MAIN(TstIzgara)
#include "tst_izgara.moc"
