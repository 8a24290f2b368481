// The overdue-balance warning under the basket: fetched on a thread of its own from a real server
// process, handed to the label on the user-interface thread, the last fetch to finish winning.
#include "client/orders/bakiyeuyarisi.h"
#include "client/remote/baglanti.h"
#include "client/remote/utils.h"
#include "tests/e2e/oturumyardimi.h"
#include "tests/e2e/sunucusureci.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <future>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBorclu = 1; // the demo dealer BAYI3's customer, given overdue debts below
constexpr int kTemiz = 2;  // BAYI4's customer, given none

double OleBugun() {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

void HareketleriYaz(const TTestVeritabani& v) {
    v.Komut(u"DELETE FROM CARI_HAREKETLER WHERE CARINO IN (?, ?)"_s, {kBorclu, kTemiz});
    v.Komut(u"UPDATE CARILER SET VADEKONTROLGUN = 0 WHERE CARINO IN (?, ?)"_s, {kBorclu, kTemiz});
    const double bugun = OleBugun();
    const QString ekle = u"INSERT INTO CARI_HAREKETLER (CARINO, TARIH, VADETARIHI, TURADI, BORC, ALACAK) "
                         "VALUES (?, ?, ?, ?, ?, ?)"_s;
    v.Komut(ekle, {kBorclu, bugun - 70, bugun - 40, u"Satış Faturası"_s, 1000.0, 0.0});
    v.Komut(ekle, {kTemiz, bugun - 20, bugun + 10, u"Satış Faturası"_s, 800.0, 0.0});
}

std::unique_ptr<datasnap::TSQLConnection> Baglanti(int port) {
    auto b = std::make_unique<datasnap::TSQLConnection>();
    b->Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
    b->Params().SetValues(u"Port"_s, QString::number(port));
    return b;
}

// A fetch the test lets finish with a text of its choice.
struct TKapi {
    std::promise<QString> soz;
    std::shared_future<QString> sonuc = soz.get_future().share();
    TUyariGetirici Getirici() {
        return [s = sonuc](int) { return s.get(); };
    }
};

} // namespace

class TstBakiyeUyarisi : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSunucuSureci> m_sunucu;
    int m_mesajlar = 0;

private slots:
    void initTestCase() {
        m_sunucu = std::make_unique<TSunucuSureci>(300);
        QVERIFY(m_sunucu->Baslat());
        TTestVeritabani v(m_sunucu->Veritabani());
        HareketleriYaz(v);
        BeklemeyiAyarla([](std::chrono::milliseconds) {});
        MesajCevaplayicisiniAyarla([this](const MesajIstegi&) {
            ++m_mesajlar;
            return int(mrOk);
        });
    }
    void init() { m_mesajlar = 0; }

    void overdueCustomerGetsTheServersText() {
        auto bagc = Baglanti(m_sunucu->Port());
        QLabel lbluyarbakiye(u"eski"_s);
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        QSignalSpy geldi(&uyari, &TCariBakiyeUyarisi::UyariGeldi);
        uyari.Baslat(kBorclu);
        QVERIFY(lbluyarbakiye.text().isEmpty()); // emptied at once, before the answer
        QTRY_COMPARE(geldi.count(), 1);
        QCOMPARE(lbluyarbakiye.text(), u"Vadesi geçmiş bakiye: 1.000,00 TL (en eski vade 40 gün geçti)"_s);
        QCOMPARE(geldi.at(0).at(0).toInt(), kBorclu);
        QVERIFY(!bagc->Connected()); // the main connection is never used
        QCOMPARE(m_mesajlar, 0);
    }

    void nothingOverdueShowsNoWarning() {
        auto bagc = Baglanti(m_sunucu->Port());
        QLabel lbluyarbakiye;
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        QSignalSpy geldi(&uyari, &TCariBakiyeUyarisi::UyariGeldi);
        uyari.Baslat(kBorclu);
        QTRY_COMPARE(geldi.count(), 1);
        QVERIFY(!lbluyarbakiye.text().isEmpty());
        uyari.Baslat(kTemiz); // the next showing, for a customer whose debt is not yet due
        QVERIFY(lbluyarbakiye.text().isEmpty());
        QTRY_COMPARE(geldi.count(), 2);
        QVERIFY(lbluyarbakiye.text().isEmpty());
        QCOMPARE(uyari.CalisanSayisi(), 0);
    }

    void unreachableServerEndsSilently() {
        auto bagc = Baglanti(1); // nothing listens there
        QLabel lbluyarbakiye(u"eski"_s);
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        QSignalSpy geldi(&uyari, &TCariBakiyeUyarisi::UyariGeldi);
        uyari.Baslat(kBorclu);
        QTRY_COMPARE(geldi.count(), 1);
        QVERIFY(lbluyarbakiye.text().isEmpty());
        QCOMPARE(geldi.at(0).at(1).toString(), QString());
        QCOMPARE(m_mesajlar, 0);
    }

    // Two showings of the tab: whichever fetch finishes last writes the label.
    void lastFinisherWins() {
        auto bagc = Baglanti(m_sunucu->Port());
        QLabel lbluyarbakiye;
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        QSignalSpy geldi(&uyari, &TCariBakiyeUyarisi::UyariGeldi);
        TKapi ilk, ikinci;
        uyari.GetiriciyiAyarla(ilk.Getirici());
        uyari.Baslat(kBorclu);
        uyari.GetiriciyiAyarla(ikinci.Getirici());
        uyari.Baslat(kBorclu);
        QCOMPARE(uyari.CalisanSayisi(), 2);
        ikinci.soz.set_value(u"ikinci"_s);
        QTRY_COMPARE(lbluyarbakiye.text(), u"ikinci"_s);
        ilk.soz.set_value(u"ilk"_s);
        QTRY_COMPARE(lbluyarbakiye.text(), u"ilk"_s);
        QCOMPARE(geldi.count(), 2);
        QCOMPARE(uyari.CalisanSayisi(), 0);
    }

    // A late answer about the customer worked for before never replaces the current one's.
    void lateAnswerForAnotherCustomerIsDropped() {
        auto bagc = Baglanti(m_sunucu->Port());
        QLabel lbluyarbakiye;
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        TKapi eski, yeni;
        uyari.GetiriciyiAyarla(eski.Getirici());
        uyari.Baslat(kBorclu);
        uyari.GetiriciyiAyarla(yeni.Getirici());
        uyari.Baslat(kTemiz);
        yeni.soz.set_value(QString());
        QTRY_COMPARE(uyari.CalisanSayisi(), 1); // the current customer's answer is in
        eski.soz.set_value(u"eski carinin borcu"_s);
        QTRY_COMPARE(uyari.CalisanSayisi(), 0);
        QVERIFY(lbluyarbakiye.text().isEmpty());
    }

    void failingFetchEmptiesTheLabel() {
        auto bagc = Baglanti(m_sunucu->Port());
        QLabel lbluyarbakiye(u"eski"_s);
        TCariBakiyeUyarisi uyari(*bagc, &lbluyarbakiye);
        QSignalSpy geldi(&uyari, &TCariBakiyeUyarisi::UyariGeldi);
        uyari.GetiriciyiAyarla([](int) -> QString { throw std::runtime_error("kopuk"); });
        uyari.Baslat(kBorclu);
        QTRY_COMPARE(geldi.count(), 1);
        QVERIFY(lbluyarbakiye.text().isEmpty());
        QCOMPARE(m_mesajlar, 0);
    }

    // The window may be gone before the answer: nothing is written and nothing crashes.
    void answerAfterTheWindowIsGoneChangesNothing() {
        auto bagc = Baglanti(m_sunucu->Port());
        TKapi kapi;
        // Set when the fetching thread has let go of its fetch, that is after its hand-over.
        auto bitti = std::make_shared<std::atomic<bool>>(false);
        struct TBitis {
            std::shared_ptr<std::atomic<bool>> bayrak;
            ~TBitis() {
                if (bayrak)
                    *bayrak = true;
            }
        };
        auto bitis = std::make_shared<TBitis>();
        bitis->bayrak = bitti;
        auto lbluyarbakiye = std::make_unique<QLabel>();
        auto uyari = std::make_unique<TCariBakiyeUyarisi>(*bagc, lbluyarbakiye.get());
        uyari->GetiriciyiAyarla([s = kapi.sonuc, bitis](int) { return s.get(); });
        bitis.reset();
        uyari->Baslat(kBorclu);
        uyari.reset();
        lbluyarbakiye.reset();
        QVERIFY(!*bitti);
        kapi.soz.set_value(u"geç"_s);
        QTRY_VERIFY(bitti->load());
    }
};

QTEST_MAIN(TstBakiyeUyarisi)
#include "tst_bakiyeuyarisi.moc"
