// The proxy, the retry rule, the call forms and the stream copy against a server on loopback.
#include "client/remote/baglanti.h"
#include "client/remote/metotlar.h"
#include "client/remote/proxim.h"
#include "client/remote/utils.h"
#include "platform/datasnap/dsexception.h"
#include "sahteSunucu.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>

using namespace datasnap;

Q_DECLARE_METATYPE(std::function<void(TServerMethods1Client&)>)

namespace {

struct TCiktilar {
    QString s;
    int i = 0;
    double d = 0;
    bool b = false;
    qint64 l = 0;
};

// A well-formed answer for any method: typed defaults for its outs and result.
QByteArray VarsayilanCevap(const TSahteIstek& istek) {
    const TDSMethodSignature* imza = ServerMethods1Imzasi(istek.metot);
    TJsonWriter w;
    w.BeginObject();
    w.Key("result");
    w.BeginArray();
    auto deger = [&w](TDSType tur) {
        switch (tur) {
        case TDSType::String:
            w.String(u"");
            break;
        case TDSType::Boolean:
            w.Bool(false);
            break;
        case TDSType::RowTable:
        case TDSType::DataPacket:
            w.Raw(tur == TDSType::RowTable ? R"({"table":{"columns":[],"rows":[]}})"
                                           : R"({"datapacket":{"columns":[],"rows":[]}})");
            break;
        case TDSType::JsonArray:
            w.Raw("[]");
            break;
        case TDSType::Record:
        case TDSType::Stream:
            w.Null();
            break;
        default:
            w.Int(0);
        }
    };
    for (const TDSParamSig& p : imza->params)
        if (p.out)
            deger(p.type);
    if (imza->HasResult())
        deger(imza->result);
    w.EndArray();
    w.EndObject();
    return w.Take();
}

std::unique_ptr<TSQLConnection> Baglanti(int port) {
    auto b = std::make_unique<TSQLConnection>();
    b->Params().SetValues(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    b->Params().SetValues(QStringLiteral("Port"), QString::number(port));
    return b;
}

// A loopback port that nothing listens on.
int BosPort() {
    QTcpServer gecici;
    gecici.listen(QHostAddress::LocalHost, 0);
    const int port = gecici.serverPort();
    gecici.close();
    return port;
}

// Counts the reads made on it.
class TSayanTampon : public QBuffer {
public:
    using QBuffer::QBuffer;
    int okumalar = 0;

protected:
    qint64 readData(char* data, qint64 len) override {
        ++okumalar;
        return QBuffer::readData(data, len);
    }
};

class TToplayan : public TDBXCallback {
public:
    QList<QJsonValue> degerler;
    void Execute(const QJsonValue& value) override { degerler.append(value); }
};

} // namespace

class TstProxim : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSahteSunucu> m_sunucu;
    std::unique_ptr<TSQLConnection> m_baglanti;
    QList<MesajIstegi> m_mesajlar;
    int m_beklemeler = 0;

private slots:
    void init() {
        m_sunucu = std::make_unique<TSahteSunucu>();
        m_baglanti = Baglanti(m_sunucu->Port());
        m_baglanti->Open();
        m_mesajlar.clear();
        m_beklemeler = 0;
        MesajCevaplayicisiniAyarla([this](const MesajIstegi& istek) {
            m_mesajlar.append(istek);
            return int(mrOk);
        });
        BeklemeyiAyarla([this](std::chrono::milliseconds) { ++m_beklemeler; });
    }

    void cleanup() {
        m_baglanti.reset();
        m_sunucu.reset();
        MesajCevaplayicisiniAyarla({});
        BeklemeyiAyarla({});
    }

    void connectionHasItsDesignedSettings() {
        const TSQLConnection c;
        QCOMPARE(c.ConnectionName, QStringLiteral("DataSnapCONNECTION"));
        QCOMPARE(c.DriverName, QStringLiteral("DataSnap"));
        QCOMPARE(c.LoginPrompt, false);
        QCOMPARE(c.Params().Values(QStringLiteral("DriverUnit")), QStringLiteral("Data.DBXDataSnap"));
        QCOMPARE(c.Params().Values(QStringLiteral("CommunicationProtocol")), QStringLiteral("tcp/ip"));
        QCOMPARE(c.Params().Values(QStringLiteral("Port")), QStringLiteral("9090"));
        QCOMPARE(c.Params().Values(QStringLiteral("DatasnapContext")), QStringLiteral("datasnap/"));
        QCOMPARE(c.Params().Values(QStringLiteral("DSProxyPort")), QStringLiteral("8090"));
        QCOMPARE(c.Params().Values(QStringLiteral("Filters")), QStringLiteral("{}"));

        const auto kopya = m_baglanti->CloneConnection();
        QVERIFY(!kopya->Connected());
        QCOMPARE(kopya->Params().Values(QStringLiteral("HostName")), QStringLiteral("127.0.0.1"));
        QCOMPARE(kopya->Params().Lines(), m_baglanti->Params().Lines());
    }

    void proxyNeedsAnOpenConnection() {
        TSQLConnection kapali;
        try {
            TServerMethods1Client p(&kapali);
            QFAIL("no exception");
        } catch (const TDSException& e) {
            QCOMPARE(e.Message(),
                     QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
        }
        m_baglanti->Close();
        m_baglanti->Close(); // closing a closed connection does nothing
        QVERIFY(!m_baglanti->Connected());
    }

    void stokAraGetirSendsTextAndSessionAndReadsThePacket() {
        m_sunucu->Cevapla(QByteArray(R"({"result":[{"datapacket":{"columns":[{"name":"STOK_STOKNO","type":"Int32"},)"
                                     R"({"name":"FIYAT","type":"Double"}],"rows":[[7,12.5]]}}]})"));
        TServerMethods1Client p(m_baglanti.get());
        TSonucBilgisi oturum;
        oturum.SetCARINO(1234);
        const TDataPacket paket = p.StokAraGetir(QStringLiteral(" 1K0 "), OturumKopyasi(oturum));
        const TSahteIstek istek = m_sunucu->SonIstek();
        QCOMPARE(istek.yol, QStringLiteral("/datasnap/rest/TServerMethods1/\"StokAraGetir\"")); // %22 decoded
        QCOMPARE(istek.parametreler.size(), 2);
        QCOMPARE(istek.parametreler[0].toString(), QStringLiteral(" 1K0 "));
        QCOMPARE(istek.parametreler[1].toObject().value(u"type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(istek.parametreler[1].toObject().value(u"fields").toObject().value(u"FCARINO").toInt(), 1234);
        QCOMPARE(paket.table.rows.size(), size_t(1));
        QCOMPARE(paket.table.rows[0][1].toDouble(), 12.5);
    }

    void resimVer5ReadsSizeThenStream() {
        m_sunucu->Cevapla(QByteArray(R"({"result":[4,{"stream":"/9j/4A=="}]})"));
        TServerMethods1Client p(m_baglanti.get());
        qint64 boy = -1;
        QIODevice* akis = p.ResimVer5(7, boy);
        QCOMPARE(m_sunucu->SonIstek().parametreler, QJsonArray({7, QJsonValue::Null}));
        QCOMPARE(boy, qint64(4));
        QVERIFY(akis);
        QCOMPARE(AkisKopyala(akis, boy).value(), QByteArray("\xFF\xD8\xFF\xE0", 4));
    }

    void kurlariAlReadsTwoDoublesThenTheInteger() {
        m_sunucu->Cevapla(QByteArray(R"({"result":[38.5,41.25,1]})"));
        TServerMethods1Client p(m_baglanti.get());
        double usd = 0, eur = 0;
        QCOMPARE(p.KurlariAl(usd, eur), 1);
        QCOMPARE(usd, 38.5);
        QCOMPARE(eur, 41.25);
        QCOMPARE(m_sunucu->SonIstek().parametreler, QJsonArray({QJsonValue::Null, QJsonValue::Null}));
        QCOMPARE(m_sunucu->SonIstek().metot, QStringLiteral("KurlariAl"));
    }

    void mobilStokaraAdimliReadsOutsBeforeItsRecord() {
        m_sunucu->Cevapla(QByteArray(R"({"result":[true,250,{"type":"mobilstokunit.TMobilStoklar","id":1,)"
                                     R"("fields":{"FItems":[{"type":"mobilstokunit.TMobilStok","id":2,)"
                                     R"("fields":{"FStokNo":9,"FAdi":"YAĞ FİLTRESİ"}}]}}]})"));
        TServerMethods1Client p(m_baglanti.get());
        bool kalan = false;
        int toplam = 0;
        TMobilStoklar* stoklar =
            p.MobilStokaraAdimli(QStringLiteral("FIL"), OturumKopyasi(TSonucBilgisi()), 1, 2, 0, 50, kalan, toplam);
        QVERIFY(kalan);
        QCOMPARE(toplam, 250);
        QVERIFY(stoklar);
        QCOMPARE(stoklar->Count(), 1);
        QCOMPARE(stoklar->Items(0)->Adi(), QStringLiteral("YAĞ FİLTRESİ"));
        QCOMPARE(stoklar->Items(0)->Birim(), QStringLiteral("ADET")); // missing field keeps its default
        const QJsonArray gonderilen = m_sunucu->SonIstek().parametreler;
        QCOMPARE(gonderilen.size(), 8);
        QCOMPARE(gonderilen[4].toInt(), 0);
        QCOMPARE(gonderilen[5].toInt(), 50);
        QVERIFY(gonderilen[6].isNull() && gonderilen[7].isNull());
    }

    void balonGetir2ReadsSixOutsInOrder() {
        m_sunucu->Cevapla(QByteArray(R"({"result":[1,2,3,4,5,6,0]})"));
        TServerMethods1Client p(m_baglanti.get());
        int sepet = 0, yeni = 0, kamp = 0, duyuru = 0, bakiye = 0, dosya = 0;
        QCOMPARE(p.BalonGetir2(77, sepet, yeni, kamp, duyuru, bakiye, dosya), 0);
        QCOMPARE(QList<int>({sepet, yeni, kamp, duyuru, bakiye, dosya}), QList<int>({1, 2, 3, 4, 5, 6}));
    }

    void cikisGonderHasNoResult() {
        TServerMethods1Client p(m_baglanti.get());
        p.CikisGonder(OturumKopyasi(TSonucBilgisi()));
        QCOMPARE(m_sunucu->SonIstek().metot, QStringLiteral("CikisGonder"));
        m_sunucu->Cevapla(QByteArray(R"({"result":[5]})"));
        QVERIFY_THROWS_EXCEPTION(TDSException, p.CikisGonder(OturumKopyasi(TSonucBilgisi())));
    }

    void callbackReceivesTheServersValuesInOrder() {
        m_sunucu->Cevapla(
            QByteArray(R"({"result":[2],"callbacks":[{"id":"cb4","value":{"n":1}},{"id":"cb4","value":{"n":2}}]})"));
        TServerMethods1Client p(m_baglanti.get());
        TToplayan geri;
        QCOMPARE(p.MobilStokaraGeri(QStringLiteral("FREN"), OturumKopyasi(TSonucBilgisi()), 0, 10, &geri), 2);
        QCOMPARE(m_sunucu->SonIstek().parametreler[4].toObject().value(u"callback").toString(), QStringLiteral("cb4"));
        QCOMPARE(geri.degerler.size(), 2);
        QCOMPARE(geri.degerler[1].toObject().value(u"n").toInt(), 2);
    }

    void serverErrorReachesTheCaller_data() {
        QTest::addColumn<int>("durum");
        QTest::addColumn<QByteArray>("govde");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("error message") << 500 << QByteArray(R"({"error":"Stok bulunamadı"})") << "Stok bulunamadı";
        QTest::newRow("no readable body") << 404 << QByteArray("<html>") << "HTTP 404";
        QTest::newRow("wrong result kind") << 200 << QByteArray(R"({"result":[5]})") << "EchoString";
        QTest::newRow("too few results") << 200 << QByteArray(R"({"result":[]})") << "EchoString";
    }

    void serverErrorReachesTheCaller() {
        QFETCH(int, durum);
        QFETCH(QByteArray, govde);
        QFETCH(QString, mesaj);
        m_sunucu->Cevapla([durum, govde](const TSahteIstek&) { return std::pair<int, QByteArray>{durum, govde}; });
        TServerMethods1Client p(m_baglanti.get());
        try {
            p.EchoString(QStringLiteral("x"));
            QFAIL("no exception");
        } catch (const TDSException& e) {
            QVERIFY2(e.Message().contains(mesaj), qPrintable(e.Message()));
        }
    }

    void aReturnedRecordLivesUntilTheNextCall() {
        m_sunucu->Cevapla([](const TSahteIstek& istek) {
            const QString id = istek.parametreler[0].toString();
            return std::pair<int, QByteArray>{
                200,
                QStringLiteral(R"({"result":[{"type":"baglantiu.TSonucBilgisi","fields":{"FBILGISAYARID":"%1"}}]})")
                    .arg(id)
                    .toUtf8()};
        });
        TServerMethods1Client p(m_baglanti.get());
        TSonucBilgisi kopya;
        kopya.Kopyala(*p.BuyukGetir(QStringLiteral("A")));
        TSonucBilgisi* ikinci = p.BuyukGetir(QStringLiteral("B"));
        QCOMPARE(kopya.BILGISAYARID(), QStringLiteral("A"));
        QCOMPARE(ikinci->BILGISAYARID(), QStringLiteral("B"));
        m_sunucu->Cevapla(QByteArray(R"({"result":[null]})"));
        QVERIFY(p.BuyukGetir(QStringLiteral("C")) == nullptr);
    }

    void everyOperationMatchesTheSignatureTable_data() {
        QTest::addColumn<std::function<void(TServerMethods1Client&)>>("cagri");
        QTest::newRow("BuyukGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BuyukGetir(QString());
        });
        QTest::newRow("CikisGonder") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CikisGonder(OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("SifremiUnuttum") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SifremiUnuttum(QString(), o.i);
        });
        QTest::newRow("MobilCariBilgisiGetir")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.MobilCariBilgisiGetir(0, QString());
               });
        QTest::newRow("MailGonserCari") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.MailGonserCari(QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                             QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString());
        });
        QTest::newRow("MailGonserCariNormal")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.MailGonserCariNormal(QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                                          QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                                          QString(), QString(), QString());
               });
        QTest::newRow("CariAra") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CariAra(OturumKopyasi(TSonucBilgisi()), QString());
        });
        QTest::newRow("CarileriVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CarileriVer();
        });
        QTest::newRow("CariSepetVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CariSepetVer(OturumKopyasi(TSonucBilgisi()), 0);
        });
        QTest::newRow("SepetSayisi") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetSayisi(OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("TusSonuclariVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TusSonuclariVer(OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("CariDurumVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CariDurumVer(0);
        });
        QTest::newRow("CariVadeGunGecmismiBul")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.CariVadeGunGecmismiBul(0);
               });
        QTest::newRow("SiparisAlinirmi") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SiparisAlinirmi(0);
        });
        QTest::newRow("StokAraGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraGetir(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("StokAra") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAra(QString(), QString(), 0);
        });
        QTest::newRow("StokAraTolvek") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraTolvek(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("StokAraMirsan") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraMirsan(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("StokAraMirsan2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraMirsan2(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("Halvit") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.Halvit(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("StokAraTervel") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraTervel(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("TerveldeAra") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TerveldeAra(QString());
        });
        QTest::newRow("BelsuStokAraGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BelsuStokAraGetir(QString(), OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("StokAraGetirKPT") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.StokAraGetirKPT(QString(), QString(), QString(), QString(), false, false, false, false,
                              OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("MobilStokara") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.MobilStokara(QString(), OturumKopyasi(TSonucBilgisi()), 0, 0);
        });
        QTest::newRow("MobilStokaraGeri") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.MobilStokaraGeri(QString(), OturumKopyasi(TSonucBilgisi()), 0, 0, nullptr);
        });
        QTest::newRow("MobilStokaraAdimli")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.MobilStokaraAdimli(QString(), OturumKopyasi(TSonucBilgisi()), 0, 0, 0, 0, o.b, o.i);
               });
        QTest::newRow("MobilStokNoAra") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.MobilStokNoAra(0, OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("AramaGonderAl") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AramaGonderAl(OturumKopyasi(TSonucBilgisi()), QString(), 0);
        });
        QTest::newRow("DepartmanlariGetir")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.DepartmanlariGetir();
               });
        QTest::newRow("DepartmanlariVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DepartmanlariVer();
        });
        QTest::newRow("AnaGrupVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AnaGrupVer();
        });
        QTest::newRow("AltGrupVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AltGrupVer(QString());
        });
        QTest::newRow("ResimVer5") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.ResimVer5(0, o.l);
        });
        QTest::newRow("ResimVer6") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.ResimVer6(0, o.l);
        });
        QTest::newRow("BuyukResimVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BuyukResimVer(0, o.i);
        });
        QTest::newRow("KucukResimVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KucukResimVer(0);
        });
        QTest::newRow("HttpResimVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.HttpResimVer(0);
        });
        QTest::newRow("YenilerVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.YenilerVer2(0);
        });
        QTest::newRow("YenilerVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.YenilerVer(0);
        });
        QTest::newRow("TervelYenilerVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TervelYenilerVer(0);
        });
        QTest::newRow("YenilerVerMobile") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.YenilerVerMobile(0);
        });
        QTest::newRow("KampanyaliVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KampanyaliVer2(0, 0);
        });
        QTest::newRow("KampanyaliVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KampanyaliVer(0, 0);
        });
        QTest::newRow("TervelKampanyaliVer")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.TervelKampanyaliVer(0, 0);
               });
        QTest::newRow("KampanyaliVermMobil")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.KampanyaliVermMobil(0, 0);
               });
        QTest::newRow("SepetVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetVer2(0);
        });
        QTest::newRow("SepetVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetVer(0);
        });
        QTest::newRow("SepetMobilVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetMobilVer(0);
        });
        QTest::newRow("SepetEkle2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetEkle2(OturumKopyasi(TSonucBilgisi()), 0, 0, QString(), QString(), 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0, 0.0,
                         0.0);
        });
        QTest::newRow("SepetEkle") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetEkle(OturumKopyasi(TSonucBilgisi()), 0, 0, QString(), QString(), 0.0, 0.0, 0.0, 0.0, 0, 0);
        });
        QTest::newRow("SepetGuncelle2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetGuncelle2(OturumKopyasi(TSonucBilgisi()), 0, 0, QString(), QString(), 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0,
                             0.0, 0.0);
        });
        QTest::newRow("SepetGuncelle") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetGuncelle(OturumKopyasi(TSonucBilgisi()), 0, 0, QString(), QString(), 0.0, 0.0, 0.0, 0.0, 0, 0);
        });
        QTest::newRow("SepetSatirSil") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetSatirSil(OturumKopyasi(TSonucBilgisi()), 0, QString());
        });
        QTest::newRow("SepetHepsiniSil") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SepetHepsiniSil(OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("SepetSecimGuncelle")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.SepetSecimGuncelle(0, 0);
               });
        QTest::newRow("TeslimVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TeslimVer();
        });
        QTest::newRow("KargoVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KargoVer();
        });
        QTest::newRow("KargolarVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KargolarVer(0);
        });
        QTest::newRow("SiparisKaydet") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SiparisKaydet(OturumKopyasi(TSonucBilgisi()), 0, 0, 0, QString(), 0, 0);
        });
        QTest::newRow("MobilSiparisKaydet")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.MobilSiparisKaydet(0);
               });
        QTest::newRow("OncekiSiparisler") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.OncekiSiparisler(0);
        });
        QTest::newRow("OncekiSiparisler2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.OncekiSiparisler2(0);
        });
        QTest::newRow("Oncekiler") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.Oncekiler(0);
        });
        QTest::newRow("SiparisAyrintisi2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SiparisAyrintisi2(0, 0);
        });
        QTest::newRow("SiparisAyrintisi") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SiparisAyrintisi(0, 0);
        });
        QTest::newRow("SiparisAytintisiDip")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.SiparisAytintisiDip(0, 0);
               });
        QTest::newRow("TumSiparislerVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TumSiparislerVer(0, 0);
        });
        QTest::newRow("BakiyelerVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BakiyelerVer2(0);
        });
        QTest::newRow("BakiyelerVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BakiyelerVer(0);
        });
        QTest::newRow("BakiyeDuzenle") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BakiyeDuzenle(OturumKopyasi(TSonucBilgisi()), 0, 0, 0, 0.0, 0.0, QString());
        });
        QTest::newRow("BakiyeDegistir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BakiyeDegistir(OturumKopyasi(TSonucBilgisi()), 0, 0, 0, 0.0, 0.0, QString());
        });
        QTest::newRow("BakiyeFiyatDegistir")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.BakiyeFiyatDegistir(OturumKopyasi(TSonucBilgisi()), 0, 0, 0, 0.0, 0.0, QString(), 0.0, 0.0);
               });
        QTest::newRow("CariEkstreVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CariEkstreVer(0);
        });
        QTest::newRow("CariEkstreVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.CariEkstreVer2(0, 0.0, 0.0);
        });
        QTest::newRow("CariEkstreVer2Baslik")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.CariEkstreVer2Baslik(0, 0.0);
               });
        QTest::newRow("FaturaGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.FaturaGetir(0, 0);
        });
        QTest::newRow("FaturaAltGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.FaturaAltGetir(0);
        });
        QTest::newRow("Tahsilat") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.Tahsilat(0);
        });
        QTest::newRow("SanalposSiranoVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SanalposSiranoVer(0);
        });
        QTest::newRow("SAnalPosPdfVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.SAnalPosPdfVer(0, o.l);
        });
        QTest::newRow("BelgeIndir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BelgeIndir(0, o.l, o.s);
        });
        QTest::newRow("BelgeIndir2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BelgeIndir2(0, o.l, o.s, OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("DosyaIndir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DosyaIndir(o.l);
        });
        QTest::newRow("DosyaListesi") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DosyaListesi();
        });
        QTest::newRow("DosyaListesi2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DosyaListesi2();
        });
        QTest::newRow("RaporGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.RaporGetir(0, 0, 0, 0, QString(), 0.0, 0.0, o.l);
        });
        QTest::newRow("RaporAlinanSiparisler")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.RaporAlinanSiparisler(OturumKopyasi(TSonucBilgisi()), 0.0, 0.0);
               });
        QTest::newRow("RaporEnCokSatilanStoklar")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.RaporEnCokSatilanStoklar(OturumKopyasi(TSonucBilgisi()), 0.0, 0.0);
               });
        QTest::newRow("BalonGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BalonGetir(OturumKopyasi(TSonucBilgisi()));
        });
        QTest::newRow("BalonGetir2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BalonGetir2(0, o.i, o.i, o.i, o.i, o.i, o.i);
        });
        QTest::newRow("KayanYaziGetir") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KayanYaziGetir();
        });
        QTest::newRow("BannerResimVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BannerResimVer(o.l);
        });
        QTest::newRow("BannerResimVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BannerResimVer2(o.l);
        });
        QTest::newRow("BannerResimVer3") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.BannerResimVer3(o.l);
        });
        QTest::newRow("AcilisReklamAdet") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AcilisReklamAdet();
        });
        QTest::newRow("AcilisREklamVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AcilisREklamVer(0);
        });
        QTest::newRow("AcilisEkranlarVer2")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.AcilisEkranlarVer2();
               });
        QTest::newRow("AcilisEkranlarVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.AcilisEkranlarVer();
        });
        QTest::newRow("AcilisEkranlariVerData")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.AcilisEkranlariVerData();
               });
        QTest::newRow("DuyuruVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DuyuruVer();
        });
        QTest::newRow("DuyuruVer2") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.DuyuruVer2();
        });
        QTest::newRow("KurlariAl") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.KurlariAl(o.d, o.d);
        });
        QTest::newRow("TorpalaVer") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.TorpalaVer();
        });
        QTest::newRow("EchoString") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.EchoString(QString());
        });
        QTest::newRow("ReverseString") << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
            [[maybe_unused]] TCiktilar o;
            p.ReverseString(QString());
        });
        QTest::newRow("DSServerModuleCreate")
            << std::function<void(TServerMethods1Client&)>([](TServerMethods1Client& p) {
                   [[maybe_unused]] TCiktilar o;
                   p.DSServerModuleCreate(std::unique_ptr<datasnap::TObject>());
               });
    }

    void everyOperationMatchesTheSignatureTable() {
        QFETCH(std::function<void(TServerMethods1Client&)>, cagri);
        QCOMPARE(ServerMethods1Imzalari().size(), 107);
        m_sunucu->Cevapla([](const TSahteIstek& istek) {
            return std::pair<int, QByteArray>{200, VarsayilanCevap(istek)};
        });
        TServerMethods1Client p(m_baglanti.get());
        cagri(p);
        const TSahteIstek istek = m_sunucu->SonIstek();
        const QString ad = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(istek.metot, ad);
        QCOMPARE(istek.parametreler.size(), ServerMethods1Imzasi(ad)->params.size());
        for (int k = 0; k < istek.parametreler.size(); ++k)
            if (ServerMethods1Imzasi(ad)->params[k].out)
                QVERIFY(istek.parametreler[k].isNull());
        cagri(p); // a second call reuses the prepared command
    }

    void baglantiKurGivesUpAfterElevenAttemptsWithOneMessage() {
        auto kapali = Baglanti(BosPort());
        QVERIFY(!BaglantiKur(kapali.get(), true));
        QCOMPARE(m_beklemeler, 11);
        QCOMPARE(m_mesajlar.size(), 1);
        QCOMPARE(m_mesajlar[0].metin, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
        QCOMPARE(m_mesajlar[0].tur, int(mtError));

        m_mesajlar.clear();
        QVERIFY(!BaglantiKur(kapali.get(), false));
        QVERIFY(m_mesajlar.isEmpty());
    }

    void baglantiKurSucceedsWhenTheServerComesUp() {
        const int port = BosPort();
        std::unique_ptr<httplib::Server> gec;
        std::thread is;
        BeklemeyiAyarla([&](std::chrono::milliseconds) {
            if (++m_beklemeler == 3) {
                gec = std::make_unique<httplib::Server>();
                gec->Get("/datasnap/rest/DSAdmin/GetPlatformName", [](const httplib::Request&, httplib::Response& r) {
                    r.set_content(R"({"result":["x"]})", "application/json");
                });
                QVERIFY(gec->bind_to_port("127.0.0.1", port));
                is = std::thread([&] { gec->listen_after_bind(); });
            }
        });
        auto baglanti = Baglanti(port);
        QVERIFY(BaglantiKur(baglanti.get(), true));
        QCOMPARE(m_beklemeler, 3);
        QVERIFY(m_mesajlar.isEmpty());
        baglanti->Close();
        gec->stop();
        is.join();
    }

    void baglantiKurWaitsHalfASecondBetweenAttempts() {
        BeklemeyiAyarla({}); // the real sleep
        auto kapali = Baglanti(BosPort());
        QElapsedTimer sure;
        sure.start();
        QVERIFY(!BaglantiKur(kapali.get(), false));
        QVERIFY2(sure.elapsed() >= 11 * 500 - 50, qPrintable(QString::number(sure.elapsed())));
    }

    void foregroundFormClosesTheSharedConnection() {
        TSQLConnection& bagc = *m_baglanti;
        bagc.Close();
        m_sunucu->Cevapla(QByteArray(R"({"result":["eko"]})"));
        QString cevap;
        QVERIFY(OnPlandaCagir(bagc, [&](TServerMethods1Client& p) { cevap = p.EchoString(QStringLiteral("eko")); }));
        QCOMPARE(cevap, QStringLiteral("eko"));
        QVERIFY(!bagc.Connected());

        m_sunucu->Cevapla([](const TSahteIstek&) { return std::pair<int, QByteArray>{500, R"({"error":"x"})"}; });
        QVERIFY_THROWS_EXCEPTION(TDSException, OnPlandaCagir(bagc, [](TServerMethods1Client& p) { p.EchoString({}); }));
        QVERIFY(!bagc.Connected());
    }

    void backgroundFormTurnsEveryFailureIntoTheFlag() {
        m_sunucu->Cevapla(QByteArray(R"({"result":["eko"]})"));
        QString cevap;
        QCOMPARE(ArkaPlandaCagir(*m_baglanti, false,
                                 [&](TServerMethods1Client& p) { cevap = p.EchoString(QStringLiteral("eko")); }),
                 false);
        QCOMPARE(cevap, QStringLiteral("eko"));
        QVERIFY(m_baglanti->Connected()); // the shared connection is not touched

        m_sunucu->Cevapla([](const TSahteIstek&) { return std::pair<int, QByteArray>{500, R"({"error":"x"})"}; });
        QCOMPARE(ArkaPlandaCagir(*m_baglanti, false, [](TServerMethods1Client& p) { p.EchoString({}); }), true);

        auto kapali = Baglanti(BosPort());
        QCOMPARE(ArkaPlandaCagir(*kapali, false, [](TServerMethods1Client&) {}), true);
        QVERIFY(m_mesajlar.isEmpty());
    }

    void plainFormRaisesAFailedOpen() {
        auto kapali = Baglanti(BosPort());
        QVERIFY_THROWS_EXCEPTION(TDSException, DuzCagir(*kapali, [](TServerMethods1Client&) {}));
        QCOMPARE(m_beklemeler, 0);
    }

    void streamCopy_data() {
        QTest::addColumn<int>("uzunluk");
        QTest::addColumn<qint64>("boy");
        QTest::addColumn<bool>("kullanilir");
        QTest::addColumn<int>("okumalar");
        QTest::newRow("size 0 reads nothing") << 10 << qint64(0) << false << 0;
        QTest::newRow("length mismatch") << 1500 << qint64(1600) << false << 2;
        QTest::newRow("exactly 2048 needs a third, empty read") << 2048 << qint64(2048) << true << 3;
        QTest::newRow("short stream") << 700 << qint64(700) << true << 1;
    }

    void streamCopy() {
        QFETCH(int, uzunluk);
        QFETCH(qint64, boy);
        QFETCH(bool, kullanilir);
        QFETCH(int, okumalar);
        const QByteArray veri(uzunluk, 'x');
        TSayanTampon akis;
        akis.setData(veri);
        akis.open(QIODevice::ReadOnly);
        const std::optional<QByteArray> kopya = AkisKopyala(&akis, boy);
        QCOMPARE(kopya.has_value(), kullanilir);
        if (kullanilir)
            QCOMPARE(*kopya, veri);
        QCOMPARE(akis.okumalar, okumalar);
    }
};

QTEST_MAIN(TstProxim)
#include "tst_proxim.moc"
