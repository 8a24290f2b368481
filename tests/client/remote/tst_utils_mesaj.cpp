#include "client/remote/mesajpenceresi.h"
#include "client/remote/utils.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MesajTuslari)

namespace {

constexpr int kYok = -1;

// Runs `islem` on the modal message window as soon as it is up, then closes the window should
// `islem` have left it open, so a failing check cannot hang the modal run.
class ModalSurucu {
public:
    explicit ModalSurucu(std::function<void(MesajPenceresi*)> islem)
        : m_islem(std::move(islem)) {
        m_zamanlayici.setInterval(5);
        QObject::connect(&m_zamanlayici, &QTimer::timeout, [this] { Dene(); });
        m_zamanlayici.start();
    }
    bool Calisti() const { return m_calisti; }

private:
    void Dene() {
        auto* pencere = qobject_cast<MesajPenceresi*>(QApplication::activeModalWidget());
        if (!pencere || !pencere->isVisible())
            return;
        m_zamanlayici.stop();
        m_calisti = true;
        const QPointer<MesajPenceresi> izleyici(pencere);
        m_islem(pencere);
        if (izleyici && izleyici->isVisible())
            izleyici->done(kYok);
    }

    std::function<void(MesajPenceresi*)> m_islem;
    QTimer m_zamanlayici;
    bool m_calisti = false;
};

MesajIstegi Istek(MesajTuslari tuslar, int odakliTus, int tur = mtConfirmation) {
    return MesajIstegi{u"Metin"_s, tur, MesajBasligi(tur), tuslar, odakliTus, nullptr};
}

// Position of a button of the window, or kYok.
int Konum(const MesajPenceresi& pencere, const QWidget* tus) {
    for (int konum = 0; konum < MesajTusuSayisi; ++konum)
        if (tus && pencere.Tus(konum) == tus)
            return konum;
    return kYok;
}

// The buttons in the window's tab order, starting from the window itself.
QList<int> SekmeSirasi(const MesajPenceresi& pencere) {
    QList<int> sira;
    for (QWidget* w = pencere.nextInFocusChain(); w && w != &pencere; w = w->nextInFocusChain())
        if (qobject_cast<QPushButton*>(w))
            sira.append(Konum(pencere, w));
    return sira;
}

// The buttons' captions from left to right.
QStringList SoldanSagaBasliklar(const MesajPenceresi& pencere) {
    QList<QPushButton*> tuslar = pencere.findChildren<QPushButton*>();
    std::sort(tuslar.begin(), tuslar.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList basliklar;
    for (const QPushButton* tus : tuslar)
        basliklar.append(tus->text());
    return basliklar;
}

bool EtkinGoster(QWidget& pencere) {
    pencere.show();
    pencere.activateWindow();
    return QTest::qWaitForWindowActive(&pencere);
}

} // namespace

class TestMesajGoster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void istekCevaplayiciyaGider();
    void turBaslikVeSes_data();
    void turBaslikVeSes();
    void sahipEtkinPenceredir();

    void tusBasliklariSiraIle_data();
    void tusBasliklariSiraIle();
    void tusSonuclari_data();
    void tusSonuclari();
    void yardimPencereyiKapatmaz();
    void varsayilanVeKacis_data();
    void varsayilanVeKacis();
    void sekmeSirasi_data();
    void sekmeSirasi();
    void pencereBaslikSimgeVeMetin_data();
    void pencereBaslikSimgeVeMetin();
    void kapatmaKacisGibidir();

    void gercekPencereSahibinOrtasinda();
    void gercekPencereSorusu_data();
    void gercekPencereSorusu();
    void sahibiKapanirsaPencereBirlikteGider();

private:
    QList<SistemSesi> m_sesler;
};

void TestMesajGoster::initTestCase() {
    QGuiApplication::setApplicationDisplayName(u"Tevrano B2B"_s);
}

void TestMesajGoster::init() {
    m_sesler.clear();
    BipSesiCaliciniAyarla([this](SistemSesi ses) { m_sesler.append(ses); });
}

void TestMesajGoster::cleanup() {
    MesajCevaplayicisiniAyarla({});
    BipSesiCaliciniAyarla({});
}

void TestMesajGoster::istekCevaplayiciyaGider() {
    QList<MesajIstegi> istekler;
    MesajCevaplayicisiniAyarla([&](const MesajIstegi& istek) {
        istekler.append(istek);
        return int(mrNo);
    });

    QCOMPARE(MesajGoster(u"Satırı silmek istiyor musunuz "_s, mtConfirmation, mbYesNo, mbNo), int(mrNo));

    QCOMPARE(istekler.size(), 1);
    QCOMPARE(istekler[0].metin, u"Satırı silmek istiyor musunuz "_s);
    QCOMPARE(istekler[0].tur, int(mtConfirmation));
    QCOMPARE(istekler[0].tuslar.Bitler(), 3u);
    QCOMPARE(istekler[0].odakliTus, int(mbNo));
    const QWidgetList pencereler = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(pencereler.begin(), pencereler.end(),
                         [](QWidget* w) { return qobject_cast<MesajPenceresi*>(w) != nullptr; }));
}

void TestMesajGoster::turBaslikVeSes_data() {
    QTest::addColumn<int>("tur");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QList<SistemSesi>>("sesler");

    QTest::newRow("uyarı") << int(mtWarning) << u"Uyarı"_s << QList{SistemSesi::Unlem};
    QTest::newRow("hata") << int(mtError) << u"Hata"_s << QList{SistemSesi::Hata};
    QTest::newRow("bilgi") << int(mtInformation) << u"Bilgi"_s << QList{SistemSesi::Yildiz};
    QTest::newRow("soru") << int(mtConfirmation) << u"Soru"_s << QList{SistemSesi::Soru};
    QTest::newRow("özel: uygulama başlığı, ses yok") << int(mtCustom) << u"Tevrano B2B"_s << QList<SistemSesi>{};
}

void TestMesajGoster::turBaslikVeSes() {
    QFETCH(int, tur);
    QFETCH(QString, baslik);
    QFETCH(QList<SistemSesi>, sesler);
    QString gelenBaslik;
    MesajCevaplayicisiniAyarla([&](const MesajIstegi& istek) {
        gelenBaslik = istek.baslik;
        return int(mrOk);
    });

    MesajGoster(u"x"_s, tur, mbOK, mbOK);

    QCOMPARE(gelenBaslik, baslik);
    QCOMPARE(m_sesler, sesler);
}

void TestMesajGoster::sahipEtkinPenceredir() {
    QWidget sahip;
    QVERIFY(EtkinGoster(sahip));
    QWidget* gelenSahip = nullptr;
    MesajCevaplayicisiniAyarla([&](const MesajIstegi& istek) {
        gelenSahip = istek.sahip;
        return int(mrOk);
    });

    MesajGoster(u"x"_s, mtInformation, mbOK, mbOK);

    QCOMPARE(gelenSahip, &sahip);
}

void TestMesajGoster::tusBasliklariSiraIle_data() {
    QTest::addColumn<MesajTuslari>("tuslar");
    QTest::addColumn<QStringList>("basliklar");

    QTest::newRow("tamam") << MesajTuslari(mbOK) << QStringList{u"Tamam"_s};
    QTest::newRow("evet hayır") << mbYesNo << QStringList{u"Evet"_s, u"Hayır"_s};
    QTest::newRow("hepsi") << MesajTuslari::Bitlerden(0xFFF)
                           << QStringList{u"Evet"_s,         u"Hayır"_s,       u"Tamam"_s,  u"Vazgeç"_s,
                                          u"İptal"_s,        u"Tekrar"_s,      u"Atla"_s,   u"&All"_s,
                                          u"Tümüne Hayır"_s, u"Tümüne Evet"_s, u"Yardım"_s, u"Close"_s};
    QTest::newRow("boş küme Tamam alır") << MesajTuslari() << QStringList{u"Tamam"_s};
}

void TestMesajGoster::tusBasliklariSiraIle() {
    QFETCH(MesajTuslari, tuslar);
    QFETCH(QStringList, basliklar);
    const auto pencere = MesajPenceresiOlustur(Istek(tuslar, mbOK));
    pencere->show();

    QCOMPARE(SoldanSagaBasliklar(*pencere), basliklar);
}

void TestMesajGoster::tusSonuclari_data() {
    QTest::addColumn<int>("tus");
    QTest::addColumn<int>("sonuc");

    const QList<std::pair<MesajTusu, int>> tablo{
        {mbYes, 6},    {mbNo, 7},   {mbOK, 1},       {mbCancel, 2},    {mbAbort, 3}, {mbRetry, 4},
        {mbIgnore, 5}, {mbAll, 12}, {mbNoToAll, 13}, {mbYesToAll, 14}, {mbClose, 8},
    };
    for (const auto& [tus, sonuc] : tablo)
        QTest::addRow("%d", int(tus)) << int(tus) << sonuc;
}

void TestMesajGoster::tusSonuclari() {
    QFETCH(int, tus);
    QFETCH(int, sonuc);
    const auto pencere = MesajPenceresiOlustur(Istek(MesajTuslari::Bitlerden(0xFFF), mbOK));
    pencere->show();

    QTest::mouseClick(pencere->Tus(tus), Qt::LeftButton);

    QVERIFY(!pencere->isVisible());
    QCOMPARE(pencere->result(), sonuc);
}

void TestMesajGoster::yardimPencereyiKapatmaz() {
    const auto pencere = MesajPenceresiOlustur(Istek(mbOK | mbHelp, mbOK));
    QSignalSpy yardim(pencere.get(), &MesajPenceresi::yardimIstendi);
    pencere->show();

    QTest::mouseClick(pencere->Tus(mbHelp), Qt::LeftButton);

    QCOMPARE(yardim.count(), 1);
    QVERIFY(pencere->isVisible());
}

void TestMesajGoster::varsayilanVeKacis_data() {
    QTest::addColumn<MesajTuslari>("tuslar");
    QTest::addColumn<int>("odakli");
    QTest::addColumn<int>("enter");
    QTest::addColumn<int>("kacis");

    QTest::newRow("tamam") << MesajTuslari(mbOK) << int(mbOK) << int(mrOk) << int(mrOk);
    QTest::newRow("evet hayır, evet odaklı") << mbYesNo << int(mbYes) << int(mrYes) << int(mrNo);
    QTest::newRow("evet hayır, hayır odaklı") << mbYesNo << int(mbNo) << int(mrNo) << int(mrNo);
    QTest::newRow("evet hayır vazgeç") << mbYesNoCancel << int(mbYes) << int(mrYes) << int(mrCancel);
    QTest::newRow("odaklı kümede yok: Tamam") << mbOKCancel << int(mbHelp) << int(mrOk) << int(mrCancel);
    QTest::newRow("odaklı kümede yok: Evet") << (mbYes | mbNo | mbRetry) << int(mbOK) << int(mrYes) << int(mrNo);
    QTest::newRow("odaklı kümede yok: Tekrar") << (mbRetry | mbCancel) << int(mbOK) << int(mrRetry) << int(mrCancel);
    QTest::newRow("iptal tekrar atla: kaçış yok") << mbAbortRetryIgnore << int(mbIgnore) << int(mrIgnore) << kYok;
}

void TestMesajGoster::varsayilanVeKacis() {
    QFETCH(MesajTuslari, tuslar);
    QFETCH(int, odakli);
    QFETCH(int, enter);
    QFETCH(int, kacis);

    const auto enterIle = MesajPenceresiOlustur(Istek(tuslar, odakli));
    QVERIFY(EtkinGoster(*enterIle));
    QVERIFY(enterIle->VarsayilanTus() && enterIle->VarsayilanTus()->isDefault());
    QCOMPARE(QApplication::focusWidget(), enterIle->VarsayilanTus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!enterIle->isVisible());
    QCOMPARE(enterIle->result(), enter);

    const auto kacisIle = MesajPenceresiOlustur(Istek(tuslar, odakli));
    QVERIFY(EtkinGoster(*kacisIle));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(kacisIle->isVisible(), kacis == kYok);
    if (kacis != kYok)
        QCOMPARE(kacisIle->result(), kacis);
}

void TestMesajGoster::sekmeSirasi_data() {
    QTest::addColumn<MesajTuslari>("tuslar");
    QTest::addColumn<int>("odakli");
    QTest::addColumn<QList<int>>("sira");

    QTest::newRow("evet odaklı") << mbYesNo << int(mbYes) << QList<int>{mbYes, mbNo};
    QTest::newRow("hayır odaklı") << mbYesNo << int(mbNo) << QList<int>{mbNo, mbYes};
    QTest::newRow("vazgeç odaklı") << mbYesNoCancel << int(mbCancel) << QList<int>{mbCancel, mbYes, mbNo};
    QTest::newRow("hayır odaklı, üç tuş") << mbYesNoCancel << int(mbNo) << QList<int>{mbNo, mbYes, mbCancel};
    QTest::newRow("odaklı kümede yok") << mbYesNo << int(mbRetry) << QList<int>{mbYes, mbNo};
}

void TestMesajGoster::sekmeSirasi() {
    QFETCH(MesajTuslari, tuslar);
    QFETCH(int, odakli);
    QFETCH(QList<int>, sira);
    const auto pencere = MesajPenceresiOlustur(Istek(tuslar, odakli));
    QVERIFY(EtkinGoster(*pencere));

    QCOMPARE(SekmeSirasi(*pencere), sira);
    QCOMPARE(Konum(*pencere, QApplication::focusWidget()), sira.first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(Konum(*pencere, QApplication::focusWidget()), sira.at(1));
}

void TestMesajGoster::pencereBaslikSimgeVeMetin_data() {
    QTest::addColumn<int>("tur");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<bool>("simge");

    QTest::newRow("hata") << int(mtError) << u"Hata"_s << true;
    QTest::newRow("soru") << int(mtConfirmation) << u"Soru"_s << true;
    QTest::newRow("özel") << int(mtCustom) << u"Tevrano B2B"_s << false;
}

void TestMesajGoster::pencereBaslikSimgeVeMetin() {
    QFETCH(int, tur);
    QFETCH(QString, baslik);
    QFETCH(bool, simge);
    MesajIstegi istek = Istek(mbOK, mbOK, tur);
    istek.metin = u"Birinci satır\r\nİkinci satır <b>"_s;
    const auto pencere = MesajPenceresiOlustur(istek);

    QCOMPARE(pencere->windowTitle(), baslik);
    QCOMPARE(pencere->findChild<QLabel*>(u"Image"_s) != nullptr, simge);
    const auto* metin = pencere->findChild<QLabel*>(u"Message"_s);
    QVERIFY(metin);
    QCOMPARE(metin->text(), u"Birinci satır\nİkinci satır <b>"_s);
    QCOMPARE(metin->textFormat(), Qt::PlainText);
}

void TestMesajGoster::kapatmaKacisGibidir() {
    const auto soru = MesajPenceresiOlustur(Istek(mbYesNo, mbYes));
    soru->show();
    QVERIFY(soru->close());
    QCOMPARE(soru->result(), int(mrNo));

    const auto secim = MesajPenceresiOlustur(Istek(mbAbortRetryIgnore, mbRetry));
    secim->show();
    QVERIFY(!secim->close());
    QVERIFY(secim->isVisible());
}

void TestMesajGoster::gercekPencereSahibinOrtasinda() {
    QWidget sahip;
    sahip.setGeometry(120, 90, 500, 360);
    QVERIFY(EtkinGoster(sahip));
    QPoint pencereOrtasi;
    QString baslik;
    ModalSurucu surucu([&](MesajPenceresi* pencere) {
        pencereOrtasi = pencere->frameGeometry().center();
        baslik = pencere->windowTitle();
        pencere->Tus(mbOK)->click();
    });

    const int sonuc = MesajGoster(u"Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"_s, mtError, mbOK, mbOK);

    QVERIFY(surucu.Calisti());
    QCOMPARE(sonuc, int(mrOk));
    QCOMPARE(baslik, u"Hata"_s);
    QVERIFY2((pencereOrtasi - sahip.frameGeometry().center()).manhattanLength() <= 2,
             qPrintable(u"%1,%2"_s.arg(pencereOrtasi.x()).arg(pencereOrtasi.y())));
    QCOMPARE(m_sesler, QList{SistemSesi::Hata});
    QVERIFY(sahip.findChildren<MesajPenceresi*>().isEmpty());
}

void TestMesajGoster::gercekPencereSorusu_data() {
    QTest::addColumn<int>("tus");
    QTest::addColumn<int>("sonuc");

    QTest::newRow("hayır") << int(mbNo) << int(mrNo);
    QTest::newRow("evet") << int(mbYes) << int(mrYes);
}

void TestMesajGoster::gercekPencereSorusu() {
    QFETCH(int, tus);
    QFETCH(int, sonuc);
    ModalSurucu surucu([&](MesajPenceresi* pencere) { QTest::mouseClick(pencere->Tus(tus), Qt::LeftButton); });

    QCOMPARE(MesajGoster(u"Tüm Sepeti Silmek İstiyor musunuz "_s, mtConfirmation, mbYesNo, mbNo), sonuc);
    QVERIFY(surucu.Calisti());
}

void TestMesajGoster::sahibiKapanirsaPencereBirlikteGider() {
    auto* sahip = new QWidget;
    QVERIFY(EtkinGoster(*sahip));
    ModalSurucu surucu([&](MesajPenceresi*) { delete sahip; });

    QCOMPARE(MesajGoster(u"x"_s, mtWarning, mbOK, mbOK), int(mrNone));
    QVERIFY(surucu.Calisti());
}

QTEST_MAIN(TestMesajGoster)
#include "tst_utils_mesaj.moc"
