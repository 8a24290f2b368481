// tevrano-sunucu: the reference application server of Tevrano B2B.
#include "server/http/sunucu.h"
#include "server/seed/tohum.h"
#include "server/store/veritabani.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <optional>
#include <pthread.h>
#include <thread>

namespace {

const char* const kKullanim =
    "Usage:\n"
    "  tevrano-sunucu serve --db FILE [--port 9090] [--listen 127.0.0.1] [--installer FILE]\n"
    "                       [--client-version 2] [--threads 32] [--keep-alive SECONDS]\n"
    "  tevrano-sunucu seed --db FILE [--items 5000] [--bind-machine ID --user NAME]\n"
    "  tevrano-sunucu --help\n"
    "\n"
    "serve  serves the application server protocol, the maker's host and the site pages on one port\n"
    "       (--port 0 picks a free port); prints \"listening on ADDRESS:PORT\" when ready.\n"
    "seed   creates or refreshes the demo data (deterministic); with --bind-machine alone on an\n"
    "       existing database it only binds the machine identifier to the demo user.\n";

struct TKullanimHatasi {
    QString mesaj;
};

// --name value pairs after the command word.
QHash<QString, QString> Secenekler(const QStringList& args, const QStringList& bilinenler) {
    QHash<QString, QString> s;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QStringLiteral("--")) || !bilinenler.contains(a.mid(2)))
            throw TKullanimHatasi{QStringLiteral("unknown argument '%1'").arg(a)};
        if (i + 1 >= args.size())
            throw TKullanimHatasi{QStringLiteral("%1 needs a value").arg(a)};
        s.insert(a.mid(2), args[++i]);
    }
    return s;
}

int Sayi(const QHash<QString, QString>& s, const QString& ad, int varsayilan, int enAz, int enCok) {
    if (!s.contains(ad))
        return varsayilan;
    bool ok = false;
    const int n = s.value(ad).toInt(&ok);
    if (!ok || n < enAz || n > enCok)
        throw TKullanimHatasi{QStringLiteral("--%1 needs a whole number from %2 to %3").arg(ad).arg(enAz).arg(enCok)};
    return n;
}

QString Gerekli(const QHash<QString, QString>& s, const QString& ad) {
    if (s.value(ad).isEmpty())
        throw TKullanimHatasi{QStringLiteral("--%1 is required").arg(ad)};
    return s.value(ad);
}

int Sun(const QStringList& args) {
    const auto s = Secenekler(args, {QStringLiteral("db"), QStringLiteral("port"), QStringLiteral("listen"),
                                     QStringLiteral("installer"), QStringLiteral("client-version"),
                                     QStringLiteral("threads"), QStringLiteral("keep-alive")});
    TSunucuAyarlari ayarlar;
    ayarlar.veritabani = Gerekli(s, QStringLiteral("db"));
    ayarlar.port = Sayi(s, QStringLiteral("port"), 9090, 0, 65535);
    ayarlar.dinlenenAdres = s.value(QStringLiteral("listen"), QStringLiteral("127.0.0.1"));
    ayarlar.kurulumDosyasi = s.value(QStringLiteral("installer"));
    ayarlar.istemciSurumu = Sayi(s, QStringLiteral("client-version"), 2, 1, 1000000);
    ayarlar.isParcacigi = Sayi(s, QStringLiteral("threads"), 32, 2, 1024);
    ayarlar.canliTutmaSaniye = Sayi(s, QStringLiteral("keep-alive"), 5, 1, 3600);

    // SIGINT and SIGTERM stop the server from a thread of their own (a signal handler may not).
    sigset_t sinyaller;
    sigemptyset(&sinyaller);
    sigaddset(&sinyaller, SIGINT);
    sigaddset(&sinyaller, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sinyaller, nullptr);

    TUygulamaSunucusu sunucu(ayarlar);
    const int port = sunucu.Bagla();
    std::printf("tevrano-sunucu: listening on %s:%d\n", qPrintable(ayarlar.dinlenenAdres), port);
    std::fflush(stdout);
    std::thread bekci([&sunucu, sinyaller] {
        int sinyal = 0;
        sigwait(&sinyaller, &sinyal);
        sunucu.Durdur();
    });
    sunucu.Dinle();
    pthread_kill(bekci.native_handle(), SIGTERM); // wakes the watcher when stopped otherwise
    bekci.join();
    return 0;
}

// `seed --db FILE ...`: the options after --db are the seed's own.
int Tohumla(QStringList args) {
    const qsizetype dbYeri = args.indexOf(QStringLiteral("--db"));
    if (dbYeri < 0 || dbYeri + 1 >= args.size() || args.at(dbYeri + 1).isEmpty())
        throw TKullanimHatasi{QStringLiteral("--db is required")};
    const QString dosya = args.at(dbYeri + 1);
    args.remove(dbYeri, 2);
    TTohumKomutu komut;
    try {
        komut = TohumKomutuOku(args);
    } catch (const std::invalid_argument& e) {
        throw TKullanimHatasi{QString::fromUtf8(e.what())};
    }
    TVeritabani veritabani(dosya);
    QTextStream cikti(stdout);
    TohumKomutuCalistir(veritabani.Baglanti(), komut, cikti);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures, receipts and reports are drawn with QPainter, which needs a GUI application; the
    // server never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    try {
        if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
            std::fputs(kKullanim, args.isEmpty() ? stderr : stdout);
            return args.isEmpty() ? 2 : 0;
        }
        const QString komut = args.takeFirst();
        if (komut == QLatin1String("serve"))
            return Sun(args);
        if (komut == QLatin1String("seed"))
            return Tohumla(args);
        throw TKullanimHatasi{QStringLiteral("unknown command '%1'").arg(komut)};
    } catch (const TKullanimHatasi& e) {
        std::fprintf(stderr, "tevrano-sunucu: %s (see --help)\n", qPrintable(e.mesaj));
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tevrano-sunucu: %s\n", e.what());
        return 1;
    }
}
