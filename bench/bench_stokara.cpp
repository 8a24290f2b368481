// Item search on a large catalogue: StokAraGetir through a real HTTP round trip on loopback,
// against the same search done the naive way (LIKE over the columns) on the same database, in
// one run, so that the speed-up is a ratio of figures measured together. Prints medians.
//
// Run (after building the target bench_stokara):
//   build/bench/bench_stokara                      seeds 200,000 items into a temporary folder
//   build/bench/bench_stokara --db FILE            uses a database seeded before, e.g. with
//                                                  tevrano-sunucu seed --db FILE --items 200000 --pictures 0
//   build/bench/bench_stokara --items N --runs R   another catalogue size, R runs per figure (default 25)
//
// Columns: rows answered; "proxy" = the client's proxy call (request, server, transfer and the
// decoding of the packet into a table); "http" = the bare HTTP exchange (request, server,
// transfer); "index" = the index lookup alone (the item numbers of the answer, in this process);
// "naive" = LIKE '%text%' over the code and name columns with exact hits ranked first, reading
// the same item columns; "ratio" = naive / proxy; "index ratio" = naive / index.
#include "client/remote/proxim.h"
#include "server/http/sunucu.h"
#include "server/seed/tohum.h"
#include "server/store/arama.h"
#include "server/store/veritabani.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <httplib.h>
#include <thread>
#include <vector>

namespace {

struct TAyarlar {
    QString db;
    int stokAdedi = 200000;
    int tekrar = 25;
};

TAyarlar AyarlariOku(const QCoreApplication& app) {
    QCommandLineParser p;
    p.addOptions({{QStringLiteral("db"), QStringLiteral("seeded database to use"), QStringLiteral("FILE")},
                  {QStringLiteral("items"), QStringLiteral("items to seed when no --db"), QStringLiteral("N")},
                  {QStringLiteral("runs"), QStringLiteral("runs per figure"), QStringLiteral("R")}});
    p.addHelpOption();
    p.process(app);
    TAyarlar a;
    a.db = p.value(QStringLiteral("db"));
    if (p.isSet(QStringLiteral("items")))
        a.stokAdedi = std::max(1, p.value(QStringLiteral("items")).toInt());
    if (p.isSet(QStringLiteral("runs")))
        a.tekrar = std::max(3, p.value(QStringLiteral("runs")).toInt());
    return a;
}

// Milliseconds of each run of `is`, after one warm-up run.
double Medyan(int tekrar, const std::function<void()>& is) {
    is();
    std::vector<double> sureler;
    for (int i = 0; i < tekrar; ++i) {
        QElapsedTimer t;
        t.start();
        is();
        sureler.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::nth_element(sureler.begin(), sureler.begin() + tekrar / 2, sureler.end());
    return sureler[static_cast<size_t>(tekrar / 2)];
}

// The server in this process, on a free loopback port, served from a thread of its own.
class TSunucu {
public:
    explicit TSunucu(const QString& db) {
        TSunucuAyarlari a;
        a.veritabani = db;
        a.port = 0;
        m_sunucu = std::make_unique<TUygulamaSunucusu>(a);
        m_port = m_sunucu->Bagla();
        m_is = std::thread([this] { m_sunucu->Dinle(); });
    }
    ~TSunucu() {
        m_sunucu->Durdur();
        m_is.join();
    }
    int Port() const { return m_port; }

private:
    std::unique_ptr<TUygulamaSunucusu> m_sunucu;
    std::thread m_is;
    int m_port = 0;
};

// The naive search: every text column scanned with LIKE, exact code hits ranked first (which
// makes it read every row even when many match), bounded like the server's answer.
class TNaifArama {
public:
    explicit TNaifArama(const QSqlDatabase& db)
        : m_sorgu(db) {
        static const char* const sutunlar[] = {"KOD",      "OEM1",   "OEM2",        "OEM3",      "OEM4",
                                               "OEMNO",    "BARKOD", "URETICIKODU", "FINISHKOD", "ADI",
                                               "DIGERADI", "MARKA",  "MODEL"};
        QStringList benzer, esit;
        for (const char* s : sutunlar) {
            benzer << QStringLiteral("%1 LIKE :benzer").arg(QLatin1String(s));
            esit << QStringLiteral("%1 = :esit").arg(QLatin1String(s));
        }
        m_sorgu.setForwardOnly(true);
        m_sorgu.prepare(QStringLiteral("SELECT * FROM STOKLAR WHERE AKTIF = 1 AND (%1) ORDER BY (%2) DESC, "
                                       "STOK_STOKNO LIMIT 1000")
                            .arg(benzer.join(QStringLiteral(" OR ")), esit.join(QStringLiteral(" OR "))));
    }

    int Ara(const QString& metin) {
        const QString kirpik = metin.trimmed();
        m_sorgu.bindValue(QStringLiteral(":benzer"), QLatin1Char('%') + kirpik + QLatin1Char('%'));
        m_sorgu.bindValue(QStringLiteral(":esit"), kirpik);
        if (!m_sorgu.exec())
            return -1;
        int satir = 0;
        const int sutun = m_sorgu.record().count();
        while (m_sorgu.next()) {
            for (int i = 0; i < sutun; ++i)
                m_sorgu.value(i);
            ++satir;
        }
        return satir;
    }

private:
    QSqlQuery m_sorgu;
};

QString MakineKimligi(const char* kullanici) {
    for (const TSabitMakine& m : SabitMakineler())
        if (qstrcmp(m.kullanici, kullanici) == 0)
            return QString::fromLatin1(m.bilgisayarId);
    return {};
}

struct TOlcum {
    const char* tur;
    QString metin;
};

// Code fragments and name words of 3, 5 and 10 characters from the seeded catalogue: OEM
// numbers ("1K0 ...", "8K0 ..."), item codes ("FRN.000123"), names ("FREN BALATASI").
const TOlcum olcumler[] = {
    {"3, name word", QStringLiteral("FRE")},
    {"3, code", QStringLiteral("8K0")},
    {"3, code", QStringLiteral("ZZ1")},
    {"5, name word", QStringLiteral("BALAT")},
    {"5, code", QStringLiteral("8K0 1")},
    {"5, code", QStringLiteral("03L56")},
    {"10, name words", QStringLiteral("FREN BALAT")},
    {"10, code", QStringLiteral("SSP.000004")},
    {"10, code", QStringLiteral("8K0148169N")},
};

int Calistir(const TAyarlar& ayarlar) {
    QTemporaryDir klasor;
    QString db = ayarlar.db;
    QTextStream cikti(stdout);
    if (db.isEmpty()) {
        db = klasor.filePath(QStringLiteral("bench.db"));
        cikti << "seeding " << ayarlar.stokAdedi << " items into " << db << " ..." << Qt::endl;
        TVeritabani v(db);
        TohumAyarlari t;
        t.stokAdedi = ayarlar.stokAdedi;
        t.resimOrani = 0;
        Tohumla(v.Baglanti(), t);
    }
    KayitSiniflariniKaydet();
    TSunucu sunucu(db);

    TVeritabani okuyucu(db);
    TNaifArama naif(okuyucu.Baglanti());
    const qint64 stokAdedi = TekDeger(okuyucu.Baglanti(), QStringLiteral("SELECT COUNT(*) FROM STOKLAR")).toLongLong();

    datasnap::TSQLConnection baglanti;
    baglanti.Params().SetValues(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    baglanti.Params().SetValues(QStringLiteral("Port"), QString::number(sunucu.Port()));
    baglanti.Open();
    TServerMethods1Client vekil(&baglanti);
    TSonucBilgisi oturum;
    oturum.Kopyala(*vekil.BuyukGetir(MakineKimligi("BAYI3")));

    httplib::Client http("127.0.0.1", sunucu.Port());
    http.set_tcp_nodelay(true);
    http.set_keep_alive(true);
    const QJsonObject oturumJson =
        QJsonDocument::fromJson(datasnap::MarshalToJson(&oturum)).object(); // the record as the proxy sends it

    cikti << stokAdedi << " items, median of " << ayarlar.tekrar << " runs, milliseconds\n";
    cikti << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
                 .arg(QStringLiteral("text"), -16)
                 .arg(QStringLiteral("kind"), -15)
                 .arg(QStringLiteral("rows"), 5)
                 .arg(QStringLiteral("proxy"), 8)
                 .arg(QStringLiteral("http"), 8)
                 .arg(QStringLiteral("index"), 8)
                 .arg(QStringLiteral("naive"), 8)
                 .arg(QStringLiteral("ratio"), 7)
                 .arg(QStringLiteral("index ratio"), 12);
    for (const TOlcum& o : olcumler) {
        int satir = 0;
        const double vekilSure = Medyan(ayarlar.tekrar, [&] {
            satir = static_cast<int>(vekil.StokAraGetir(o.metin, OturumKopyasi(oturum)).table.rows.size());
        });
        const QByteArray govde =
            QJsonDocument(QJsonObject{{QStringLiteral("_parameters"), QJsonArray{o.metin, oturumJson}}})
                .toJson(QJsonDocument::Compact);
        const double httpSure = Medyan(ayarlar.tekrar, [&] {
            auto r = http.Post("/datasnap/rest/TServerMethods1/StokAraGetir", govde.constData(),
                               static_cast<size_t>(govde.size()), "application/json");
            if (!r || r->status != 200)
                std::fprintf(stderr, "http call failed\n");
        });
        const double dizinSure = Medyan(ayarlar.tekrar, [&] { StokAra(okuyucu.Baglanti(), o.metin, 1000); });
        const double naifSure = Medyan(std::max(5, ayarlar.tekrar / 5), [&] { naif.Ara(o.metin); });
        cikti << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9\n")
                     .arg(QLatin1Char('"') + o.metin + QLatin1Char('"'), -16)
                     .arg(QLatin1String(o.tur), -15)
                     .arg(satir, 5)
                     .arg(vekilSure, 8, 'f', 2)
                     .arg(httpSure, 8, 'f', 2)
                     .arg(dizinSure, 8, 'f', 2)
                     .arg(naifSure, 8, 'f', 2)
                     .arg(naifSure / vekilSure, 7, 'f', 1)
                     .arg(naifSure / dizinSure, 12, 'f', 1)
              << Qt::flush;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // The seed draws pictures with QPainter; no window is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Calistir(AyarlariOku(app));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_stokara: %s\n", e.what());
        return 1;
    }
}
