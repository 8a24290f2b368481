// The new-version window: the download with its progress, the headers it sends, the saving of the
// installer and its start, and the failures that start nothing.
#include "client/session/dosyaindiru.h"
#include "denemesunucusu.h"
#include "testortami.h"
#include "tests/e2e/sunucusureci.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

struct TBaslatilan {
    QString dosya;
    QStringList parametreler;
};

QByteArray Kurulum(qsizetype boy) {
    QByteArray icerik(boy, '\0');
    for (qsizetype i = 0; i < boy; ++i)
        icerik[i] = static_cast<char>((i * 7 + 3) % 251);
    return icerik;
}

QByteArray DosyaIcerigi(const QString& yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

void DosyaYaz(const QString& yol, const QByteArray& icerik) {
    QDir().mkpath(QFileInfo(yol).path());
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    dosya.write(icerik);
}

} // namespace

class TestDosyaindir : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void surumYazisiIkiSurumuGosterir();
    void ilerlemeMetni_data();
    void ilerlemeMetni();
    void bilinenUzunluktaIlerlemeGosterirKaydederVeBaslatir();
    void uzunlukBilinmeyinceIlerlemeYazilmaz();
    void istekBasliklariVeAdres();
    void ikinciEtkinlesmeIkinciKezIndirmez();
    void httpHatasiEskiDosyayiSilerVeHicbirSeyBaslatmaz();
    void aktarimHatasiHicbirSeyBaslatmaz();
    void kullaniciKapatamaz();

private:
    std::unique_ptr<TEvKlasoru> m_ev;
    std::vector<TBaslatilan> m_baslatilanlar;
};

void TestDosyaindir::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
}

void TestDosyaindir::init() {
    m_ev->Temizle();
    m_baslatilanlar.clear();
    KurulumBaslaticisiniAyarla([this](const QString& dosya, const QStringList& parametreler) {
        m_baslatilanlar.push_back({dosya, parametreler});
        return true;
    });
}

void TestDosyaindir::cleanup() {
    KurulumBaslaticisiniAyarla({});
}

void TestDosyaindir::surumYazisiIkiSurumuGosterir() {
    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    QCOMPARE(pencere->windowTitle(), u"Dosya İndir"_s);
    QCOMPARE(pencere->findChild<QLabel*>(u"sLabel1"_s)->text(),
             u"Tevrano B2B Programının\nYeni versiyonu indirilecektir\nLütfen Bekleyiniz...!\nVersion: 3-2"_s);
    QVERIFY(!pencere->basladi());
}

void TestDosyaindir::ilerlemeMetni_data() {
    QTest::addColumn<qint64>("uzunluk");
    QTest::addColumn<qint64>("okunan");
    QTest::addColumn<QLocale>("yerel");
    QTest::addColumn<QString>("beklenen");
    const QLocale c = QLocale::c();
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    QTest::newRow("half") << qint64(2097152) << qint64(1048576) << c << u"Bilgi: %50.00  İndirilen: 1.00/2.00 Mb"_s;
    QTest::newRow("turkish") << qint64(2097152) << qint64(1048576) << tr << u"Bilgi: %50,00  İndirilen: 1,00/2,00 Mb"_s;
    QTest::newRow("small") << qint64(3000) << qint64(1000) << c << u"Bilgi: %33.33  İndirilen: 0.00/0.00 Mb"_s;
    QTest::newRow("large, no grouping") << qint64(5368709120) << qint64(5368709120) << tr
                                        << u"Bilgi: %100,00  İndirilen: 5120,00/5120,00 Mb"_s;
}

void TestDosyaindir::ilerlemeMetni() {
    QFETCH(qint64, uzunluk);
    QFETCH(qint64, okunan);
    QFETCH(QLocale, yerel);
    QFETCH(QString, beklenen);
    QCOMPARE(Tdosyaindir::IlerlemeMetni(uzunluk, okunan, yerel), beklenen);
}

// The reference server serves the installer with its length: progress to the end, the file saved
// whole and executable, the installer started unattended, the program ended.
void TestDosyaindir::bilinenUzunluktaIlerlemeGosterirKaydederVeBaslatir() {
    TSunucuSureci sunucu(0);
    const QString kaynak = sunucu.Klasor() + u"/TevranoSetup.exe"_s;
    const QByteArray icerik = Kurulum(2 * 1024 * 1024);
    DosyaYaz(kaynak, icerik);
    QVERIFY(sunucu.Baslat({u"--installer"_s, kaynak}));
    Yonelt(KapaliPort(), sunucu.Port());
    TSeamler seamler;

    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    pencere->show();
    QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
    QVERIFY(pencere->basladi());
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(seamler.bitisler.front(), 0);
    QVERIFY2(seamler.mesajlar.empty(), qPrintable(seamler.MesajMetinleri().join(u" | "_s)));
    QCOMPARE(pencere->findChild<QLabel*>(u"bilgi"_s)->text(), u"Bilgi: %100.00  İndirilen: 2.00/2.00 Mb"_s);
    const auto* cubuk = pencere->findChild<QProgressBar*>(u"ProgressBar1"_s);
    QCOMPARE(cubuk->maximum(), icerik.size());
    QCOMPARE(cubuk->value(), icerik.size());
    const QString hedef = Tdosyaindir::HedefDosya();
    QVERIFY(hedef.startsWith(m_ev->Yol()));
    QCOMPARE(DosyaIcerigi(hedef), icerik);
    QVERIFY(QFileInfo(hedef).isExecutable());
    QCOMPARE(m_baslatilanlar.size(), size_t(1));
    QCOMPARE(m_baslatilanlar.front().dosya, hedef);
    QCOMPARE(m_baslatilanlar.front().parametreler, QStringList{u"/silent"_s});
}

void TestDosyaindir::uzunlukBilinmeyinceIlerlemeYazilmaz() {
    const QByteArray icerik = Kurulum(300 * 1024);
    TDenemeSunucusu sunucu;
    sunucu.Get("/exe/TevranoSetup.exe", [icerik](const httplib::Request&, httplib::Response& cevap) {
        cevap.set_chunked_content_provider(
            "application/octet-stream", [icerik](size_t konum, httplib::DataSink& alici) {
                const auto boy = static_cast<size_t>(icerik.size());
                if (konum < boy)
                    alici.write(icerik.constData() + konum, std::min<size_t>(64 * 1024, boy - konum));
                else
                    alici.done();
                return true;
            });
    });
    sunucu.Baslat();
    Yonelt(KapaliPort(), sunucu.Port());
    TSeamler seamler;

    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    pencere->show();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QVERIFY(pencere->findChild<QLabel*>(u"bilgi"_s)->text().isEmpty());
    QCOMPARE(pencere->findChild<QProgressBar*>(u"ProgressBar1"_s)->value(), 0);
    QCOMPARE(DosyaIcerigi(Tdosyaindir::HedefDosya()), icerik);
    QCOMPARE(m_baslatilanlar.size(), size_t(1));
}

void TestDosyaindir::istekBasliklariVeAdres() {
    TDenemeSunucusu sunucu;
    sunucu.Get("/exe/TevranoSetup.exe", [](const httplib::Request&, httplib::Response& cevap) {
        cevap.set_content("MZ", "application/x-msdos");
    });
    sunucu.Baslat();
    Yonelt(KapaliPort(), sunucu.Port());
    TSeamler seamler;
    QCOMPARE(Tdosyaindir::IndirmeAdresi().toString(), Adres(sunucu.Port()) + u"/exe/TevranoSetup.exe"_s);

    const auto pencere = Tdosyaindir::Yeni(nullptr, 5);
    pencere->FormActivate();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(sunucu.SonBaslik("Accept"),
             "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    QCOMPARE(sunucu.SonBaslik("Accept-Encoding"), "gzip, deflate");
    QCOMPARE(sunucu.SonBaslik("Accept-Language"), "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    QCOMPARE(sunucu.SonBaslik("User-Agent"), "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, "
                                             "like Gecko) Chrome/60.0.3112.32 Safari/537.36");
    QCOMPARE(sunucu.SonBaslik("Cookie"), "");
    QCOMPARE(DosyaIcerigi(Tdosyaindir::HedefDosya()), QByteArray("MZ"));
}

// Activations during and after the download (another window in front, then this one again) do
// not start another download.
void TestDosyaindir::ikinciEtkinlesmeIkinciKezIndirmez() {
    TDenemeSunucusu sunucu;
    sunucu.Get("/exe/TevranoSetup.exe", [](const httplib::Request&, httplib::Response& cevap) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        cevap.set_content("MZ", "application/octet-stream");
    });
    sunucu.Baslat();
    Yonelt(KapaliPort(), sunucu.Port());
    TSeamler seamler;

    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    pencere->show();
    QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
    QWidget baska;
    baska.show();
    baska.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&baska));
    pencere->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
    pencere->FormActivate();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);
    pencere->FormActivate();
    QEvent etkinlesme(QEvent::WindowActivate);
    QCoreApplication::sendEvent(pencere.get(), &etkinlesme);
    TSeamler::TumGorevleriBekle();

    QCOMPARE(sunucu.IstekSayisi(), 1);
    QCOMPARE(m_baslatilanlar.size(), size_t(1));
    QCOMPARE(seamler.bitisler.size(), size_t(1));
}

// An error page is not saved as the installer and nothing is started; a leftover installer was
// deleted before the download.
void TestDosyaindir::httpHatasiEskiDosyayiSilerVeHicbirSeyBaslatmaz() {
    TSunucuSureci sunucu(0); // no installer given: 404
    QVERIFY(sunucu.Baslat());
    Yonelt(KapaliPort(), sunucu.Port());
    TSeamler seamler;
    DosyaYaz(Tdosyaindir::HedefDosya(), "ESKI KURULUM");

    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    pencere->FormActivate();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(seamler.bitisler.front(), 0);
    QCOMPARE(seamler.mesajlar.size(), size_t(1));
    QCOMPARE(seamler.mesajlar.front().baslik, u"Error"_s);
    QCOMPARE(seamler.mesajlar.front().tur, int(mtError));
    QCOMPARE(seamler.mesajlar.front().metin, u"Hata Oluştu !\r\nHata: HTTP 404 Not Found"_s);
    QVERIFY(!QFile::exists(Tdosyaindir::HedefDosya()));
    QVERIFY(m_baslatilanlar.empty());
}

void TestDosyaindir::aktarimHatasiHicbirSeyBaslatmaz() {
    Yonelt(KapaliPort(), KapaliPort());
    TSeamler seamler;
    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    pencere->FormActivate();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(seamler.mesajlar.size(), size_t(1));
    QVERIFY2(seamler.mesajlar.front().metin.startsWith(u"Hata Oluştu !\r\nHata: "_s),
             qPrintable(seamler.mesajlar.front().metin));
    QVERIFY(seamler.mesajlar.front().metin.size() > u"Hata Oluştu !\r\nHata: "_s.size());
    QVERIFY(!QFile::exists(Tdosyaindir::HedefDosya()));
    QVERIFY(m_baslatilanlar.empty());
}

// There is no way to skip the update: Escape and a close request leave the window open.
void TestDosyaindir::kullaniciKapatamaz() {
    const auto pencere = Tdosyaindir::Yeni(nullptr, 3);
    QSignalSpy bitti(pencere.get(), &QDialog::finished);
    pencere->reject();
    QTest::keyClick(pencere.get(), Qt::Key_Escape);
    QCOMPARE(bitti.count(), 0);
    QVERIFY(!(pencere->windowFlags() & Qt::WindowCloseButtonHint));
}

QTEST_MAIN(TestDosyaindir)
#include "tst_dosyaindir.moc"
