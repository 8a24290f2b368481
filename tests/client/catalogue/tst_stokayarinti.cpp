// The item dialog "Sepete Ekle" on small fixture rows: the values and captions of each flow, the
// total, confirming with Enter and the buttons, the focus on opening; and its picture loader
// against a stand-in server for the answers the demo server never gives (a transfer cut short,
// bytes that are no picture, an error answer).
#include "client/catalogue/stokayarintiU.h"
#include "client/remote/utils.h"
#include "platform/datasnap/connection.h"
#include "platform/datasnap/dataset.h"
#include "platform/widgets/parakutusu.h"
#include "platform/widgets/sayikutusu.h"
#include "tests/client/proxy/sahteSunucu.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using datasnap::TFieldDef;
using datasnap::TFieldType;

namespace {

// One list row: list price 100, net 90, KDVDAHIL 108.50 (deliberately not R(90 × 1.20) = 108, so
// that the flow that computes it can be told apart), VAT 20 %, discount text "10".
std::unique_ptr<datasnap::TClientDataSet> ListeSatiri(int k) {
    auto veri = std::make_unique<datasnap::TClientDataSet>();
    const auto yazi = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::WideString, 0}; };
    const auto ondalik = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Double, 0}; };
    const auto tam = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Int32, 0}; };
    veri->SetFieldDefs({tam("STOK_STOKNO"), yazi("BARKOD"), yazi("ADI"), yazi("MARKA"), yazi("FINISHKOD"),
                        yazi("MODEL"), ondalik("KDV"), ondalik("FIYAT"), ondalik("NETFIYAT"), ondalik("KDVDAHIL"),
                        yazi("INDIRIMYAZI"), tam("K"), ondalik("IND1"), ondalik("IND2"), ondalik("IND3"),
                        ondalik("IND4")});
    veri->AppendRow({7, u"8690001"_s, u"FREN BALATASI ÖN"_s, u"BOSCH"_s, u"FK-12"_s, u"DOBLO"_s, 20.0, 100.0, 90.0,
                     108.5, u"10"_s, k, 10.0, 5.0, 2.0, 1.0});
    veri->AppendRow({8, u"8690002"_s, u"HAVA FİLTRESİ"_s, u"VALEO"_s, u""_s, u""_s, 20.0, 50.0, 45.0, 54.0, u"10"_s, k,
                     0.0, 0.0, 0.0, 0.0});
    veri->First();
    return veri;
}

// One basket line: unit price 12.50, net 10, VAT 18 %.
std::unique_ptr<datasnap::TClientDataSet> SepetSatiri(int miktar) {
    auto veri = std::make_unique<datasnap::TClientDataSet>();
    const auto yazi = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::WideString, 0}; };
    const auto ondalik = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Double, 0}; };
    const auto tam = [](const char* ad) { return TFieldDef{QString::fromLatin1(ad), TFieldType::Int32, 0}; };
    veri->SetFieldDefs({tam("SIRANO"), tam("STOKNO"), yazi("BARKOD"), yazi("STOKADI"), yazi("MARKA"), yazi("FINISHKOD"),
                        yazi("MODEL"), ondalik("KDV"), ondalik("BIRIMFIYAT"), ondalik("NETBIRIMFIYAT"),
                        ondalik("MIKTAR"), ondalik("INDIRIMORANI1"), ondalik("INDIRIMORANI2"), ondalik("INDIRIMORANI3"),
                        ondalik("INDIRIMORANI4")});
    veri->AppendRow({3, 7, u"8690001"_s, u"FREN BALATASI ÖN"_s, u"BOSCH"_s, u"FK-12"_s, u"DOBLO"_s, 18.0, 12.5, 10.0,
                     double(miktar), 20.0, 0.0, 0.0, 0.0});
    veri->First();
    return veri;
}

template <typename T> T* Bul(const QWidget& pencere, const QString& ad) {
    T* w = pencere.findChild<T*>(ad);
    if (!w)
        qFatal("no control %s", qPrintable(ad));
    return w;
}

QString Yazi(const Tstokayarinti& d, const QString& ad) {
    return Bul<QLabel>(d, ad)->text();
}

widgets::TParaKutusu* Kutu(const Tstokayarinti& d, const QString& ad) {
    return Bul<widgets::TParaKutusu>(d, ad);
}

QLineEdit* AdetYazisi(const Tstokayarinti& d) {
    return Bul<widgets::TSayiKutusu>(d, u"adet"_s)->findChild<QLineEdit*>();
}

// Shows the dialog and waits until it is active, as the modal run would.
void Goster(Tstokayarinti& d) {
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
}

void AdetYaz(Tstokayarinti& d, const QString& metin) {
    auto* adet = Bul<widgets::TSayiKutusu>(d, u"adet"_s);
    adet->setFocus();
    AdetYazisi(d)->selectAll();
    QTest::keyClicks(adet, metin);
}

// The answer of ResimVer5: `boy`, then the stream.
QByteArray ResimCevabi(qint64 boy, const QByteArray& baytlar) {
    return R"({"result":[)" + QByteArray::number(boy) + R"(,{"stream":")" + baytlar.toBase64() + R"("}]})";
}

QByteArray JpegResmi() {
    QImage resim(40, 20, QImage::Format_RGB32);
    resim.fill(Qt::red);
    QByteArray baytlar;
    QBuffer tampon(&baytlar);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "JPG");
    return baytlar;
}

} // namespace

Q_DECLARE_METATYPE(TStokListesi)

class TestStokAyarinti : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listeAkisi_data();
    void listeAkisi();
    void sepetSatiri_data();
    void sepetSatiri();
    void tutarAdetVeKutulardaYenilenir();
    void acilistaAdetOdakliVeSecili();
    void enterAdetteOnaylar_data();
    void enterAdetteOnaylar();
    void enterBaskaYerdeOnaylamaz();
    void tuslar();
    void resimOrantiliVeOrtada_data();
    void resimOrantiliVeOrtada();

    void resimAktarimi_data();
    void resimAktarimi();

private:
    std::vector<MesajIstegi> m_mesajlar;
};

void TestStokAyarinti::initTestCase() {
    // Amounts are compared as the user's regional settings show them.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TestStokAyarinti::init() {
    m_mesajlar.clear();
    MesajCevaplayicisiniAyarla([this](const MesajIstegi& istek) {
        m_mesajlar.push_back(istek);
        return static_cast<int>(mrOk);
    });
}

void TestStokAyarinti::cleanup() {
    MesajCevaplayicisiniAyarla({});
}

void TestStokAyarinti::listeAkisi_data() {
    QTest::addColumn<TStokListesi>("tur");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("tip");
    QTest::addColumn<QString>("indirimBasligi");
    QTest::addColumn<QString>("fiyatBasligi");
    QTest::addColumn<QString>("birim");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("kdvDahil");
    QTest::addColumn<double>("kdvli");
    QTest::addColumn<bool>("duzenlenir");

    const QString fiyat = u"Fiyat:"_s;
    const QString kampFiyat = u"Kampanyalı Fiyat:"_s;
    QTest::newRow("stok K=0, dealer") << TStokListesi::Stok << 0 << 3 << u"İndirim: %10"_s << fiyat << u"100,00"_s
                                      << u"90,00"_s << u"108,50"_s << 108.5 << false;
    QTest::newRow("stok K=0, staff") << TStokListesi::Stok << 0 << 1 << u"İndirim: %10"_s << fiyat << u"100,00"_s
                                     << u"90,00"_s << u"108,50"_s << 108.5 << true;
    QTest::newRow("stok K=1, staff") << TStokListesi::Stok << 1 << 2 << u"Kampanyalı 10"_s << kampFiyat << u"100,00"_s
                                     << u"90,00"_s << u"108,50"_s << 108.5 << true;
    QTest::newRow("stok K<0") << TStokListesi::Stok << -1 << 1 << u"İndirim:"_s << fiyat << u"0,00"_s << u"0,00"_s
                              << u"0,00"_s << 0.0 << true;
    QTest::newRow("yeniler K=0, staff") << TStokListesi::Yeniler << 0 << 1 << u"İndirim:  % 10"_s << fiyat
                                        << u"100,00"_s << u"90,00"_s << u"108,00"_s << 108.5 << true;
    QTest::newRow("yeniler K=1, dealer") << TStokListesi::Yeniler << 1 << 4 << u"Kampanyalı 10"_s << kampFiyat
                                         << u"100,00"_s << u"90,00"_s << u"108,50"_s << 108.5 << false;
    QTest::newRow("kampanyali, staff") << TStokListesi::Kampanyali << 1 << 1 << u"Kampanyalı 10"_s << kampFiyat
                                       << u"100,00"_s << u"90,00"_s << u"108,50"_s << 108.5 << false;
}

void TestStokAyarinti::listeAkisi() {
    QFETCH(TStokListesi, tur);
    QFETCH(int, k);
    QFETCH(int, tip);
    QFETCH(QString, indirimBasligi);
    QFETCH(QString, fiyatBasligi);
    QFETCH(QString, birim);
    QFETCH(QString, net);
    QFETCH(QString, kdvDahil);
    QFETCH(double, kdvli);
    QFETCH(bool, duzenlenir);

    const auto liste = ListeSatiri(k);
    Tstokayarinti d(nullptr);
    d.ListeSatiriniGoster(*liste, tur, tip);
    QCOMPARE(d.windowTitle(), u"Sepete Ekle"_s);
    QCOMPARE(Yazi(d, u"barkod"_s), u"8690001"_s);
    QCOMPARE(Yazi(d, u"adi"_s), u"FREN BALATASI ÖN"_s);
    QCOMPARE(Yazi(d, u"marka"_s), u"BOSCH"_s);
    QCOMPARE(Yazi(d, u"finishkod"_s), u"FK-12"_s);
    QCOMPARE(Yazi(d, u"model"_s), u"DOBLO"_s);
    QCOMPARE(Yazi(d, u"indirimoran"_s), indirimBasligi);
    QCOMPARE(Yazi(d, u"Label2"_s), fiyatBasligi);
    QCOMPARE(Kutu(d, u"birimfiyat"_s)->text(), birim);
    QCOMPARE(Kutu(d, u"indtutar"_s)->text(), net);
    QCOMPARE(Kutu(d, u"kdvdahiltutar"_s)->text(), kdvDahil);
    QCOMPARE(d.KdvliFiyat(), kdvli);
    QCOMPARE(d.KdvOran(), 20.0);
    QCOMPARE(Kutu(d, u"birimfiyat"_s)->isReadOnly(), !duzenlenir);
    for (const QString& ad : {u"indtutar"_s, u"kdvdahiltutar"_s, u"geneltutar"_s})
        QVERIFY2(Kutu(d, ad)->isReadOnly(), qPrintable(ad));
    // Only a campaign row of the stock list carries its discount rates into the dialog.
    const bool indirimler = tur == TStokListesi::Stok && k > 0;
    QCOMPARE(d.Indirimler()[0], indirimler ? 10.0 : 0.0);
    QCOMPARE(d.Indirimler()[3], indirimler ? 1.0 : 0.0);
    QCOMPARE(d.Miktar(), 1);

    Goster(d);
    QCOMPARE(d.BirimFiyat(), birim == u"0,00"_s ? 0.0 : 100.0);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->Deger(), kdvli); // 1 × kdvlifiyat
}

void TestStokAyarinti::sepetSatiri_data() {
    QTest::addColumn<int>("miktar");
    QTest::addColumn<QString>("genel");
    QTest::newRow("3 pieces") << 3 << u"35,40"_s;
    // A line above the box's usual limit keeps its quantity.
    QTest::newRow("beyond 10000") << 15000 << u"177.000,00"_s;
}

void TestStokAyarinti::sepetSatiri() {
    QFETCH(int, miktar);
    QFETCH(QString, genel);

    // The dialog was filled from a list row before: nothing of it may stay.
    Tstokayarinti d(nullptr);
    d.ListeSatiriniGoster(*ListeSatiri(1), TStokListesi::Stok, 1);
    const auto sepet = SepetSatiri(miktar);
    d.SepetSatiriniGoster(*sepet);
    QCOMPARE(Yazi(d, u"adi"_s), u"FREN BALATASI ÖN"_s);
    QCOMPARE(Yazi(d, u"indirimoran"_s), u"İndirim:"_s);
    QCOMPARE(Yazi(d, u"Label2"_s), u"Fiyat:"_s);
    QCOMPARE(Kutu(d, u"birimfiyat"_s)->text(), u"12,50"_s);
    QCOMPARE(Kutu(d, u"indtutar"_s)->text(), u"10,00"_s);
    QCOMPARE(Kutu(d, u"kdvdahiltutar"_s)->text(), u"11,80"_s);
    QCOMPARE(d.KdvliFiyat(), 11.8);
    QVERIFY(Kutu(d, u"birimfiyat"_s)->isReadOnly());

    Goster(d);
    QCOMPARE(d.Miktar(), miktar);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->text(), genel);
    QTest::keyClick(AdetYazisi(d), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Miktar(), miktar);
    QCOMPARE(d.BirimFiyat(), 12.5);
}

void TestStokAyarinti::tutarAdetVeKutulardaYenilenir() {
    Tstokayarinti d(nullptr);
    d.SepetSatiriniGoster(*SepetSatiri(1));
    Goster(d);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->text(), u"11,80"_s);

    AdetYaz(d, u"3"_s);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->text(), u"35,40"_s);
    AdetYaz(d, u"12000"_s); // beyond the limit while typing: the total follows the text
    QCOMPARE(Kutu(d, u"geneltutar"_s)->Deger(), 141600.0);
    AdetYaz(d, u"3"_s);

    // A key released in an amount box renews the total from kdvdahiltutar.
    Kutu(d, u"kdvdahiltutar"_s)->SetDeger(2.5);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->text(), u"35,40"_s);
    QTest::keyRelease(Kutu(d, u"indtutar"_s), Qt::Key_Tab);
    QCOMPARE(Kutu(d, u"geneltutar"_s)->text(), u"7,50"_s);
}

void TestStokAyarinti::acilistaAdetOdakliVeSecili() {
    QWidget sahip;
    sahip.setGeometry(200, 150, 1000, 800);
    sahip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sahip));
    Tstokayarinti d(&sahip);
    QCOMPARE(d.size(), QSize(550, 631));
    d.ListeSatiriniGoster(*ListeSatiri(0), TStokListesi::Stok, 1);
    Goster(d);
    auto* adet = Bul<widgets::TSayiKutusu>(d, u"adet"_s);
    QTRY_VERIFY(adet->hasFocus());
    QCOMPARE(AdetYazisi(d)->selectedText(), u"1"_s);
    QCOMPARE(adet->minimum(), 1.0);
    QCOMPARE(adet->maximum(), 10000.0);
    const QPoint fark = d.frameGeometry().center() - sahip.frameGeometry().center();
    QVERIFY2(fark.manhattanLength() <= 2, qPrintable(u"%1,%2"_s.arg(fark.x()).arg(fark.y())));
}

void TestStokAyarinti::enterAdetteOnaylar_data() {
    QTest::addColumn<QString>("yazilan");
    QTest::addColumn<bool>("onaylanir");
    QTest::addColumn<int>("miktar");
    QTest::addColumn<QString>("kalanYazi");
    QTest::newRow("within limits") << u"7"_s << true << 7 << u"7"_s;
    QTest::newRow("beyond 10000: as typed") << u"12000"_s << true << 12000 << QString();
    QTest::newRow("empty counts as 1") << u""_s << true << 1 << QString();
    // A quantity below 1 is no basket line: the box corrects it and the dialog stays open.
    QTest::newRow("zero") << u"0"_s << false << 1 << u"1"_s;
}

void TestStokAyarinti::enterAdetteOnaylar() {
    QFETCH(QString, yazilan);
    QFETCH(bool, onaylanir);
    QFETCH(int, miktar);
    QFETCH(QString, kalanYazi);

    Tstokayarinti d(nullptr);
    d.ListeSatiriniGoster(*ListeSatiri(0), TStokListesi::Stok, 3);
    Goster(d);
    QSignalSpy onay(&d, &QDialog::accepted);
    AdetYaz(d, yazilan);
    auto* adet = Bul<widgets::TSayiKutusu>(d, u"adet"_s);
    if (yazilan.isEmpty())
        QTest::keyClick(adet, Qt::Key_Delete);
    QTest::keyClick(adet, Qt::Key_Return);
    QCOMPARE(onay.count(), onaylanir ? 1 : 0);
    QCOMPARE(d.isVisible(), !onaylanir);
    QCOMPARE(d.Miktar(), miktar); // also after the box was left on closing
    if (!kalanYazi.isNull())
        QCOMPARE(AdetYazisi(d)->text(), kalanYazi);
}

void TestStokAyarinti::enterBaskaYerdeOnaylamaz() {
    Tstokayarinti d(nullptr);
    d.ListeSatiriniGoster(*ListeSatiri(0), TStokListesi::Stok, 1);
    Goster(d);
    QSignalSpy onay(&d, &QDialog::accepted);
    QSignalSpy ret(&d, &QDialog::rejected);

    auto* birim = Kutu(d, u"birimfiyat"_s);
    birim->setFocus();
    QTRY_VERIFY(birim->hasFocus());
    birim->selectAll();
    QTest::keyClicks(birim, u"95,5"_s);
    QTest::keyClick(birim, Qt::Key_Return);
    QVERIFY(d.isVisible());
    QCOMPARE(d.BirimFiyat(), 95.5); // the typed price is kept, the Enter itself goes nowhere

    auto* net = Kutu(d, u"indtutar"_s);
    net->setFocus();
    QTRY_VERIFY(net->hasFocus());
    QTest::keyClick(net, Qt::Key_Return);
    QTest::keyClick(net, Qt::Key_Enter);
    QVERIFY(d.isVisible());
    QCOMPARE(onay.count(), 0);
    QCOMPARE(ret.count(), 0);
}

void TestStokAyarinti::tuslar() {
    {
        Tstokayarinti d(nullptr);
        d.ListeSatiriniGoster(*ListeSatiri(0), TStokListesi::Stok, 3);
        Goster(d);
        QSignalSpy ret(&d, &QDialog::rejected);
        auto* vazgec = Bul<QPushButton>(d, u"vazgec"_s);
        QCOMPARE(vazgec->text(), u"Vazgeç"_s);
        QTest::mouseClick(vazgec, Qt::LeftButton);
        QCOMPARE(ret.count(), 1);
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }
    {
        Tstokayarinti d(nullptr);
        d.ListeSatiriniGoster(*ListeSatiri(0), TStokListesi::Stok, 3);
        Goster(d);
        AdetYaz(d, u"4"_s);
        auto* ekle = Bul<QPushButton>(d, u"siparisekle"_s);
        QCOMPARE(ekle->text(), u"Sipariş ekle"_s);
        // Enter on the focused button presses it.
        ekle->setFocus();
        QTRY_VERIFY(ekle->hasFocus());
        QTest::keyClick(ekle, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Miktar(), 4);
    }
}

namespace {

// Where the picture is drawn: the bounding box of its red pixels.
QRect KirmiziAlan(const QImage& goruntu) {
    QRect alan;
    for (int y = 0; y < goruntu.height(); ++y)
        for (int x = 0; x < goruntu.width(); ++x)
            if (goruntu.pixelColor(x, y) == QColor(Qt::red))
                alan |= QRect(x, y, 1, 1);
    return alan;
}

} // namespace

void TestStokAyarinti::resimOrantiliVeOrtada_data() {
    QTest::addColumn<QSize>("resim");
    QTest::addColumn<QSize>("pencere");
    QTest::newRow("wide picture, designed size") << QSize(1600, 800) << QSize(550, 631);
    QTest::newRow("wide picture, narrow window") << QSize(1600, 800) << QSize(420, 700);
    QTest::newRow("tall picture") << QSize(300, 1200) << QSize(550, 631);
    QTest::newRow("small picture keeps its size") << QSize(40, 20) << QSize(550, 631);
}

void TestStokAyarinti::resimOrantiliVeOrtada() {
    QFETCH(QSize, resim);
    QFETCH(QSize, pencere);
    Tstokayarinti d(nullptr);
    QPixmap kirmizi(resim);
    kirmizi.fill(Qt::red);
    d.Image1()->setPixmap(kirmizi);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.size(), QSize(550, 631)); // the picture does not make the window grow
    d.resize(pencere);
    QTRY_COMPARE(d.size(), pencere);

    const QRect alan = d.Image1()->contentsRect();
    const QRect cizilen = KirmiziAlan(d.Image1()->grab().toImage());
    QVERIFY(alan.contains(cizilen));
    QVERIFY((cizilen.center() - alan.center()).manhattanLength() <= 2);
    if (resim.width() <= alan.width() && resim.height() <= alan.height()) {
        QCOMPARE(cizilen.size(), resim);
        return;
    }
    // Shrunk to touch the area on one side, with its proportions.
    QVERIFY(qAbs(cizilen.width() - alan.width()) <= 1 || qAbs(cizilen.height() - alan.height()) <= 1);
    const double oran = double(resim.width()) / resim.height();
    QVERIFY2(qAbs(double(cizilen.width()) / cizilen.height() - oran) < 0.02,
             qPrintable(u"%1x%2"_s.arg(cizilen.width()).arg(cizilen.height())));
}

void TestStokAyarinti::resimAktarimi_data() {
    QTest::addColumn<int>("durum");
    QTest::addColumn<QByteArray>("govde");
    QTest::addColumn<bool>("resimVar");
    QTest::addColumn<QString>("mesaj");

    const QByteArray jpeg = JpegResmi();
    QTest::newRow("picture") << 200 << ResimCevabi(jpeg.size(), jpeg) << true << QString();
    QTest::newRow("size 0") << 200 << ResimCevabi(0, {}) << false << QString();
    QTest::newRow("cut short") << 200 << ResimCevabi(jpeg.size() + 10, jpeg) << false << QString();
    QTest::newRow("no picture bytes") << 200 << ResimCevabi(5, "abcde") << false << u"TResimHatasi: Resim okunamadı"_s;
    QTest::newRow("error answer") << 500 << QByteArray(R"({"error":"Resim tablosu okunamadı"})") << false
                                  << u"TDSException: Resim tablosu okunamadı"_s;
}

void TestStokAyarinti::resimAktarimi() {
    QFETCH(int, durum);
    QFETCH(QByteArray, govde);
    QFETCH(bool, resimVar);
    QFETCH(QString, mesaj);

    TSahteSunucu sunucu;
    sunucu.Cevapla([durum, govde](const TSahteIstek&) { return std::pair<int, QByteArray>{durum, govde}; });
    datasnap::TSQLConnection bagc;
    bagc.Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
    bagc.Params().SetValues(u"Port"_s, QString::number(sunucu.Port()));

    Tstokayarinti d(nullptr);
    d.Image1()->setPixmap(QPixmap(5, 5)); // a picture left from before never stays
    StokResmiGoster(bagc, 77, d.Image1());
    QCOMPARE(sunucu.SonIstek().metot, u"ResimVer5"_s);
    QCOMPARE(sunucu.SonIstek().parametreler.at(0).toInt(), 77);
    QCOMPARE(!d.Image1()->pixmap().isNull(), resimVar);
    if (resimVar)
        QCOMPARE(d.Image1()->pixmap().size(), QSize(40, 20));
    QVERIFY(!bagc.Connected());
    if (mesaj.isNull()) {
        QVERIFY(m_mesajlar.empty());
        return;
    }
    QCOMPARE(m_mesajlar.size(), size_t(1));
    QCOMPARE(m_mesajlar.front().metin, mesaj);
    QCOMPARE(m_mesajlar.front().tuslar, MesajTuslari(mbOK));
}

QTEST_MAIN(TestStokAyarinti)
#include "tst_stokayarinti.moc"
