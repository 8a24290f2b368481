#include "client/session/disadres.h"

#include "client/app/yayin.h"
#include "client/session/httpadres.h"

#include <httplib.h>
#include <thread>

namespace {

// Waits `sure` in short slices so that a cancel is seen at once.
bool IptalEdilmedenBekle(std::chrono::milliseconds sure, const TIptalBayragi& iptal) {
    constexpr std::chrono::milliseconds dilim{25};
    for (std::chrono::milliseconds gecen{0}; gecen < sure; gecen += dilim) {
        if (iptal && *iptal)
            return false;
        std::this_thread::sleep_for(dilim);
    }
    return !(iptal && *iptal);
}

bool Basarili(const httplib::Result& cevap) {
    return cevap && cevap->status >= 200 && cevap->status < 300;
}

} // namespace

TIptalBayragi YeniIptalBayragi() {
    return std::make_shared<std::atomic<bool>>(false);
}

std::optional<QString> DisAdresAl(const TIptalBayragi& iptal) {
    const THttpAdres adres = HttpAdresi(yayin::YapimciYolu(u"ip.php"));
    httplib::Client istemci(adres.kok);
    istemci.set_read_timeout(std::chrono::duration_cast<std::chrono::microseconds>(DisAdresOkumaSuresi));
    istemci.set_connection_timeout(std::chrono::duration_cast<std::chrono::microseconds>(DisAdresBaglanmaSuresi));
    istemci.set_keep_alive(false);
    for (;;) {
        if (iptal && *iptal)
            return std::nullopt;
        istemci.stop(); // a connection left from an earlier try is dropped first
        const httplib::Result cevap = istemci.Get(adres.yol);
        if (Basarili(cevap)) {
            istemci.stop();
            return QString::fromUtf8(cevap->body).trimmed();
        }
        if (!IptalEdilmedenBekle(DisAdresDenemeAraligi, iptal))
            return std::nullopt;
    }
}
