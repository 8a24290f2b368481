// The item dialog's picture against a real server process with its demo catalogue: an item with a
// picture shows it, one without leaves the area empty without a message, and an unreachable
// server gives the connection message once and no picture.
#include "client/catalogue/stokayarintiU.h"
#include "client/remote/baglanti.h"
#include "client/remote/utils.h"
#include "platform/datasnap/connection.h"
#include "tests/e2e/sunucusureci.h"

#include <QImage>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTest>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// An item of the seeded catalogue with a picture (its bytes) and one without.
struct TResimliStoklar {
    int resimli = 0;
    QByteArray resim;
    int resimsiz = 0;
};

TResimliStoklar StoklariBul(const QString& veritabani) {
    TResimliStoklar s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"tohum"_s);
        db.setDatabaseName(veritabani);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(u"SELECT STOK_STOKNO, RESIM FROM STOK_RESIMLERI ORDER BY STOK_STOKNO LIMIT 1"_s);
            if (q.next()) {
                s.resimli = q.value(0).toInt();
                s.resim = q.value(1).toByteArray();
            }
            q.exec(u"SELECT STOK_STOKNO FROM STOKLAR WHERE STOK_STOKNO NOT IN "
                   u"(SELECT STOK_STOKNO FROM STOK_RESIMLERI) ORDER BY STOK_STOKNO LIMIT 1"_s);
            if (q.next())
                s.resimsiz = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(u"tohum"_s);
    return s;
}

int KapaliPort() {
    QTcpServer dinleyici;
    dinleyici.listen(QHostAddress::LocalHost, 0);
    return dinleyici.serverPort();
}

void Yonelt(datasnap::TSQLConnection& bagc, int port) {
    bagc.Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
    bagc.Params().SetValues(u"Port"_s, QString::number(port));
}

} // namespace

class TestStokAyarintiSunucu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resimGosterilir();
    void resimsizStokBosKalir();
    void sunucuYoksaBirMesaj();

private:
    std::unique_ptr<TSunucuSureci> m_sunucu;
    TResimliStoklar m_stoklar;
    std::vector<MesajIstegi> m_mesajlar;
};

void TestStokAyarintiSunucu::initTestCase() {
    m_sunucu = std::make_unique<TSunucuSureci>(300);
    m_stoklar = StoklariBul(m_sunucu->Veritabani());
    QVERIFY(m_stoklar.resimli > 0 && !m_stoklar.resim.isEmpty());
    QVERIFY(m_stoklar.resimsiz > 0);
    QVERIFY(m_sunucu->Baslat());
}

void TestStokAyarintiSunucu::init() {
    m_mesajlar.clear();
    MesajCevaplayicisiniAyarla([this](const MesajIstegi& istek) {
        m_mesajlar.push_back(istek);
        return static_cast<int>(mrOk);
    });
    BeklemeyiAyarla([](std::chrono::milliseconds) {});
}

void TestStokAyarintiSunucu::cleanup() {
    MesajCevaplayicisiniAyarla({});
    BeklemeyiAyarla({});
}

void TestStokAyarintiSunucu::resimGosterilir() {
    datasnap::TSQLConnection bagc;
    Yonelt(bagc, m_sunucu->Port());
    Tstokayarinti d(nullptr);
    StokResmiGoster(bagc, m_stoklar.resimli, d.Image1());
    QVERIFY2(m_mesajlar.empty(), m_mesajlar.empty() ? "" : qPrintable(m_mesajlar.front().metin));
    const QImage beklenen = QImage::fromData(m_stoklar.resim);
    QVERIFY(!beklenen.isNull());
    QCOMPARE(d.Image1()->pixmap().size(), beklenen.size());
    QVERIFY(!bagc.Connected());
}

void TestStokAyarintiSunucu::resimsizStokBosKalir() {
    datasnap::TSQLConnection bagc;
    Yonelt(bagc, m_sunucu->Port());
    Tstokayarinti d(nullptr);
    StokResmiGoster(bagc, m_stoklar.resimsiz, d.Image1());
    QVERIFY(d.Image1()->pixmap().isNull());
    QVERIFY(m_mesajlar.empty());
    QVERIFY(!bagc.Connected());
}

void TestStokAyarintiSunucu::sunucuYoksaBirMesaj() {
    datasnap::TSQLConnection bagc;
    Yonelt(bagc, KapaliPort());
    Tstokayarinti d(nullptr);
    StokResmiGoster(bagc, m_stoklar.resimli, d.Image1());
    QVERIFY(d.Image1()->pixmap().isNull());
    QCOMPARE(m_mesajlar.size(), size_t(1));
    QCOMPARE(m_mesajlar.front().metin, BaglantiHataMesaji());
}

QTEST_MAIN(TestStokAyarintiSunucu)
#include "tst_stokayarinti_sunucu.moc"
