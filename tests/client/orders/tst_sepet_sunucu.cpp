// The road of one order against a real server process: a dealer searches, opens the item dialog,
// puts items into the basket, marks lines, sees the totals, deletes, chooses delivery, cargo type
// and company, confirms and sends; the database shows what the server recorded.
#include "client/account/seccariu.h"
#include "client/app/Unit1.h"
#include "client/catalogue/stokayarintiU.h"
#include "client/orders/ONAYSIPU.h"
#include "client/remote/baglanti.h"
#include "client/remote/proxim.h"
#include "client/remote/sayilar.h"
#include "client/session/girisformu.h"
#include "platform/datasnap/dataset.h"
#include "platform/grid/izgara.h"
#include "platform/system/sistem.h"
#include "platform/widgets/parakutusu.h"
#include "platform/widgets/secenekkutusu.h"
#include "tests/client/session/testortami.h"
#include "tests/e2e/oturumyardimi.h"
#include "tests/e2e/sunucusureci.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

// Confirms the item dialog with `miktar` as the user would: types the quantity, presses the button.
int DiyaloguOnayla(QDialog* pencere, int miktar) {
    auto* adet = pencere->findChild<QDoubleSpinBox*>(u"adet"_s);
    adet->setValue(miktar);
    for (QPushButton* d : pencere->findChildren<QPushButton*>())
        if (d->text() == u"Sipariş ekle"_s)
            d->click();
    return pencere->result();
}

int Alan(const datasnap::TClientDataSet& veri, const QString& ad) {
    return veri.FieldByName(ad)->Index();
}

} // namespace

class TestSepetSunucu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void aramadanSepete();
    void varOlanSatirDegisir();
    void isaretlerVeToplamlar();
    void secHucresiVeDigerHucre();
    void silmeSorulari();
    void siparisDenetimleri();
    void siparisGider();
    void sunucuDurunca_isaretlerSunucununkidir();
    void excelKaydet();
    void bakiyeUyarisiGelir();
    void temsilcininFiyatiGider();

private:
    TForm1& Form() { return *m_form; }
    int CariNo() { return m_form->sbilgi().CARINO(); }
    void Ara(const QString& metin);
    void SepeteKoy(int stokSatiri, int miktar);
    int SepetteSatir(int sirano) const;
    int SunucudakiSec(int sirano) const;
    QString Etiket(const QString& ad) const { return m_form->findChild<QLabel*>(ad)->text(); }
    void SepetSekmesineGec();
    void HucreyeOdaklan(int kayit, const QString& alan);

    std::unique_ptr<TEvKlasoru> m_ev;
    std::unique_ptr<TSunucuSureci> m_sunucu;
    std::unique_ptr<TSeamler> m_seamler;
    std::unique_ptr<TSahteMakine> m_makine;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TTestVeritabani> m_db;
    std::function<int(QDialog*)> m_diyalog; // answers the windows after the login
    QString m_kullanici = u"BAYI3"_s;       // who logs in
    int m_bayiCarisi = 0;                   // the customer a representative chooses
};

void TestSepetSunucu::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
    m_sunucu = std::make_unique<TSunucuSureci>(300);
    QVERIFY(m_sunucu->Baslat());
    Yonelt(m_sunucu->Port(), m_sunucu->Port());
    m_db = std::make_unique<TTestVeritabani>(m_sunucu->Veritabani());
    m_seamler = std::make_unique<TSeamler>();
    m_makine = std::make_unique<TSahteMakine>(u"TEST-MAKINE-3"_s);
    m_seamler->modalCevabi = [this](QDialog* pencere) {
        if (qobject_cast<Tgirisform*>(pencere))
            return GirisiYaz(pencere, m_kullanici, u"1234"_s);
        // A representative chooses the customer to work for at login: the dealer's customer.
        if (auto* secim = qobject_cast<Tseccari*>(pencere)) {
            auto* giris = qobject_cast<Tgirisform*>(secim->parentWidget());
            giris->Bilgim()->SetCARINO(m_bayiCarisi);
            return int(QDialog::Accepted);
        }
        return m_diyalog ? m_diyalog(pencere) : int(QDialog::Rejected);
    };
    m_form = std::make_unique<TForm1>();
    QSignalSpy bitti(m_form.get(), &TForm1::acilisGoreviBitti);
    m_form->FormCreate();
    m_form->show();
    QVERIFY(bitti.wait(kSure));
}

void TestSepetSunucu::cleanupTestCase() {
    m_form.reset();
    m_seamler.reset();
}

// Every case starts from an empty basket of the dealer's customer, on the stock tab.
void TestSepetSunucu::init() {
    if (!m_sunucu->Calisiyor()) {
        QVERIFY(m_sunucu->Baslat({u"--port"_s, QString::number(m_sunucu->Port())}));
    }
    m_db->Komut(u"DELETE FROM SEPET WHERE CARINO = ?"_s, {CariNo()});
    m_form->SepetYenile();
    m_seamler->mesajlar.clear();
    m_seamler->modallar.clear();
    m_diyalog = {};
    m_form->findChild<QTabWidget*>(u"sPageControl1"_s)->setCurrentIndex(0);
}

void TestSepetSunucu::Ara(const QString& metin) {
    auto* kutu = m_form->findChild<QLineEdit*>(u"araedit"_s);
    kutu->setText(metin);
    m_form->SpeedButton2Click();
    QTRY_VERIFY_WITH_TIMEOUT(kutu->isEnabled(), kSure);
    QVERIFY(m_form->StokVerisi()->RecordCount() > 3);
}

// Double-clicks the stock row and confirms the dialog with `miktar`.
void TestSepetSunucu::SepeteKoy(int stokSatiri, int miktar) {
    QVERIFY(m_form->StokIzgarasi()->KaydaOdaklan(stokSatiri));
    m_diyalog = [miktar](QDialog* pencere) {
        return qobject_cast<Tstokayarinti*>(pencere) ? DiyaloguOnayla(pencere, miktar) : int(QDialog::Rejected);
    };
    m_form->cxGrid1DBTableView1DblClick();
    m_diyalog = {};
}

int TestSepetSunucu::SepetteSatir(int sirano) const {
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    for (int r = 0; r < sepet.RecordCount(); ++r)
        if (sepet.ValueAt(r, Alan(sepet, u"SIRANO"_s)).toInt() == sirano)
            return r;
    return -1;
}

int TestSepetSunucu::SunucudakiSec(int sirano) const {
    return m_db->Deger(u"SELECT SEC FROM SEPET WHERE SIRANO = ?"_s, {sirano}).toInt();
}

void TestSepetSunucu::SepetSekmesineGec() {
    auto* sekmeler = m_form->findChild<QTabWidget*>(u"sPageControl1"_s);
    sekmeler->setCurrentWidget(m_form->SekmeSayfasi(TSekme::Sepet));
}

void TestSepetSunucu::HucreyeOdaklan(int kayit, const QString& alan) {
    grid::TVeriIzgarasi* izgara = m_form->SepetIzgarasi();
    QVERIFY(izgara->KaydaOdaklan(kayit));
    QTableView* tablo = izgara->Tablo();
    const QModelIndex simdiki = tablo->currentIndex();
    tablo->setCurrentIndex(tablo->model()->index(simdiki.row(), izgara->SutunIndeksi(alan)));
    QCOMPARE(izgara->OdakliSutun().toUpper(), alan);
}

void TestSepetSunucu::aramadanSepete() {
    Ara(u"FREN"_s);
    const datasnap::TClientDataSet& stok = *m_form->StokVerisi();
    const int stokno = stok.ValueAt(0, Alan(stok, u"STOK_STOKNO"_s)).toInt();
    SepeteKoy(0, 3);
    QVERIFY2(m_seamler->mesajlar.empty(), qPrintable(m_seamler->MesajMetinleri().join(u" | "_s)));
    QCOMPARE(m_seamler->modallar.size(), size_t(1));
    QCOMPARE(m_seamler->modallar[0].baslik, u"Sepete Ekle"_s);

    // The server holds the line with its own amounts; the basket shows it after the reload.
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 1);
    QCOMPARE(
        m_db->Deger(u"SELECT MIKTAR FROM SEPET WHERE CARINO = ? AND STOK_STOKNO = ?"_s, {CariNo(), stokno}).toDouble(),
        3.0);
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    QCOMPARE(sepet.RecordCount(), 1);
    QCOMPARE(sepet.ValueAt(0, Alan(sepet, u"STOKNO"_s)).toInt(), stokno);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"1=Sepet"_s);

    SepeteKoy(1, 2);
    QCOMPARE(sepet.RecordCount(), 2);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"2=Sepet"_s);

    // A cancelled dialog sends nothing and reloads nothing.
    QVERIFY(m_form->StokIzgarasi()->KaydaOdaklan(2));
    m_form->cxGrid1DBTableView1DblClick();
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 2);
}

// An item already in the basket opens that line; confirming changes it instead of adding another.
void TestSepetSunucu::varOlanSatirDegisir() {
    Ara(u"FREN"_s);
    SepeteKoy(0, 3);
    const int sirano = m_db->Deger(u"SELECT SIRANO FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt();
    int gosterilenMiktar = -1;
    m_diyalog = [&gosterilenMiktar](QDialog* pencere) {
        gosterilenMiktar = qRound(pencere->findChild<QDoubleSpinBox*>(u"adet"_s)->value());
        return DiyaloguOnayla(pencere, 5);
    };
    QVERIFY(m_form->StokIzgarasi()->KaydaOdaklan(0));
    m_form->cxGrid1DBTableView1DblClick();
    QCOMPARE(gosterilenMiktar, 3);
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 1);
    QCOMPARE(m_db->Deger(u"SELECT MIKTAR FROM SEPET WHERE SIRANO = ?"_s, {sirano}).toDouble(), 5.0);
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    QCOMPARE(sepet.ValueAt(0, Alan(sepet, u"MIKTAR"_s)).toDouble(), 5.0);
}

// Marks are stored on the server; the totals add up the marked lines only.
void TestSepetSunucu::isaretlerVeToplamlar() {
    Ara(u"FREN"_s);
    for (int i = 0; i < 3; ++i)
        SepeteKoy(i, i + 1);
    SepetSekmesineGec();
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    QCOMPARE(sepet.RecordCount(), 3);

    m_form->Button5Click();
    for (const QString& ad : {u"aratoplaml"_s, u"indiriml"_s, u"nettutarl"_s, u"vergil"_s, u"geneltoplaml"_s})
        QCOMPARE(Etiket(ad), ParaYaz(0));
    QCOMPARE(m_db->Deger(u"SELECT SUM(SEC) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 0);

    m_form->Button4Click();
    QCOMPARE(m_db->Deger(u"SELECT SUM(SEC) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 3);
    const double toplam = m_db->Deger(u"SELECT SUM(TUTAR) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toDouble();
    const double indirim =
        m_db->Deger(u"SELECT SUM(INDIRIMTUTAR) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toDouble();
    QCOMPARE(Etiket(u"aratoplaml"_s), ParaYaz(Yuvarla(toplam)));
    QCOMPARE(Etiket(u"indiriml"_s), ParaYaz(Yuvarla(indirim)));
    QCOMPARE(Etiket(u"nettutarl"_s), ParaYaz(Yuvarla(toplam - indirim)));

    // A reload shows the server's marks again.
    m_form->SepetYenile();
    for (int r = 0; r < 3; ++r)
        QCOMPARE(sepet.ValueAt(r, Alan(sepet, u"SEC"_s)).toInt(), 1);
}

// A double-click on "Seç" toggles the mark; on any other cell it opens the item dialog.
void TestSepetSunucu::secHucresiVeDigerHucre() {
    Ara(u"FREN"_s);
    SepeteKoy(0, 1);
    SepetSekmesineGec();
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    const int sirano = sepet.ValueAt(0, Alan(sepet, u"SIRANO"_s)).toInt();
    const int once = SunucudakiSec(sirano);
    const QString genelOnce = Etiket(u"geneltoplaml"_s);

    HucreyeOdaklan(0, u"SEC"_s);
    m_seamler->modallar.clear();
    m_form->Deitir1Click();
    QVERIFY(m_seamler->modallar.empty());
    QCOMPARE(SunucudakiSec(sirano), 1 - once);
    QCOMPARE(sepet.ValueAt(SepetteSatir(sirano), Alan(sepet, u"SEC"_s)).toInt(), 1 - once);
    QVERIFY(Etiket(u"geneltoplaml"_s) != genelOnce);

    HucreyeOdaklan(0, u"STOKADI"_s);
    m_form->Deitir1Click(); // the dialog is cancelled
    QCOMPARE(m_seamler->modallar.size(), size_t(1));
    QCOMPARE(m_seamler->modallar[0].sinif, u"Tstokayarinti"_s);
    QCOMPARE(SunucudakiSec(sirano), 1 - once);
}

void TestSepetSunucu::silmeSorulari() {
    SepetSekmesineGec();
    // An empty basket asks nothing.
    m_form->HepsiniSil1Click();
    QVERIFY(m_seamler->mesajlar.empty());
    // Enter on a control that does not use it presses "Gönder".
    QTest::keyClick(m_form->findChild<widgets::TSecenekKutusu*>(u"teslimbox"_s)->Dugme(0), Qt::Key_Return);
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{u"Gönderilecek Parça Yok "_s});
    m_seamler->mesajlar.clear();

    Ara(u"FREN"_s);
    SepeteKoy(0, 1);
    SepeteKoy(1, 1);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"2=Sepet"_s);
    QVERIFY(m_form->SepetIzgarasi()->KaydaOdaklan(0));

    // "Hayır", Escape and the close button answer the same: nothing is deleted.
    for (const int cevap : {int(mrNo), int(mrCancel), int(mrNone)}) {
        m_seamler->mesajlar.clear();
        m_seamler->mesajCevabi = [cevap](const MesajIstegi&) { return cevap; };
        m_form->SatrSil1Click();
        m_form->HepsiniSil1Click();
        QCOMPARE(m_seamler->MesajMetinleri(),
                 QStringList({u"Satırı silmek istiyor musunuz "_s, u"Tüm Sepeti Silmek İstiyor musunuz "_s}));
        QCOMPARE(m_seamler->mesajlar[0].odakliTus, int(mbNo));
        QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 2);
    }

    m_seamler->mesajlar.clear();
    m_seamler->mesajCevabi = [](const MesajIstegi& m) { return m.tur == mtConfirmation ? int(mrYes) : int(mrOk); };
    m_form->SatrSil1Click();
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList({u"Satırı silmek istiyor musunuz "_s, u"Satır silindi !"_s}));
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 1);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"1=Sepet"_s);

    m_seamler->mesajlar.clear();
    m_form->HepsiniSil1Click();
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList({u"Tüm Sepeti Silmek İstiyor musunuz "_s, u"Sepet Silindi !"_s}));
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), 0);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"0=Sepet"_s);
    m_seamler->mesajCevabi = {};
}

// Each check of "Gönder" in its order; coming back to the tab clears the cargo type.
void TestSepetSunucu::siparisDenetimleri() {
    Ara(u"FREN"_s);
    SepeteKoy(0, 1);
    SepetSekmesineGec();
    auto* teslim = m_form->findChild<widgets::TSecenekKutusu*>(u"teslimbox"_s);
    auto* kargoTurleri = m_form->findChild<widgets::TSecenekKutusu*>(u"boxkargo"_s);
    auto* kargo = m_form->findChild<QComboBox*>(u"kargocombo"_s);
    QCOMPARE(teslim->Sayi(), 4);
    QCOMPARE(teslim->SeciliIndeks(), 1); // the second option is preselected
    QCOMPARE(kargoTurleri->Sayi(), 3);
    QCOMPARE(kargoTurleri->SeciliIndeks(), -1);

    const auto gonder = [&] {
        m_seamler->mesajlar.clear();
        m_form->Button1Click();
        return m_seamler->MesajMetinleri().value(0);
    };
    m_form->Button5Click();
    QCOMPARE(gonder(), u"Gönderilecek Parça Yok "_s);
    m_form->Button4Click();
    teslim->SetSeciliIndeks(-1);
    QCOMPARE(gonder(), u"Lütfen Teslim Durumu Seçiniz !"_s);
    teslim->SetSeciliIndeks(0);
    QCOMPARE(gonder(), u"Lütfen Kargo Türünü Seçiniz !"_s);

    // A type with several companies selects none; "Gönder" asks for one.
    kargoTurleri->Dugme(0)->click();
    QCOMPARE(kargo->count(), 5);
    QCOMPARE(kargo->currentIndex(), 0);
    QCOMPARE(gonder(), u"Lütfen Kargo  Seçiniz !"_s);
    QCOMPARE(m_seamler->mesajlar[0].baslik, u"Uyarı"_s);

    // A type with one company selects it and shows its notice.
    kargoTurleri->Dugme(2)->click();
    QCOMPARE(kargo->count(), 2);
    QCOMPARE(kargo->currentText(), u"Tevrano Dağıtım Aracı"_s);
    QCOMPARE(Etiket(u"uyarikargo"_s), u"Şehir içi dağıtım her gün 14:00'te yola çıkar."_s);

    // Back on the tab the cargo type is gone although a company still shows.
    m_form->findChild<QTabWidget*>(u"sPageControl1"_s)->setCurrentIndex(0);
    SepetSekmesineGec();
    QCOMPARE(kargoTurleri->SeciliIndeks(), -1);
    QCOMPARE(kargo->currentText(), u"Tevrano Dağıtım Aracı"_s);
    QCOMPARE(gonder(), u"Lütfen Kargo Türünü Seçiniz !"_s);
}

// The order holds exactly the marked lines; the basket keeps the others; the note keeps its line
// breaks and is emptied afterwards.
void TestSepetSunucu::siparisGider() {
    Ara(u"FREN"_s);
    for (int i = 0; i < 3; ++i)
        SepeteKoy(i, i + 1);
    SepetSekmesineGec();
    m_form->Button4Click();
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    const int kalacak = sepet.ValueAt(1, Alan(sepet, u"SIRANO"_s)).toInt();
    HucreyeOdaklan(1, u"SEC"_s);
    m_form->Deitir1Click(); // the second line stays in the basket
    QCOMPARE(SunucudakiSec(kalacak), 0);

    auto* kargoTurleri = m_form->findChild<widgets::TSecenekKutusu*>(u"boxkargo"_s);
    kargoTurleri->Dugme(2)->click();
    const QString not_ = u"Öğleden önce\nkapıya bırakın"_s;
    m_form->findChild<QPlainTextEdit*>(u"aciklamagir"_s)->setPlainText(not_);

    // "Hayır" sends nothing.
    QString ozet;
    QString bakiye;
    m_diyalog = [&ozet, &bakiye](QDialog* pencere) {
        if (auto* onay = qobject_cast<TONAYSIP*>(pencere)) {
            ozet = onay->findChild<QLabel*>(u"Label2"_s)->text();
            bakiye = onay->findChild<QLabel*>(u"Label3"_s)->text();
        }
        return int(QDialog::Rejected);
    };
    const int siparisler = m_db->Deger(u"SELECT COUNT(*) FROM SIPARISLER"_s).toInt();
    m_form->Button1Click();
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SIPARISLER"_s).toInt(), siparisler);
    const QStringList satirlar = ozet.split(u'\n');
    QCOMPARE(satirlar.size(), 8); // seven lines; the note brings its own break
    QCOMPARE(satirlar[0], u"Kullanıcı: "_s + m_form->sbilgi().ADI());
    QCOMPARE(satirlar[1], u"Cari     : "_s + m_form->sbilgi().CariAdi());
    QCOMPARE(satirlar[2], u"Teslim   : Kendisi Alacak"_s);
    QCOMPARE(satirlar[3], u"Kargo    : Kendi Aracımız"_s);
    QCOMPARE(satirlar[4], u"Tutar    : "_s + Etiket(u"geneltoplaml"_s));
    QCOMPARE(satirlar[5], u"Kargo    : Tevrano Dağıtım Aracı"_s);
    QCOMPARE(satirlar[6], u"Açıklama : Öğleden önce"_s);
    QCOMPARE(bakiye, Etiket(u"lbluyarbakiye"_s));

    m_diyalog = [](QDialog* pencere) {
        return qobject_cast<TONAYSIP*>(pencere) ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
    m_seamler->mesajlar.clear();
    m_form->Button1Click();
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{u"Siparişiniz Gönderildi !"_s});
    const int idno = m_db->Deger(u"SELECT MAX(IDNO) FROM SIPARISLER WHERE CARINO = ?"_s, {CariNo()}).toInt();
    QCOMPARE(m_db->Deger(u"SELECT VERENINNOTU FROM SIPARISLER WHERE IDNO = ?"_s, {idno}).toString(), not_);
    QCOMPARE(m_db->Deger(u"SELECT TESLIMID FROM SIPARISLER WHERE IDNO = ?"_s, {idno}).toInt(), 2);
    QCOMPARE(m_db->Deger(u"SELECT KARGOTURID FROM SIPARISLER WHERE IDNO = ?"_s, {idno}).toInt(), 3);
    QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI WHERE IDNO = ?"_s, {idno}).toInt(), 2);
    QCOMPARE(
        m_db->Deger(u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI WHERE IDNO = ? AND SEPETSIRANO = ?"_s, {idno, kalacak})
            .toInt(),
        0);
    QCOMPARE(m_db->Deger(u"SELECT SIRANO FROM SEPET WHERE CARINO = ?"_s, {CariNo()}).toInt(), kalacak);
    QCOMPARE(sepet.RecordCount(), 1);
    QCOMPARE(m_form->SekmeBasligi(TSekme::Sepet), u"1=Sepet"_s);
    QVERIFY(m_form->findChild<QPlainTextEdit*>(u"aciklamagir"_s)->toPlainText().isEmpty());
}

// The server stops while the lines are being marked: one connection message, and the screen shows
// the marks the server holds, also after it is back.
void TestSepetSunucu::sunucuDurunca_isaretlerSunucununkidir() {
    Ara(u"FREN"_s);
    for (int i = 0; i < 3; ++i)
        SepeteKoy(i, 1);
    SepetSekmesineGec();
    m_form->Button5Click();
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    // The server goes down right after the first line's mark was stored.
    QMetaObject::Connection kes = connect(m_form->SepetVerisi(), &datasnap::TClientDataSet::rowChanged, this, [this] {
        if (m_sunucu->Calisiyor())
            m_sunucu->Oldur();
    });
    m_form->Button4Click();
    disconnect(kes);
    QCOMPARE(m_seamler->MesajMetinleri(), QStringList{u"Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"_s});
    const auto isaretler = [&] {
        QList<int> s;
        for (int r = 0; r < sepet.RecordCount(); ++r)
            s << sepet.ValueAt(r, Alan(sepet, u"SEC"_s)).toInt();
        return s;
    };
    QCOMPARE(isaretler(), (QList<int>{1, 0, 0}));
    QCOMPARE(Etiket(u"aratoplaml"_s), ParaYaz(Yuvarla(sepet.ValueAt(0, Alan(sepet, u"TUTAR"_s)).toDouble())));

    QVERIFY(m_sunucu->Baslat({u"--port"_s, QString::number(m_sunucu->Port())}));
    m_form->SepetYenile();
    QCOMPARE(isaretler(), (QList<int>{1, 0, 0}));
}

// The basket grid as a workbook that LibreOffice reads back with the same rows; a cancelled save
// dialog writes nothing.
void TestSepetSunucu::excelKaydet() {
    Ara(u"FREN"_s);
    SepeteKoy(0, 2);
    SepeteKoy(1, 7);
    SepetSekmesineGec();
    QTemporaryDir klasor;
    const QString dosya = klasor.filePath(u"sepet"_s);
    QString sorulan;
    sistem::KayitDosyasiSormayiAyarla([&](const QString&, const QString& suzgec) {
        sorulan = suzgec;
        return QString();
    });
    m_form->Button2Click();
    QVERIFY(sorulan.contains(u"*.xls*"_s));
    QVERIFY(QDir(klasor.path()).isEmpty());

    sistem::KayitDosyasiSormayiAyarla([&](const QString&, const QString&) { return dosya; });
    m_form->Button2Click();
    sistem::KayitDosyasiSormayiAyarla({});
    QVERIFY(m_seamler->mesajlar.empty());
    const QString kitap = dosya + u".xlsx"_s;
    QVERIFY(QFileInfo::exists(kitap));

    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QProcess p;
    p.setWorkingDirectory(klasor.path());
    p.start(soffice, {u"-env:UserInstallation=file://"_s + klasor.filePath(u"lo"_s), u"--headless"_s, u"--convert-to"_s,
                      u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"--outdir"_s, klasor.path(), kitap});
    QVERIFY(p.waitForFinished(120000));
    QFile csv(klasor.filePath(u"sepet.csv"_s));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(QString::fromUtf8(p.readAllStandardError())));
    const QStringList satirlar = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(satirlar.size(), 4); // captions, the two lines and the footer
    QVERIFY(satirlar[0].contains(u"Stok Açıklama"_s));
    const datasnap::TClientDataSet& sepet = *m_form->SepetVerisi();
    for (int r = 0; r < 2; ++r)
        QVERIFY2(satirlar[r + 1].contains(sepet.ValueAt(r, Alan(sepet, u"BARKOD"_s)).toString()),
                 qPrintable(satirlar[r + 1]));
    // The quantities arrive as numbers (shown with their two decimals).
    const QString iki = satirlar[1] + u'\n' + satirlar[2];
    QVERIFY2(iki.contains(QRegularExpression(u"(^|,)2(\\.00)?(,|$)"_s, QRegularExpression::MultilineOption)),
             qPrintable(iki));
    QVERIFY2(iki.contains(QRegularExpression(u"(^|,)7(\\.00)?(,|$)"_s, QRegularExpression::MultilineOption)),
             qPrintable(iki));
}

// Showing the basket fetches the server's overdue warning for the customer into the red label.
void TestSepetSunucu::bakiyeUyarisiGelir() {
    QString beklenen;
    const std::unique_ptr<datasnap::TSQLConnection> kopya = m_form->bagc().CloneConnection();
    QVERIFY(OnPlandaCagir(*kopya, [&](TServerMethods1Client& p) { beklenen = p.CariVadeGunGecmismiBul(CariNo()); }));
    QVERIFY(!beklenen.isEmpty()); // the demo dealer has overdue movements
    SepetSekmesineGec();
    QTRY_COMPARE_WITH_TIMEOUT(Etiket(u"lbluyarbakiye"_s), beklenen, kSure);
    QVERIFY(m_seamler->mesajlar.empty());
}

// A sales representative may change the unit price of a new line; the line keeps that price.
void TestSepetSunucu::temsilcininFiyatiGider() {
    const int cariNo = CariNo();
    m_bayiCarisi = cariNo;
    TSahteMakine makine(u"TEST-MAKINE-1"_s);
    m_kullanici = u"TEMSILCI1"_s;
    TForm1 temsilci;
    QSignalSpy bitti(&temsilci, &TForm1::acilisGoreviBitti);
    temsilci.FormCreate();
    QVERIFY(bitti.wait(kSure));
    QCOMPARE(temsilci.sbilgi().CARINO(), cariNo);
    auto* kutu = temsilci.findChild<QLineEdit*>(u"araedit"_s);
    kutu->setText(u"FREN"_s);
    temsilci.SpeedButton2Click();
    QTRY_VERIFY_WITH_TIMEOUT(kutu->isEnabled(), kSure);
    QVERIFY(temsilci.StokIzgarasi()->KaydaOdaklan(0));
    bool degisebilir = false;
    m_diyalog = [&degisebilir](QDialog* pencere) {
        auto* fiyat = pencere->findChild<widgets::TParaKutusu*>(u"birimfiyat"_s);
        degisebilir = !fiyat->isReadOnly();
        fiyat->SetDeger(123.45);
        return DiyaloguOnayla(pencere, 2);
    };
    temsilci.cxGrid1DBTableView1DblClick();
    m_diyalog = {};
    QVERIFY(degisebilir);
    QCOMPARE(m_db->Deger(u"SELECT BIRIMFIYAT FROM SEPET WHERE CARINO = ?"_s, {cariNo}).toDouble(), 123.45);
    QCOMPARE(m_db->Deger(u"SELECT TUTAR FROM SEPET WHERE CARINO = ?"_s, {cariNo}).toDouble(), 246.9);
}

QTEST_MAIN(TestSepetSunucu)
#include "tst_sepet_sunucu.moc"
