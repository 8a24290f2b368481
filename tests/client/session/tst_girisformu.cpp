// The login window against a real server process: settings file, credentials, the server's
// verdicts (unknown computer, new version, inactive account, sales staff), an unreachable server
// and the address service's endless retry.
#include "client/account/seccariu.h"
#include "client/content/formistekyeniu.h"
#include "client/remote/baglantiu.h"
#include "client/session/dosyaindiru.h"
#include "client/session/girisformu.h"
#include "denemesunucusu.h"
#include "platform/datasnap/connection.h"
#include "testortami.h"
#include "tests/e2e/sunucusureci.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

// A login window on a connection to `port`, as the main window creates it.
struct TGiris {
    explicit TGiris(int port) {
        bagc.Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
        bagc.Params().SetValues(u"Port"_s, QString::number(port));
        pencere = std::make_unique<Tgirisform>(&bagc, &bilgi);
        pencere->show();
    }
    QLineEdit* adi() const { return pencere->findChild<QLineEdit*>(u"adi"_s); }
    QLineEdit* sifre() const { return pencere->findChild<QLineEdit*>(u"sifre"_s); }
    QPushButton* giris() const { return pencere->findChild<QPushButton*>(u"Button1"_s); }
    QPushButton* vazgec() const { return pencere->findChild<QPushButton*>(u"Button2"_s); }
    QCheckBox* hatirla() const { return pencere->findChild<QCheckBox*>(u"benihatirla"_s); }

    void Yaz(const QString& ad, const QString& parola) const {
        adi()->clear();
        sifre()->clear();
        QTest::keyClicks(adi(), ad);
        QTest::keyClicks(sifre(), parola);
    }
    void Enter() const { QTest::keyClick(sifre(), Qt::Key_Return); }

    datasnap::TSQLConnection bagc;
    TSonucBilgisi bilgi;
    std::unique_ptr<Tgirisform> pencere;
};

QByteArray DosyaIcerigi(const QString& yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

QByteArray AyarMetni(const QString& isim, const QString& sifre, bool hatirla) {
    return (u"[kullanici]\r\nisim="_s + isim + u"\r\nsifre="_s + sifre + u"\r\nhatırla="_s +
            (hatirla ? u"1"_s : u"0"_s) + u"\r\n"_s)
        .toUtf8();
}

void SqlCalistir(const QString& veritabani, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"deneme"_s);
        db.setDatabaseName(veritabani);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase(u"deneme"_s);
}

const QString kHatali = u"Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"_s;

} // namespace

class TestGirisformu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void ilkAcilistaKutularBosVeHatirlaSecili();
    void basariliGirisAyarlariYazarVeSonrakiAcilistaGeriGetirir();
    void hatirlanmayanKimlikYazilirAmaGeriGelmez();
    void kucukHarfBuyukGosterilirVeBuyukKarsilastirilir();
    void reddedilenGiris_data();
    void reddedilenGiris();
    void bilinmeyenBilgisayarIstekFormunuAcarVeBiter();
    void yeniSurumIndirmePenceresiniAcar();
    void sunucuYokkenBaglantiKurulamadi();
    void enterBosAlandaUyarir_data();
    void enterBosAlandaUyarir();
    void enterAddaSifreyeGecer();
    void denemeSurerkenIkinciDenemeBaslamaz();
    void adresServisiYanitlamazkenDenerVeVazgecBitirir();
    void adresServisiGecikirseOkumaSuresiDolarVeYenidenDener();
    void bosAdresCevabiUyarirVeBostaKalir();
    void temsilciCariSecer();
    void temsilciCariSecimindenVazgecerseBiter();

private:
    std::unique_ptr<TEvKlasoru> m_ev;
    std::unique_ptr<TSunucuSureci> m_sunucu;
};

void TestGirisformu::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
    m_sunucu = std::make_unique<TSunucuSureci>(300);
    QVERIFY(m_sunucu->Baslat());
}

void TestGirisformu::init() {
    m_ev->Temizle();
    Yonelt(m_sunucu->Port(), m_sunucu->Port());
}

void TestGirisformu::ilkAcilistaKutularBosVeHatirlaSecili() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    QVERIFY(!QFile::exists(Tgirisform::AyarDosyasiYolu()));
    TGiris g(m_sunucu->Port());
    QVERIFY(g.hatirla()->isChecked());
    QVERIFY(g.adi()->text().isEmpty());
    QVERIFY(g.sifre()->text().isEmpty());
    QCOMPARE(g.pencere->windowTitle(), u"Giriş"_s);
    QCOMPARE(g.pencere->idsi(), u"TEST-MAKINE-3"_s);
    QCOMPARE(g.pencere->size(), QSize(368, 550));
    QCOMPARE(g.sifre()->echoMode(), QLineEdit::Password);
    QVERIFY(QTest::qWaitForWindowActive(g.pencere.get()));
    QCOMPARE(QApplication::focusWidget(), g.adi());
    // Tab order: "Giriş", "Vazgeç", the check box, the name, the password.
    g.giris()->setFocus();
    QList<QWidget*> sira;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        sira << QApplication::focusWidget();
    }
    QCOMPARE(sira, (QList<QWidget*>{g.vazgec(), g.hatirla(), g.adi(), g.sifre(), g.giris()}));
}

void TestGirisformu::basariliGirisAyarlariYazarVeSonrakiAcilistaGeriGetirir() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    {
        TGiris g(m_sunucu->Port());
        QSignalSpy bitti(g.pencere.get(), &QDialog::finished);
        g.Yaz(u"BAYI3"_s, u"1234"_s);
        g.Enter();
        QTRY_COMPARE_WITH_TIMEOUT(bitti.count(), 1, kSure);
        QCOMPARE(g.pencere->result(), int(QDialog::Accepted));
        QVERIFY2(seamler.mesajlar.empty(), qPrintable(seamler.MesajMetinleri().join(u" | "_s)));
        QVERIFY(seamler.modallar.empty()); // a dealer goes straight on
        QCOMPARE(g.giris()->text(), u"Giriş!"_s);

        // The session: the server's record, then the local fields and the external address.
        QCOMPARE(g.bilgi.ADI(), u"BAYI3"_s);
        QCOMPARE(g.bilgi.MusteriTipi(), 3);
        QCOMPARE(g.bilgi.CARINO(), 1);
        QVERIFY(g.bilgi.Varmi());
        QCOMPARE(g.bilgi.BILGISAYARID(), u"TEST-MAKINE-3"_s);
        QCOMPARE(g.bilgi.BilgiSayarAdi(), BilgisayarAdiVer());
        QCOMPARE(g.bilgi.BilgisayarKullanici(), KullaniciAdiVer());
        QCOMPARE(g.bilgi.Icip(), IpAdresiVer());
        QCOMPARE(g.bilgi.Disip(), u"127.0.0.1"_s);
        QCOMPARE(g.bagc.Params().Values(u"HostName"_s), u"127.0.0.1"_s);
    }
    QCOMPARE(DosyaIcerigi(Tgirisform::AyarDosyasiYolu()), AyarMetni(u"BAYI3"_s, u"1234"_s, true));

    TGiris sonraki(m_sunucu->Port());
    QVERIFY(sonraki.hatirla()->isChecked());
    QCOMPARE(sonraki.adi()->text(), u"BAYI3"_s);
    QCOMPARE(sonraki.sifre()->text(), u"1234"_s);
}

void TestGirisformu::hatirlanmayanKimlikYazilirAmaGeriGelmez() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-4"_s);
    {
        TGiris g(m_sunucu->Port());
        g.hatirla()->setChecked(false);
        QSignalSpy bitti(g.pencere.get(), &QDialog::finished);
        g.Yaz(u"BAYI4"_s, u"1234"_s);
        g.Enter();
        QTRY_COMPARE_WITH_TIMEOUT(bitti.count(), 1, kSure);
        QCOMPARE(g.pencere->result(), int(QDialog::Accepted));
    }
    QCOMPARE(DosyaIcerigi(Tgirisform::AyarDosyasiYolu()), AyarMetni(u"BAYI4"_s, u"1234"_s, false));

    TGiris sonraki(m_sunucu->Port());
    QVERIFY(!sonraki.hatirla()->isChecked());
    QVERIFY(sonraki.adi()->text().isEmpty());
    QVERIFY(sonraki.sifre()->text().isEmpty());
}

void TestGirisformu::kucukHarfBuyukGosterilirVeBuyukKarsilastirilir() {
    TSunucuSureci sunucu(50);
    SqlCalistir(sunucu.Veritabani(), u"UPDATE KULLANICILAR SET ADI = 'bayi3' WHERE ADI = 'BAYI3'"_s);
    QVERIFY(sunucu.Baslat());
    Yonelt(sunucu.Port(), sunucu.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(sunucu.Port());
    QSignalSpy karar(g.pencere.get(), &Tgirisform::denemeBitti);
    g.Yaz(u"bayi3"_s, u"1234"_s);
    QCOMPARE(g.adi()->text(), u"BAYI3"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(karar.count(), 1, kSure);
    QCOMPARE(g.bilgi.ADI(), u"bayi3"_s);
    QCOMPARE(seamler.MesajMetinleri(), QStringList{kHatali});
    QVERIFY(g.pencere->isVisible());
}

void TestGirisformu::reddedilenGiris_data() {
    QTest::addColumn<QString>("makine");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<bool>("ayarYazilir");
    QTest::newRow("wrong password") << u"TEST-MAKINE-3"_s << u"BAYI3"_s << u"9999"_s << false;
    QTest::newRow("another user's name") << u"TEST-MAKINE-3"_s << u"BAYI4"_s << u"1234"_s << false;
    QTest::newRow("inactive account") << u"TEST-MAKINE-5"_s << u"BAYIPASIF"_s << u"1234"_s << true;
}

// Wrong credentials and an inactive account get the same warning and leave the window idle; the
// settings are saved only when name and password matched.
void TestGirisformu::reddedilenGiris() {
    QFETCH(QString, makine);
    QFETCH(QString, ad);
    QFETCH(QString, sifre);
    QFETCH(bool, ayarYazilir);
    TSeamler seamler;
    TSahteMakine sahte(makine);
    TGiris g(m_sunucu->Port());
    QSignalSpy karar(g.pencere.get(), &Tgirisform::denemeBitti);
    g.Yaz(ad, sifre);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(karar.count(), 1, kSure);

    QCOMPARE(seamler.MesajMetinleri(), QStringList{kHatali});
    QCOMPARE(seamler.mesajlar.front().tur, int(mtWarning));
    QCOMPARE(seamler.mesajlar.front().baslik, u"Uyarı"_s);
    QVERIFY(seamler.bitisler.empty());
    QVERIFY(g.pencere->isVisible());
    QVERIFY(g.giris()->isEnabled());
    QCOMPARE(g.giris()->text(), u"Giriş!"_s);
    QVERIFY(!g.pencere->DenemeSuruyor());
    QCOMPARE(g.adi()->selectedText(), ad);
    if (ayarYazilir)
        QCOMPARE(DosyaIcerigi(Tgirisform::AyarDosyasiYolu()), AyarMetni(ad, sifre, true));
    else
        QVERIFY(!QFile::exists(Tgirisform::AyarDosyasiYolu()));
}

// The request form of the distributor's site is shown in the web view, then the process ends;
// nothing is saved.
void TestGirisformu::bilinmeyenBilgisayarIstekFormunuAcarVeBiter() {
    TSeamler seamler;
    TSahteMakine makine(u"BILINMEYEN-7"_s);
    QString adres;
    QString sayfaBasligi;
    QString sayfaMetni;
    seamler.modalCevabi = [&](QDialog* pencere) {
        auto* form = qobject_cast<Tformistekyeni*>(pencere);
        if (!form)
            return int(QDialog::Rejected);
        adres = form->Adres();
        QSignalSpy yuklendi(form->sitem(), &QWebEngineView::loadFinished);
        if (yuklendi.wait(kSure) && yuklendi.first().first().toBool()) {
            sayfaBasligi = form->sitem()->title();
            form->sitem()->page()->toPlainText([&sayfaMetni](const QString& metin) { sayfaMetni = metin; });
            if (!QTest::qWaitFor([&sayfaMetni] { return !sayfaMetni.isEmpty(); }, kSure))
                sayfaMetni = u"(the page gave no text)"_s;
        }
        return int(QDialog::Accepted);
    };
    TGiris g(m_sunucu->Port());
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(seamler.bitisler.front(), 0);
    QCOMPARE(seamler.modallar.size(), size_t(1));
    QCOMPARE(seamler.modallar.front().baslik, u"Tevrano B2B İstek Formu"_s);
    QCOMPARE(adres, Adres(m_sunucu->Port()) + u"/formmailgonder.aspx?carino=0&kullanici= &id=BILINMEYEN-7"_s);
    QCOMPARE(sayfaBasligi, u"Hesap Talebi"_s);
    QVERIFY2(sayfaMetni.contains(u"Bilgisayar kimliği: BILINMEYEN-7"_s), qPrintable(sayfaMetni));
    QVERIFY(!QFile::exists(Tgirisform::AyarDosyasiYolu()));
}

void TestGirisformu::yeniSurumIndirmePenceresiniAcar() {
    TSunucuSureci sunucu(50);
    QVERIFY(sunucu.Baslat({u"--client-version"_s, u"3"_s}));
    Yonelt(sunucu.Port(), sunucu.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    QString surumYazisi;
    seamler.modalCevabi = [&](QDialog* pencere) {
        if (auto* indir = qobject_cast<Tdosyaindir*>(pencere))
            surumYazisi = indir->findChild<QLabel*>(u"sLabel1"_s)->text();
        return int(QDialog::Rejected);
    };
    TGiris g(sunucu.Port());
    QSignalSpy karar(g.pencere.get(), &Tgirisform::denemeBitti);
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(karar.count(), 1, kSure);

    QCOMPARE(seamler.modallar.size(), size_t(1));
    QCOMPARE(seamler.modallar.front().baslik, u"Dosya İndir"_s);
    QCOMPARE(g.bilgi.Version(), 3);
    QVERIFY2(surumYazisi.endsWith(u"\nVersion: 3-2"_s), qPrintable(surumYazisi));
}

void TestGirisformu::sunucuYokkenBaglantiKurulamadi() {
    Yonelt(KapaliPort(), m_sunucu->Port()); // the address service answers, the application server does not
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(KapaliPort());
    QSignalSpy karar(g.pencere.get(), &Tgirisform::denemeBitti);
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(karar.count(), 1, kSure);

    QCOMPARE(seamler.MesajMetinleri(), QStringList{u"Bağlantı Kurulamadı !"_s});
    QCOMPARE(seamler.mesajlar.front().tur, int(mtError));
    QVERIFY(g.giris()->isEnabled());
    QVERIFY(!g.bilgi.Varmi());
    QVERIFY(!QFile::exists(Tgirisform::AyarDosyasiYolu()));
}

void TestGirisformu::enterBosAlandaUyarir_data() {
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("sifre");
    QTest::addColumn<QString>("kutu");
    QTest::addColumn<QString>("uyari");
    QTest::newRow("empty name") << QString() << QString() << u"adi"_s << u"Lütfen kullanıcı adını giriniz !"_s;
    QTest::newRow("blank name") << u"   "_s << QString() << u"adi"_s << u"Lütfen kullanıcı adını giriniz !"_s;
    QTest::newRow("empty password") << u"BAYI3"_s << QString() << u"sifre"_s
                                    << u"Lütfen kullanıcı şifresini giriniz !"_s;
    QTest::newRow("blank password") << u"BAYI3"_s << u"  "_s << u"sifre"_s << u"Lütfen kullanıcı şifresini giriniz !"_s;
}

// Enter in an empty box: the error beep, the toolkit's warning dialog, the box focused; nothing is
// sent.
void TestGirisformu::enterBosAlandaUyarir() {
    QFETCH(QString, ad);
    QFETCH(QString, sifre);
    QFETCH(QString, kutu);
    QFETCH(QString, uyari);
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    QVERIFY(QTest::qWaitForWindowActive(g.pencere.get()));
    g.Yaz(ad, sifre);
    QLineEdit* hedef = g.pencere->findChild<QLineEdit*>(kutu);
    QTest::keyClick(hedef, Qt::Key_Return);

    QCOMPARE(seamler.MesajMetinleri(), QStringList{uyari});
    QCOMPARE(seamler.mesajlar.front().baslik, u"Warning"_s);
    QCOMPARE(seamler.mesajlar.front().tuslar, MesajTuslari(mbOK));
    QCOMPARE(seamler.sesler, std::vector<SistemSesi>{SistemSesi::Hata});
    QCOMPARE(QApplication::focusWidget(), hedef);
    QVERIFY(!g.pencere->DenemeSuruyor());
    QCOMPARE(g.giris()->text(), u"Giriş"_s);
    QVERIFY(g.pencere->isVisible());
}

void TestGirisformu::enterAddaSifreyeGecer() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    QVERIFY(QTest::qWaitForWindowActive(g.pencere.get()));
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    QTest::keyClick(g.adi(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), g.sifre());
    QCOMPARE(g.sifre()->selectedText(), u"1234"_s);
    QVERIFY(!g.pencere->DenemeSuruyor());
    QVERIFY(seamler.mesajlar.empty());
}

// The address service answers slowly; Enter pressed again in the password box (which stays
// enabled) does not start a second attempt: the service sees the two requests of one attempt.
void TestGirisformu::denemeSurerkenIkinciDenemeBaslamaz() {
    TDenemeSunucusu adresServisi;
    adresServisi.Get("/ip.php", [](const httplib::Request&, httplib::Response& cevap) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cevap.set_content("10.1.2.3", "text/plain");
    });
    adresServisi.Baslat();
    Yonelt(m_sunucu->Port(), adresServisi.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    QSignalSpy bitti(g.pencere.get(), &QDialog::finished);
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QVERIFY(g.pencere->DenemeSuruyor());
    QCOMPARE(g.giris()->text(), u"Bağlanıyor..."_s);
    QVERIFY(!g.giris()->isEnabled());
    QVERIFY(g.pencere->findChild<QWidget*>(u"RxGIFAnimator1"_s)->isVisible());
    g.Enter();
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(bitti.count(), 1, kSure);

    QCOMPARE(g.pencere->result(), int(QDialog::Accepted));
    QCOMPARE(adresServisi.IstekSayisi(), 2);
    QCOMPARE(g.bilgi.Disip(), u"10.1.2.3"_s);
    QVERIFY(!g.pencere->findChild<QWidget*>(u"RxGIFAnimator1"_s)->isVisible());
}

// While the address service fails, the login keeps trying with the window responsive; "Vazgeç"
// ends the process.
void TestGirisformu::adresServisiYanitlamazkenDenerVeVazgecBitirir() {
    TDenemeSunucusu adresServisi;
    adresServisi.Get("/ip.php", [](const httplib::Request&, httplib::Response& cevap) { cevap.status = 503; });
    adresServisi.Baslat();
    Yonelt(m_sunucu->Port(), adresServisi.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_VERIFY_WITH_TIMEOUT(adresServisi.IstekSayisi() >= 3, kSure);
    QVERIFY(g.pencere->DenemeSuruyor());
    QCOMPARE(g.giris()->text(), u"Bağlanıyor..."_s);
    QVERIFY(seamler.mesajlar.empty());

    QTest::mouseClick(g.vazgec(), Qt::LeftButton);
    QCOMPARE(seamler.bitisler, std::vector<int>{0});
}

// An answer slower than the read timeout (1500 ms) is given up and asked for again.
void TestGirisformu::adresServisiGecikirseOkumaSuresiDolarVeYenidenDener() {
    std::atomic<int> sira = 0;
    TDenemeSunucusu adresServisi;
    adresServisi.Get("/ip.php", [&sira](const httplib::Request&, httplib::Response& cevap) {
        if (sira++ == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        cevap.set_content(" 10.9.8.7\n", "text/plain");
    });
    adresServisi.Baslat();
    Yonelt(m_sunucu->Port(), adresServisi.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    QSignalSpy bitti(g.pencere.get(), &QDialog::finished);
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(bitti.count(), 1, kSure);

    QCOMPARE(g.pencere->result(), int(QDialog::Accepted));
    QCOMPARE(adresServisi.IstekSayisi(), 3); // the slow one, its repetition, the fresh one of the session
    QCOMPARE(g.bilgi.Disip(), u"10.9.8.7"_s);
}

void TestGirisformu::bosAdresCevabiUyarirVeBostaKalir() {
    TDenemeSunucusu adresServisi;
    adresServisi.Get(
        "/ip.php", [](const httplib::Request&, httplib::Response& cevap) { cevap.set_content(" \r\n", "text/plain"); });
    adresServisi.Baslat();
    Yonelt(m_sunucu->Port(), adresServisi.Port());
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-3"_s);
    TGiris g(m_sunucu->Port());
    QSignalSpy karar(g.pencere.get(), &Tgirisform::denemeBitti);
    g.Yaz(u"BAYI3"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(karar.count(), 1, kSure);

    QCOMPARE(seamler.MesajMetinleri(), QStringList{u"Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"_s});
    QCOMPARE(seamler.mesajlar.front().tur, int(mtError));
    QCOMPARE(adresServisi.IstekSayisi(), 1); // the application server was not asked
    QVERIFY(g.giris()->isEnabled());
    QCOMPARE(g.giris()->text(), u"Giriş!"_s);
    QVERIFY(!g.bilgi.Varmi());
}

void TestGirisformu::temsilciCariSecer() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-1"_s);
    seamler.modalCevabi = [](QDialog* pencere) {
        auto* secim = qobject_cast<Tseccari*>(pencere);
        auto* giris = qobject_cast<Tgirisform*>(pencere->parentWidget());
        if (!secim || !giris)
            return int(QDialog::Rejected);
        giris->Bilgim()->SetCARINO(1234);
        giris->Bilgim()->Setcarikod(u"120.01.1234"_s);
        giris->Bilgim()->SetCariAdi(u"SEÇİLEN CARİ"_s);
        return int(QDialog::Accepted);
    };
    TGiris g(m_sunucu->Port());
    QSignalSpy bitti(g.pencere.get(), &QDialog::finished);
    g.Yaz(u"TEMSILCI1"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(bitti.count(), 1, kSure);

    QCOMPARE(g.pencere->result(), int(QDialog::Accepted));
    QCOMPARE(seamler.modallar.size(), size_t(1));
    QCOMPARE(seamler.modallar.front().sinif, u"Tseccari"_s);
    QCOMPARE(seamler.modallar.front().baslik, u"Cari Seçimi"_s);
    QCOMPARE(g.bilgi.MusteriTipi(), 1);
    QCOMPARE(g.bilgi.CARINO(), 1234);
    QCOMPARE(g.bilgi.CariAdi(), u"SEÇİLEN CARİ"_s);
    QVERIFY(seamler.bitisler.empty());
}

void TestGirisformu::temsilciCariSecimindenVazgecerseBiter() {
    TSeamler seamler;
    TSahteMakine makine(u"TEST-MAKINE-2"_s);
    TGiris g(m_sunucu->Port());
    g.Yaz(u"TEMSILCI2"_s, u"1234"_s);
    g.Enter();
    QTRY_COMPARE_WITH_TIMEOUT(seamler.bitisler.size(), size_t(1), kSure);

    QCOMPARE(seamler.bitisler.front(), 0);
    QCOMPARE(seamler.modallar.size(), size_t(1));
    QCOMPARE(seamler.modallar.front().sinif, u"Tseccari"_s);
    QCOMPARE(g.pencere->result(), int(QDialog::Rejected));
    // The credentials matched, so they were saved before the selection.
    QCOMPARE(DosyaIcerigi(Tgirisform::AyarDosyasiYolu()), AyarMetni(u"TEMSILCI2"_s, u"1234"_s, true));
}

QTEST_MAIN(TestGirisformu)
#include "tst_girisformu.moc"
