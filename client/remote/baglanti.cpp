#include "client/remote/baglanti.h"

#include "client/remote/proxim.h"
#include "client/remote/utils.h"
#include "platform/tasks/gorev.h"

#include <QCoreApplication>
#include <QThread>
#include <mutex>

using datasnap::TSQLConnection;

namespace {

std::mutex& BeklemeKilidi() {
    static std::mutex kilit;
    return kilit;
}

TBekleme& Bekleme() {
    static TBekleme bekleme;
    return bekleme;
}

void Bekle(std::chrono::milliseconds sure) {
    TBekleme bekleme;
    {
        std::lock_guard kilit(BeklemeKilidi());
        bekleme = Bekleme();
    }
    if (bekleme)
        bekleme(sure);
    else
        QThread::msleep(static_cast<unsigned long>(sure.count()));
}

// Closes the connection when the call ends, whichever way it ends.
struct TKapatici {
    TSQLConnection& baglanti;
    ~TKapatici() { baglanti.Close(); }
};

} // namespace

QString BaglantiHataMesaji() {
    return QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
}

void BaglantiHatasiniGoster() {
    tasks::SyncToUi([] { MesajGoster(BaglantiHataMesaji(), mtError, mbOK, mbOK); });
}

void BeklemeyiAyarla(TBekleme bekleme) {
    std::lock_guard kilit(BeklemeKilidi());
    Bekleme() = std::move(bekleme);
}

bool BaglantiKur(TSQLConnection* baglanti, bool mesaj) {
    baglanti->Close();
    for (int deneme = 0; deneme < BaglantiDenemeSayisi; ++deneme) {
        try {
            baglanti->Open();
            return true;
        } catch (const std::exception&) {
            baglanti->Close();
            Bekle(BaglantiDenemeAraligi);
        }
    }
    if (mesaj)
        BaglantiHatasiniGoster();
    return false;
}

bool OnPlandaCagir(TSQLConnection& bagc, const TUzakIs& is, bool mesaj) {
    if (!BaglantiKur(&bagc, mesaj))
        return false;
    TKapatici kapatici{bagc};
    TServerMethods1Client proxy(&bagc);
    is(proxy);
    return true;
}

bool ArkaPlandaCagir(const TSQLConnection& bagc, bool mesaj, const TUzakIs& is) {
    const std::unique_ptr<TSQLConnection> kopya = bagc.CloneConnection();
    if (!BaglantiKur(kopya.get(), mesaj))
        return true;
    try {
        TKapatici kapatici{*kopya};
        TServerMethods1Client proxy(kopya.get());
        is(proxy);
        return false;
    } catch (...) {
        return true; // the continuation reports it
    }
}

void DuzCagir(TSQLConnection& baglanti, const TUzakIs& is) {
    baglanti.Open();
    TKapatici kapatici{baglanti};
    TServerMethods1Client proxy(&baglanti);
    is(proxy);
}

std::optional<QByteArray> AkisKopyala(QIODevice* akis, qint64 boy, const std::function<void()>& herParcada) {
    if (boy == 0 || !akis)
        return std::nullopt;
    QByteArray kopya;
    char parca[1024];
    akis->seek(0);
    qint64 okunan = 0;
    do {
        okunan = akis->read(parca, sizeof parca);
        if (okunan > 0)
            kopya.append(parca, okunan);
        if (herParcada)
            herParcada();
    } while (okunan == static_cast<qint64>(sizeof parca));
    if (static_cast<qint64>(kopya.size()) != boy)
        return std::nullopt;
    return kopya;
}
