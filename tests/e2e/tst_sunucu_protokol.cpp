// The reference server's protocol against the client's own remote layer and against hostile
// requests, with a real server process and its own database.
#include "client/remote/proxim.h"
#include "oturumyardimi.h"
#include "platform/datasnap/dsexception.h"
#include "server/seed/tohum.h"
#include "sunucusureci.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <httplib.h>
#include <thread>

using namespace datasnap;

namespace {

// A fingerprint of every table's content, to show that a request changed nothing.
QByteArray Parmakizi(const QString& dosya) {
    QByteArray izi;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("parmakizi"));
        db.setDatabaseName(dosya);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QSqlQuery tablolar(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"), db);
        QStringList adlar;
        while (tablolar.next())
            adlar << tablolar.value(0).toString();
        for (const QString& ad : adlar) {
            QSqlQuery q(QStringLiteral("SELECT * FROM \"%1\"").arg(ad), db);
            while (q.next())
                for (int i = 0; i < q.record().count(); ++i)
                    hash.addData(q.value(i).toString().toUtf8());
        }
        izi = hash.result();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("parmakizi"));
    return izi;
}

} // namespace

class TstSunucuProtokol : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSunucuSureci> m_sunucu;

private slots:
    void initTestCase() {
        KayitSiniflariniKaydet();
        m_sunucu = std::make_unique<TSunucuSureci>(300);
        QVERIFY(m_sunucu->Baslat());
    }

    void cleanupTestCase() { m_sunucu.reset(); }

    void handshakeAndSessionOfABoundMachine() {
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        const QString kimlik = MakineKimligi("BAYI3");
        QVERIFY(!kimlik.isEmpty());
        TSonucBilgisi s;
        s.Kopyala(*p.BuyukGetir(kimlik));
        QVERIFY(s.Varmi());
        QCOMPARE(s.ADI(), QStringLiteral("BAYI3"));
        QCOMPARE(s.SIFRE(), QStringLiteral("1234"));
        QCOMPARE(s.MusteriTipi(), 3);
        QCOMPARE(s.AKTIF(), 1);
        QCOMPARE(s.Version(), 2);
        QVERIFY(s.CARINO() > 0);
        QVERIFY(!s.CariAdi().isEmpty());
        QVERIFY(s.Sirano() > 0);
        QCOMPARE(s.BILGISAYARID(), kimlik);
    }

    void unknownMachineGetsARecordWithoutAccount() {
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        TSonucBilgisi* s = p.BuyukGetir(QStringLiteral("BILINMEYEN-MAKINE"));
        QVERIFY(s); // never null: the login reads Version first
        QVERIFY(!s->Varmi());
        QCOMPARE(s->Version(), 2);
        QCOMPARE(s->ADI(), QString());
        QCOMPARE(s->CARINO(), 0);
    }

    void accountDataOfAMachine() {
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        TMobilCariBilgisi bilgi;
        bilgi.Kopyala(*p.MobilCariBilgisiGetir(0, MakineKimligi("BAYI4")));
        QCOMPARE(bilgi.KULLANICIADI(), QStringLiteral("BAYI4"));
        QVERIFY(!bilgi.CARIADI().isEmpty());
        QVERIFY(bilgi.CARINO() > 0);
    }

    void echoesKeepTurkishText() {
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        const QString metin = QStringLiteral("Çağrı İşçi ğüşıöç ĞÜŞİÖÇ \"tırnak\" \\ 😀");
        QCOMPARE(p.EchoString(metin), metin);
        QCOMPARE(p.ReverseString(QStringLiteral("abç😀")), QStringLiteral("😀çba"));
    }

    void unimplementedMethodIsAClearError() {
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        double usd = 0, eur = 0;
        try {
            p.KurlariAl(usd, eur);
            QFAIL("no exception");
        } catch (const TDSException& e) {
            QVERIFY2(e.Message().contains(QStringLiteral("not implemented")), qPrintable(e.Message()));
        }
    }

    void hostileRequestsGetTheir4xxAndChangeNothing_data() {
        QTest::addColumn<QString>("yol"); // the method part of the path, as sent
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<int>("durum");
        const auto m = [](const char* ad) { return QStringLiteral("%22%1%22").arg(QLatin1String(ad)); };
        QTest::newRow("malformed JSON") << m("EchoString") << QByteArray("{\"_parameters\": [") << 400;
        QTest::newRow("not an object") << m("EchoString") << QByteArray("[1]") << 400;
        QTest::newRow("no _parameters") << m("EchoString") << QByteArray("{}") << 400;
        QTest::newRow("too many parameters") << m("EchoString") << QByteArray(R"({"_parameters":["a","b"]})") << 400;
        QTest::newRow("too few parameters") << m("BuyukGetir") << QByteArray(R"({"_parameters":[]})") << 400;
        QTest::newRow("number for string") << m("BuyukGetir") << QByteArray(R"({"_parameters":[5]})") << 400;
        QTest::newRow("fraction for Integer")
            << m("MobilCariBilgisiGetir") << QByteArray(R"({"_parameters":[1.5,"x"]})") << 400;
        QTest::newRow("Integer out of range")
            << m("MobilCariBilgisiGetir") << QByteArray(R"({"_parameters":[4294967296,"x"]})") << 400;
        QTest::newRow("value in an out place")
            << m("SifremiUnuttum") << QByteArray(R"({"_parameters":["x",5]})") << 400;
        QTest::newRow("unknown record class")
            << m("StokAraGetir")
            << QByteArray(R"({"_parameters":["fren",{"type":"baglantiu.TSahte","id":1,"fields":{}}]})") << 400;
        QTest::newRow("record field of wrong type")
            << m("StokAraGetir")
            << QByteArray(R"({"_parameters":["fren",{"type":"baglantiu.TSonucBilgisi","fields":{"FCARINO":"x"}}]})")
            << 400;
        QTest::newRow("unknown method") << m("Yok") << QByteArray(R"({"_parameters":[]})") << 404;
        QTest::newRow("method name in another case")
            << m("echostring") << QByteArray(R"({"_parameters":["a"]})") << 404;
        QTest::newRow("body over 16 MiB")
            << m("EchoString")
            << QByteArray(R"({"_parameters":[")") + QByteArray(17 * 1024 * 1024, 'a') + QByteArray(R"("]})") << 413;
    }

    void hostileRequestsGetTheir4xxAndChangeNothing() {
        QFETCH(QString, yol);
        QFETCH(QByteArray, govde);
        QFETCH(int, durum);
        const QByteArray once = Parmakizi(m_sunucu->Veritabani());
        const THamCevap cevap = HamGovde(m_sunucu->Port(), yol, govde);
        QCOMPARE(cevap.durum, durum);
        QVERIFY2(!cevap.govde.value(u"error").toString().isEmpty(), "an error answer carries its message");
        QCOMPARE(Parmakizi(m_sunucu->Veritabani()), once);

        auto b = BaglantiAc(m_sunucu->Port()); // and the server goes on serving
        TServerMethods1Client p(b.get());
        QCOMPARE(p.EchoString(QStringLiteral("hala burada")), QStringLiteral("hala burada"));
    }

    void sqlMetacharactersAreJustText() {
        const QByteArray once = Parmakizi(m_sunucu->Veritabani());
        auto b = BaglantiAc(m_sunucu->Port());
        TServerMethods1Client p(b.get());
        for (const QString& kotu : {QStringLiteral("' OR '1'='1"), QStringLiteral("x'; DROP TABLE KULLANICILAR; --"),
                                    QStringLiteral("%"), QStringLiteral("\"; DELETE FROM MAKINELER; --")}) {
            TSonucBilgisi* s = p.BuyukGetir(kotu);
            QVERIFY(s && !s->Varmi());
            QCOMPARE(p.EchoString(kotu), kotu);
        }
        QCOMPARE(Parmakizi(m_sunucu->Veritabani()), once);
    }

    void webAddresses() {
        httplib::Client c("127.0.0.1", m_sunucu->Port());
        auto ip = c.Get("/ip.php");
        QVERIFY(ip);
        QCOMPARE(QString::fromStdString(ip->body), QStringLiteral("127.0.0.1"));
        auto ana = c.Get("/");
        QVERIFY(ana && ana->status == 200);
        QVERIFY(QString::fromStdString(ana->body).contains(QStringLiteral("Tevrano")));
        auto form = c.Get("/formmailgonder.aspx?carino=0&kullanici=ALI&id=ABC%3Cb%3E");
        QVERIFY(form && form->status == 200);
        QVERIFY(QString::fromStdString(form->body).contains(QStringLiteral("ABC&lt;b&gt;"))); // escaped
        auto kurulum = c.Get("/exe/TevranoSetup.exe");
        QVERIFY(kurulum);
        QCOMPARE(kurulum->status, 404); // no installer given
    }

    void requestFormStoresTheRequest() {
        httplib::Client c("127.0.0.1", m_sunucu->Port());
        auto bos = c.Post("/formmailgonder.aspx", "firmaadi=&yetkili=", "application/x-www-form-urlencoded");
        QVERIFY(bos);
        QCOMPARE(bos->status, 400);
        auto r = c.Post("/formmailgonder.aspx",
                        "id=MAKINE-9&kullanici=ALI&firmaadi=%C3%87A%C4%9ERI+OTO&yetkili=Ali+Veli&sehir=%C4%B0zmir",
                        "application/x-www-form-urlencoded");
        QVERIFY(r);
        QCOMPARE(r->status, 200);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("form"));
        db.setDatabaseName(m_sunucu->Veritabani());
        QVERIFY(db.open());
        {
            QSqlQuery q(QStringLiteral("SELECT FIRMAADI, YETKILI, SEHIR, KULLANICIADI, TUR FROM MAILLER WHERE "
                                       "BILGISAYARID = 'MAKINE-9'"),
                        db);
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("ÇAĞRI OTO"));
            QCOMPARE(q.value(2).toString(), QStringLiteral("İzmir"));
            QCOMPARE(q.value(4).toString(), QStringLiteral("FORM"));
            QVERIFY(!q.next());
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("form"));
    }

    void manyClientsAtOnceGetCorrectAnswers() {
        constexpr int istemciler = 16;
        constexpr int cagrilar = 40;
        std::atomic<int> dogru{0};
        std::atomic<int> yanlis{0};
        const QString kimlik = MakineKimligi("TEMSILCI1");
        std::vector<std::thread> isler;
        for (int i = 0; i < istemciler; ++i) {
            isler.emplace_back([&, i] {
                try {
                    auto b = BaglantiAc(m_sunucu->Port());
                    TServerMethods1Client p(b.get());
                    for (int n = 0; n < cagrilar; ++n) {
                        const QString metin = QStringLiteral("istemci %1 çağrı %2").arg(i).arg(n);
                        const bool ok = p.EchoString(metin) == metin && p.BuyukGetir(kimlik)->ADI() == u"TEMSILCI1";
                        (ok ? dogru : yanlis)++;
                    }
                } catch (...) {
                    yanlis++;
                }
            });
        }
        for (auto& is : isler)
            is.join();
        QCOMPARE(yanlis.load(), 0);
        QCOMPARE(dogru.load(), istemciler * cagrilar);
    }

    void idleKeepAliveClientsDoNotStarveOthers() {
        // Idle clients each hold a connection open; a newcomer must still be answered well before
        // the idle ones' keep-alive time (5 s) runs out.
        std::vector<std::unique_ptr<httplib::Client>> bosta;
        for (int i = 0; i < 16; ++i) {
            auto c = std::make_unique<httplib::Client>("127.0.0.1", m_sunucu->Port());
            c->set_keep_alive(true);
            QVERIFY(c->Get("/ip.php"));
            bosta.push_back(std::move(c));
        }
        httplib::Client yeni("127.0.0.1", m_sunucu->Port());
        yeni.set_read_timeout(2, 0);
        yeni.set_connection_timeout(2, 0);
        auto r = yeni.Get("/ip.php");
        QVERIFY2(r, "a newcomer starved behind idle keep-alive clients");
    }

    void reportedClientVersionComesFromTheCommandLine() {
        TSunucuSureci ikinci(0);
        QCOMPARE(ikinci.Tohumla({QStringLiteral("--items"), QStringLiteral("50")}), 0);
        QVERIFY(ikinci.Baslat({QStringLiteral("--client-version"), QStringLiteral("3")}));
        auto b = BaglantiAc(ikinci.Port());
        TServerMethods1Client p(b.get());
        QCOMPARE(p.BuyukGetir(QStringLiteral("YOK"))->Version(), 3);
        QCOMPARE(p.BuyukGetir(MakineKimligi("BAYI3"))->Version(), 3);
    }
};

QTEST_GUILESS_MAIN(TstSunucuProtokol)
#include "tst_sunucu_protokol.moc"
