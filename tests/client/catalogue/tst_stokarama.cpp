// Product search in the main window and the stock grid, against a stand-in server that records
// what the search sends: the length check, the text sent, the letter replacement on typing, the
// caption, failures, "Temizle" during a search, the filters, the wide and narrow layouts, the
// price cell and the columns of each user type.
#include "client/app/Unit1.h"
#include "client/catalogue/stokizgarasi.h"
#include "client/session/girisformu.h"
#include "platform/datasnap/dataset.h"
#include "platform/grid/izgara.h"
#include "tests/client/proxy/sahteSunucu.h"
#include "tests/client/session/testortami.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

const QString kKisaUyari = u"Lütfen en az 2 harf giriniz !"_s;

void OturumuDoldur(TSonucBilgisi& b, int tip) {
    b.SetMusteriTipi(tip);
    b.SetDisip(u"10.0.0.1"_s);
    b.SetADI(u"KULLANICI%1"_s.arg(tip));
    b.SetCARINO(7);
    b.SetVarmi(true);
    b.SetAKTIF(1);
}

// Three items; two of brand BOSCH, one with a campaign price.
QByteArray StokPaketi(const QString& satirlar) {
    return (uR"({"result":[{"datapacket":{"columns":[{"name":"STOK_STOKNO","type":"Int32"},)"
            uR"({"name":"ADI","type":"WideString","size":100},{"name":"MARKA","type":"WideString","size":30},)"
            uR"({"name":"OEM1","type":"WideString","size":30},{"name":"DURUM","type":"Int32"},)"
            uR"({"name":"LISTEFIYAT1","type":"Double"},{"name":"KAMPFIYAT","type":"Double"},)"
            uR"({"name":"NETFIYAT","type":"Double"},{"name":"KDVDAHIL","type":"Double"}],"rows":[)"_s +
            satirlar + u"]}}]}"_s)
        .toUtf8();
}

const QString kUcSatir = uR"([1,"FREN BALATASI","BOSCH","A1",1,1000.5,0,900,1080],)"
                         uR"([2,"FREN DİSKİ","BOSCH","A2",0,2000,1500,1350,1620],)"
                         uR"([3,"HAVA FİLTRESİ","VALEO","A3",3,100,0,90,108])"_s;

// Types `yazi` key by key, as a keyboard with Turkish letters sends them.
void Yaz(QWidget* kutu, const QString& yazi) {
    for (QChar harf : yazi) {
        QKeyEvent basma(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(harf));
        QApplication::sendEvent(kutu, &basma);
        QKeyEvent birakma(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(harf));
        QApplication::sendEvent(kutu, &birakma);
    }
}

} // namespace

class TestStokArama : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void kisaMetinUyarirVeCagirmaz_data();
    void kisaMetinUyarirVeCagirmaz();
    void metinKirpilmadanGonderilir_data();
    void metinKirpilmadanGonderilir();
    void yazarkenHarflerDegisirYapistirinca_degismez();
    void sonucsuzAramaSifirBaslik();
    void basarisizAramaListeyiBosaltir();
    void aramaSirasindaTemizleBirseyYapmaz();
    void temizleListeyiVeKutuyuBosaltir();
    void yeniAramaSuzgeciTemizler();
    void genisVeDarDuzen();
    void fiyatHucresiYazisi();
    void kullaniciTipiSutunlari_data();
    void kullaniciTipiSutunlari();
    void acilirMenu();

private:
    std::unique_ptr<TForm1> Ac(int tip = 3);
    void Ara(TForm1& form, const QString& metin);
    static QLineEdit* Kutu(const TForm1& f) { return f.findChild<QLineEdit*>(u"araedit"_s); }
    static QPushButton* Dugme(const TForm1& f, const QString& ad) { return f.findChild<QPushButton*>(ad); }
    int AramaSayisi();

    std::unique_ptr<TEvKlasoru> m_ev;
    std::unique_ptr<TSahteSunucu> m_sunucu;
    std::unique_ptr<TSeamler> m_seamler;
    QByteArray m_cevap;
    std::atomic<bool> m_bekle = false;
    std::atomic<bool> m_hata = false;
    std::vector<QString> m_gonderilen;
    std::mutex m_kilit;
};

void TestStokArama::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
}

void TestStokArama::init() {
    m_ev->Temizle();
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_sunucu = std::make_unique<TSahteSunucu>();
    m_cevap = StokPaketi(kUcSatir);
    m_bekle = false;
    m_hata = false;
    m_gonderilen.clear();
    m_sunucu->Cevapla([this](const TSahteIstek& istek) -> std::pair<int, QByteArray> {
        if (istek.metot != u"StokAraGetir"_s)
            return {200, QByteArray(R"({"result":[{"table":{"columns":[],"rows":[]}}]})")};
        {
            std::lock_guard kilit(m_kilit);
            m_gonderilen.push_back(istek.parametreler.at(0).toString());
        }
        while (m_bekle)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (m_hata)
            return {500, QByteArray(R"({"error":"down"})")};
        return {200, m_cevap};
    });
    Yonelt(m_sunucu->Port(), KapaliPort());
    m_seamler = std::make_unique<TSeamler>();
}

void TestStokArama::cleanup() {
    m_bekle = false;
    m_seamler.reset();
    m_sunucu.reset();
}

int TestStokArama::AramaSayisi() {
    std::lock_guard kilit(m_kilit);
    return static_cast<int>(m_gonderilen.size());
}

std::unique_ptr<TForm1> TestStokArama::Ac(int tip) {
    m_seamler->modalCevabi = [tip](QDialog* pencere) {
        if (auto* giris = qobject_cast<Tgirisform*>(pencere)) {
            OturumuDoldur(*giris->Bilgim(), tip);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };
    auto form = std::make_unique<TForm1>();
    QSignalSpy bitti(form.get(), &TForm1::acilisGoreviBitti);
    form->FormCreate();
    form->show();
    if (!bitti.wait(kSure))
        qWarning("the start-up task did not finish");
    m_seamler->mesajlar.clear();
    return form;
}

// Types `metin` without the letter replacement and presses "Ara"; waits for the search to end.
void TestStokArama::Ara(TForm1& form, const QString& metin) {
    Kutu(form)->setText(metin);
    form.SpeedButton2Click();
    QTRY_VERIFY_WITH_TIMEOUT(Kutu(form)->isEnabled(), kSure);
}

void TestStokArama::kisaMetinUyarirVeCagirmaz_data() {
    QTest::addColumn<QString>("metin");
    QTest::newRow("empty") << QString();
    QTest::newRow("one letter") << u"A"_s;
    QTest::newRow("blanks around one letter") << u"   A  "_s;
}

void TestStokArama::kisaMetinUyarirVeCagirmaz() {
    QFETCH(QString, metin);
    const auto form = Ac();
    auto* sekmeler = form->findChild<QTabWidget*>(u"sPageControl1"_s);
    sekmeler->setCurrentIndex(2);
    Ara(*form, u"AB"_s);
    QCOMPARE(form->StokVerisi()->RecordCount(), 3);
    sekmeler->setCurrentIndex(2);
    const int once = AramaSayisi();

    Kutu(*form)->setText(metin);
    QTest::keyClick(Kutu(*form), Qt::Key_Return);
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{kKisaUyari});
    QCOMPARE(m_seamler->mesajlar.front().tur, int(mtWarning));
    QCOMPARE(sekmeler->currentWidget(), form->SekmeSayfasi(TSekme::StokListesi));
    QVERIFY(Kutu(*form)->isEnabled());
    TSeamler::TumGorevleriBekle();
    QCOMPARE(AramaSayisi(), once);
    QCOMPARE(form->StokVerisi()->RecordCount(), 3); // the earlier result stays
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"3=Stok Listesi"_s);
}

void TestStokArama::metinKirpilmadanGonderilir_data() {
    QTest::addColumn<QString>("metin");
    QTest::newRow("two letters") << u"AB"_s;
    QTest::newRow("blanks around") << u"  AB "_s;
    QTest::newRow("blank between") << u"A B"_s;
}

void TestStokArama::metinKirpilmadanGonderilir() {
    QFETCH(QString, metin);
    const auto form = Ac();
    Kutu(*form)->setText(metin);
    QTest::keyClick(Kutu(*form), Qt::Key_Return);
    QVERIFY(!Kutu(*form)->isEnabled());
    QVERIFY(!Dugme(*form, u"SpeedButton2"_s)->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(Kutu(*form)->isEnabled(), kSure);
    QCOMPARE(AramaSayisi(), 1);
    QCOMPARE(m_gonderilen.back(), metin);
    QVERIFY(m_seamler->mesajlar.empty());
    QCOMPARE(form->StokVerisi()->RecordCount(), 3);
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 3);
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"3=Stok Listesi"_s);
    QVERIFY(form->findChild<QWidget*>(u"gifstokara"_s)->isHidden());
    QVERIFY(form->StokIzgarasi()->Bagli());
    QVERIFY(!form->StokIzgarasi()->Guncelleniyor());
    QCOMPARE(Kutu(*form)->selectedText(), metin);
    QCOMPARE(QApplication::focusWidget(), Kutu(*form));
    // Floating-point columns carry the money format.
    QCOMPARE(form->StokVerisi()->DisplayTextAt(0, 5), u"1.000,50"_s);
}

void TestStokArama::yazarkenHarflerDegisirYapistirinca_degismez() {
    const auto form = Ac();
    QLineEdit* kutu = Kutu(*form);
    Yaz(kutu, u"çiğ"_s);
    QCOMPARE(kutu->text(), u"CIG"_s);
    Yaz(kutu, u"şöüıİ"_s);
    QCOMPARE(kutu->text(), u"CIGSOUII"_s);

    kutu->clear();
    QApplication::clipboard()->setText(u"çiğ"_s);
    kutu->paste();
    QCOMPARE(kutu->text(), u"ÇIĞ"_s);
    QTest::keyClick(kutu, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(kutu->isEnabled(), kSure);
    QCOMPARE(m_gonderilen.back(), u"ÇIĞ"_s);
}

void TestStokArama::sonucsuzAramaSifirBaslik() {
    m_cevap = StokPaketi({});
    const auto form = Ac();
    Ara(*form, u"ZZZZ"_s);
    QVERIFY(m_seamler->mesajlar.empty());
    QCOMPARE(form->StokVerisi()->RecordCount(), 0);
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 0);
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"0=Stok Listesi"_s);
}

void TestStokArama::basarisizAramaListeyiBosaltir() {
    const auto form = Ac();
    Ara(*form, u"FREN"_s);
    QCOMPARE(form->StokVerisi()->RecordCount(), 3);
    m_hata = true;
    Ara(*form, u"FREN"_s);
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{BaglantiHataMesaji()});
    QCOMPARE(m_seamler->mesajlar.front().tur, int(mtError));
    QCOMPARE(form->StokVerisi()->RecordCount(), 0);
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 0);
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"Stok Listesi"_s);
    QVERIFY(form->findChild<QWidget*>(u"gifstokara"_s)->isHidden());
    QVERIFY(form->StokIzgarasi()->Bagli());

    // A server that cannot be reached fails the same way, once.
    m_seamler->mesajlar.clear();
    form->bagc().Params().SetValues(u"Port"_s, QString::number(KapaliPort()));
    Ara(*form, u"FREN"_s);
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{BaglantiHataMesaji()});
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"Stok Listesi"_s);
    QVERIFY(Kutu(*form)->isEnabled());
}

void TestStokArama::aramaSirasindaTemizleBirseyYapmaz() {
    const auto form = Ac();
    Ara(*form, u"FREN"_s);
    m_bekle = true;
    Kutu(*form)->setText(u"DISK"_s);
    form->SpeedButton2Click();
    QTRY_COMPARE_WITH_TIMEOUT(AramaSayisi(), 2, kSure);
    QVERIFY(!form->findChild<QWidget*>(u"gifstokara"_s)->isHidden());
    QVERIFY(!form->StokIzgarasi()->Bagli());
    form->SpeedButton1Click();
    form->SpeedButton2Click(); // a second search cannot start either
    QCOMPARE(Kutu(*form)->text(), u"DISK"_s);
    QCOMPARE(form->StokVerisi()->RecordCount(), 3);
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"3=Stok Listesi"_s);
    m_bekle = false;
    QTRY_VERIFY_WITH_TIMEOUT(Kutu(*form)->isEnabled(), kSure);
    QCOMPARE(AramaSayisi(), 2);
}

void TestStokArama::temizleListeyiVeKutuyuBosaltir() {
    const auto form = Ac();
    Ara(*form, u"FREN"_s);
    form->StokIzgarasi()->SetSuzgec(u"MARKA", {u"BOSCH"_s});
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 2);
    form->findChild<QTabWidget*>(u"sPageControl1"_s)->setCurrentIndex(3);
    QTest::mouseClick(Dugme(*form, u"SpeedButton1"_s), Qt::LeftButton);
    QCOMPARE(form->StokVerisi()->RecordCount(), 0);
    QVERIFY(!form->StokIzgarasi()->SuzgecVar());
    QCOMPARE(form->SekmeBasligi(TSekme::StokListesi), u"Stok Listesi"_s);
    QCOMPARE(form->findChild<QTabWidget*>(u"sPageControl1"_s)->currentWidget(),
             form->SekmeSayfasi(TSekme::StokListesi));
    QVERIFY(Kutu(*form)->text().isEmpty());
    QTRY_COMPARE(QApplication::focusWidget(), Kutu(*form));
}

void TestStokArama::yeniAramaSuzgeciTemizler() {
    const auto form = Ac();
    Ara(*form, u"FREN"_s);
    form->StokIzgarasi()->SetSuzgec(u"MARKA", {u"VALEO"_s});
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 1);
    Ara(*form, u"FREN"_s);
    QVERIFY(!form->StokIzgarasi()->SuzgecVar());
    QCOMPARE(form->StokIzgarasi()->SatirSayisi(), 3);
}

void TestStokArama::genisVeDarDuzen() {
    const auto form = Ac();
    grid::TVeriIzgarasi* izgara = form->StokIzgarasi();
    const QString fiyatlar[] = {u"KDVDAHIL"_s, u"NETFIYAT"_s, u"KAMPFIYAT"_s, u"LISTEFIYAT1"_s};

    form->resize(1152, 700);
    QTRY_COMPARE(form->width(), 1152);
    QTRY_COMPARE(izgara->SatirYuksekligi(), katalog::DarSatirYuksekligi);
    QVERIFY(izgara->SutunGorunur(katalog::FiyatBilgisiAlani));
    for (const QString& alan : fiyatlar)
        QVERIFY2(!izgara->SutunGorunur(alan), qPrintable(alan));
    QCOMPARE(izgara->SutunGenisligi(katalog::FiyatBilgisiAlani), 150);

    form->resize(1153, 700);
    QTRY_COMPARE(izgara->SatirYuksekligi(), katalog::GenisSatirYuksekligi);
    QVERIFY(!izgara->SutunGorunur(katalog::FiyatBilgisiAlani));
    for (const QString& alan : fiyatlar)
        QVERIFY2(izgara->SutunGorunur(alan), qPrintable(alan));
    // Wide: DURUM 1, BARKOD 2, ADI 4, RESIM 1, MARKA 2, MODEL 2, LISTEFIYAT1 2, KAMPFIYAT 2, Y 1,
    // K 1, INDIRIMYAZI 2, NETFIYAT 2, KDVDAHIL 3 = 25 units.
    const int birim = (izgara->width() - 30) / 25;
    QCOMPARE(izgara->SutunGenisligi(u"ADI"), 4 * birim);
    QCOMPARE(izgara->SutunGenisligi(u"KDVDAHIL"), 3 * birim);

    // A column hidden by the user leaves the weight sum at the next re-layout.
    izgara->SetSutunGorunur(u"ADI", false);
    form->resize(1200, 700);
    QTRY_COMPARE(izgara->SutunGenisligi(u"KDVDAHIL"), 3 * ((izgara->width() - 30) / 21));

    // No re-layout while a search runs; the next size change after it applies.
    m_bekle = true;
    Kutu(*form)->setText(u"FREN"_s);
    form->SpeedButton2Click();
    form->resize(1000, 700);
    QTRY_COMPARE(form->width(), 1000);
    QCoreApplication::processEvents();
    QCOMPARE(izgara->SatirYuksekligi(), katalog::GenisSatirYuksekligi);
    m_bekle = false;
    QTRY_VERIFY_WITH_TIMEOUT(Kutu(*form)->isEnabled(), kSure);
    form->resize(1001, 700);
    QTRY_COMPARE(izgara->SatirYuksekligi(), katalog::DarSatirYuksekligi);
}

void TestStokArama::fiyatHucresiYazisi() {
    const auto form = Ac();
    Ara(*form, u"FREN"_s);
    grid::TVeriIzgarasi* izgara = form->StokIzgarasi();
    const int sutun = izgara->SutunIndeksi(katalog::FiyatBilgisiAlani);
    QVERIFY(sutun >= 0);
    const auto hucre = [&](int satir) {
        return katalog::FiyatBilgisiMetni(izgara->Hucre(izgara->Tablo()->model()->index(satir, sutun)));
    };
    QCOMPARE(hucre(0), u"Liste Fiyatı: 1.000,50\nNetFiyat: 900,00\nKDV li Fiyat: 1.080,00\n"_s);
    QCOMPARE(hucre(1),
             u"Liste Fiyatı: 2.000,00\nKampanyalı Fiyat: 1.500,00\nNetFiyat: 1.350,00\nKDV li Fiyat: 1.620,00\n"_s);
    // The cell is painted by the hook, on the narrow layout, without a failure.
    form->resize(1000, 700);
    QTRY_VERIFY(izgara->SutunGorunur(katalog::FiyatBilgisiAlani));
    QVERIFY(!izgara->grab().isNull());
}

void TestStokArama::kullaniciTipiSutunlari_data() {
    QTest::addColumn<int>("tip");
    QTest::addColumn<bool>("stokSayilari");
    QTest::addColumn<bool>("kampanya");
    QTest::newRow("sales 1") << 1 << true << true;
    QTest::newRow("sales 2") << 2 << true << true;
    QTest::newRow("dealer 3") << 3 << false << true;
    QTest::newRow("reduced dealer 4") << 4 << false << false;
}

void TestStokArama::kullaniciTipiSutunlari() {
    QFETCH(int, tip);
    QFETCH(bool, stokSayilari);
    QFETCH(bool, kampanya);
    const auto form = Ac(tip);
    grid::TVeriIzgarasi* izgara = form->StokIzgarasi();
    for (const QString& alan : {u"KALAN"_s, u"ALINANSIPARIS"_s, u"VERILENSIPARIS"_s}) {
        QCOMPARE(izgara->SutunGorunur(alan), stokSayilari);
        QCOMPARE(izgara->SutunSecicide(alan), stokSayilari);
    }
    QCOMPARE(izgara->SutunGorunur(u"K"), kampanya);
    // The wide re-layout brings the campaign price back for every type.
    form->resize(1300, 700);
    QTRY_COMPARE(izgara->SatirYuksekligi(), katalog::GenisSatirYuksekligi);
    QVERIFY(izgara->SutunGorunur(u"KAMPFIYAT"));
    QCOMPARE(izgara->SutunGorunur(u"K"), kampanya);
    // The chooser never offers the hidden key columns.
    for (const QString& alan : {u"STOK_STOKNO"_s, u"BARKOD_BARKODNO"_s, u"DPKOD"_s, u"PKOD"_s})
        QVERIFY(!izgara->SutunSecicide(alan));
    // The basket grid: "Kalan" for the sales staff, no "Durum" for type 3.
    grid::TVeriIzgarasi* sepet = form->SepetIzgarasi();
    QCOMPARE(sepet->SutunGorunur(u"KALAN"), stokSayilari);
    QCOMPARE(sepet->SutunSecicide(u"KALAN"), stokSayilari);
    QCOMPARE(sepet->SutunGorunur(u"DURUM"), tip != 3);
}

void TestStokArama::acilirMenu() {
    const auto form = Ac();
    auto* menu = form->StokIzgarasi()->findChild<QMenu*>(u"PopupMenu1"_s);
    QVERIFY(menu);
    QStringList ogeler;
    for (const QAction* eylem : menu->actions())
        ogeler << eylem->text();
    QCOMPARE(ogeler, (QStringList{u"Sepete Ekle"_s, u"Sipariş Bakiyeleriniz"_s, u"Siparişleri Göster"_s}));
}

QTEST_MAIN(TestStokArama)
#include "tst_stokarama.moc"
