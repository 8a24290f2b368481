#include "server/http/sunucu.h"

#include "server/http/dagitici.h"
#include "server/store/sema.h"
#include "server/store/veritabani.h"
#include "server/web/sayfalar.h"

#include <QFile>
#include <QFileInfo>
#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

constexpr size_t kGovdeSiniri = 16 * 1024 * 1024;
constexpr int kDinlemeKuyrugu = 512;
const char* const kJson = "application/json; charset=utf-8";

void JsonYaz(httplib::Response& res, const TCevap& cevap) {
    res.status = cevap.durum;
    res.set_content(cevap.govde.constData(), static_cast<size_t>(cevap.govde.size()), kJson);
}

} // namespace

struct TUygulamaSunucusu::Ic {
    TSunucuAyarlari ayarlar;
    std::unique_ptr<TVeritabani> veritabani;
    TSunucuOrtami ortam;
    httplib::Server http;
    int dinlemeSoketi = -1;
};

TUygulamaSunucusu::TUygulamaSunucusu(TSunucuAyarlari ayarlar)
    : m_ic(std::make_unique<Ic>()) {
    Ic& ic = *m_ic;
    ic.ayarlar = std::move(ayarlar);
    ic.veritabani = std::make_unique<TVeritabani>(ic.ayarlar.veritabani);
    Guncelle(ic.veritabani->Baglanti());
    ic.ortam.veritabani = ic.veritabani.get();
    ic.ortam.istemciSurumu = ic.ayarlar.istemciSurumu;

    httplib::Server& http = ic.http;
    const int isParcacigi = ic.ayarlar.isParcacigi;
    // The library's built-in pool is small and fixed at its build; idle keep-alive connections
    // hold a worker each, so the pool is sized well above the expected idle clients.
    http.new_task_queue = [isParcacigi] { return new httplib::ThreadPool(static_cast<size_t>(isParcacigi)); };
    http.set_tcp_nodelay(true);
    http.set_keep_alive_max_count(std::numeric_limits<int>::max() / 2);
    http.set_keep_alive_timeout(ic.ayarlar.canliTutmaSaniye);
    http.set_read_timeout(60, 0);
    http.set_write_timeout(60, 0);
    http.set_payload_max_length(kGovdeSiniri);
    // Remember the listening socket so its backlog can be raised after bind (the library's
    // backlog of 5 drops bursts of connects into 1 s retransmits).
    http.set_socket_options([&ic](socket_t soket) {
        int evet = 1;
        setsockopt(soket, SOL_SOCKET, SO_REUSEADDR, &evet, sizeof evet);
        ic.dinlemeSoketi = soket;
    });
    http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) {
            const QString mesaj = res.status == 413 ? QStringLiteral("The request body is over 16 MiB")
                                                    : QStringLiteral("HTTP %1").arg(res.status);
            JsonYaz(res, HataCevabi(res.status, mesaj));
        }
    });
    http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        JsonYaz(res, HataCevabi(500, QStringLiteral("Internal server error")));
    });

    http.Get("/datasnap/rest/DSAdmin/GetPlatformName", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(R"({"result":["Tevrano"]})", kJson);
    });
    http.Post(R"(/datasnap/rest/TServerMethods1/([^/]+))", [&ic](const httplib::Request& req, httplib::Response& res) {
        JsonYaz(res, MetotCagir(QString::fromStdString(req.matches[1]), QByteArray::fromStdString(req.body), ic.ortam,
                                QString::fromStdString(req.remote_addr)));
    });
    http.Get("/ip.php", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.remote_addr, "text/plain; charset=utf-8");
    });
    http.Get("/exe/TevranoSetup.exe", [&ic](const httplib::Request&, httplib::Response& res) {
        QFile dosya(ic.ayarlar.kurulumDosyasi);
        if (ic.ayarlar.kurulumDosyasi.isEmpty() || !dosya.open(QIODevice::ReadOnly)) {
            res.status = 404;
            res.set_content("not found", "text/plain");
            return;
        }
        const QByteArray icerik = dosya.readAll();
        res.set_content(icerik.constData(), static_cast<size_t>(icerik.size()), "application/octet-stream");
    });
    WebSayfalariniKaydet(http, ic.ortam);
}

TUygulamaSunucusu::~TUygulamaSunucusu() = default;

int TUygulamaSunucusu::Bagla() {
    Ic& ic = *m_ic;
    const std::string adres = ic.ayarlar.dinlenenAdres.toStdString();
    int port = ic.ayarlar.port;
    if (port == 0)
        port = ic.http.bind_to_any_port(adres);
    else if (!ic.http.bind_to_port(adres, port))
        port = -1;
    if (port <= 0)
        throw std::runtime_error("cannot listen on " + adres + ":" + std::to_string(ic.ayarlar.port));
    if (ic.dinlemeSoketi >= 0)
        ::listen(ic.dinlemeSoketi, kDinlemeKuyrugu);
    return port;
}

void TUygulamaSunucusu::Dinle() {
    m_ic->http.listen_after_bind();
}

void TUygulamaSunucusu::Durdur() {
    m_ic->http.stop();
}
