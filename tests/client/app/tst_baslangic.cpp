// The program's start against a real server process, with the real login window typed into: a
// dealer and a sales representative log in, and the main window opens adapted to them, with its
// header from the server's session record and the counters on the tabs.
#include "client/account/seccariu.h"
#include "client/app/Unit1.h"
#include "client/session/girisformu.h"
#include "tests/client/session/testortami.h"
#include "tests/e2e/sunucusureci.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

} // namespace

class TestBaslangic : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void girisVeAnaPencere_data();
    void girisVeAnaPencere();

private:
    std::unique_ptr<TEvKlasoru> m_ev;
    std::unique_ptr<TSunucuSureci> m_sunucu;
};

void TestBaslangic::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
    m_sunucu = std::make_unique<TSunucuSureci>(300);
    QVERIFY(m_sunucu->Baslat());
}

void TestBaslangic::init() {
    m_ev->Temizle();
    Yonelt(m_sunucu->Port(), m_sunucu->Port());
}

void TestBaslangic::girisVeAnaPencere_data() {
    QTest::addColumn<QString>("makine");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<int>("tip");
    QTest::newRow("dealer") << u"TEST-MAKINE-3"_s << u"BAYI3"_s << 3;
    QTest::newRow("reduced dealer") << u"TEST-MAKINE-4"_s << u"BAYI4"_s << 4;
    QTest::newRow("sales representative") << u"TEST-MAKINE-1"_s << u"TEMSILCI1"_s << 1;
}

void TestBaslangic::girisVeAnaPencere() {
    QFETCH(QString, makine);
    QFETCH(QString, ad);
    QFETCH(int, tip);
    TSeamler seamler;
    TSahteMakine sahte(makine);
    bool cariSecildi = false;
    seamler.modalCevabi = [&](QDialog* pencere) {
        if (qobject_cast<Tgirisform*>(pencere))
            return GirisiYaz(pencere, ad, u"1234"_s);
        if (auto* secim = qobject_cast<Tseccari*>(pencere)) {
            auto* giris = qobject_cast<Tgirisform*>(secim->parentWidget());
            giris->Bilgim()->SetCARINO(1);
            giris->Bilgim()->SetCariAdi(u"SEÇİLEN CARİ"_s);
            cariSecildi = true;
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    };

    TForm1 form;
    QSignalSpy bitti(&form, &TForm1::acilisGoreviBitti);
    form.FormCreate();
    form.show();
    QVERIFY(bitti.wait(kSure));

    QVERIFY2(seamler.bitisler.empty(), "the process was ended");
    QCOMPARE(cariSecildi, tip == 1);
    QCOMPARE(form.sbilgi().ADI(), ad);
    QCOMPARE(form.sbilgi().MusteriTipi(), tip);
    QCOMPARE(form.sbilgi().Disip(), u"127.0.0.1"_s);
    QCOMPARE(form.findChild<QLabel*>(u"kullanicilbl"_s)->text(), ad);
    QVERIFY(!form.findChild<QLabel*>(u"cariadilbl"_s)->text().isEmpty());
    QVERIFY(form.findChild<QLabel*>(u"saticilbl"_s)->text().contains(u" Telefonu: "_s));
    QCOMPARE(!form.findChild<QPushButton*>(u"musteritus"_s)->isHidden(), tip == 1);
    auto* sekmeler = form.findChild<QTabWidget*>(u"sPageControl1"_s);
    QCOMPARE(sekmeler->isTabVisible(sekmeler->indexOf(form.SekmeSayfasi(TSekme::Kampanyali))), tip != 4);

    // Every counter tab carries a count from the server.
    QVERIFY2(seamler.mesajlar.empty(), qPrintable(seamler.MesajMetinleri().join(u" | "_s)));
    const QRegularExpression sayili(u"^\\d+(\\.\\d+)?=\\S"_s);
    for (TSekme sekme : {TSekme::Sepet, TSekme::Yeniler, TSekme::Kampanyali, TSekme::Duyurular, TSekme::Bakiyeler})
        QVERIFY2(sayili.match(form.SekmeBasligi(sekme)).hasMatch(), qPrintable(form.SekmeBasligi(sekme)));
    QCOMPARE(QFileInfo::exists(Tgirisform::AyarDosyasiYolu()), true);
}

QTEST_MAIN(TestBaslangic)
#include "tst_baslangic.moc"
