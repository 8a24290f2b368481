#include "client/app/yayin.h"

#include <mutex>

namespace yayin {

namespace {

std::mutex& Kilit() {
    static std::mutex kilit;
    return kilit;
}

TYayinDegerleri& Gecerli() {
    static TYayinDegerleri degerler{
        QStringLiteral(TEVRANO_SERVER_HOST),
        QStringLiteral(TEVRANO_SERVER_PORT),
        QStringLiteral(TEVRANO_MAKER_HOST),
        QStringLiteral(TEVRANO_SITE_ADDRESS),
    };
    return degerler;
}

} // namespace

TYayinDegerleri Degerler() {
    std::lock_guard kilit(Kilit());
    return Gecerli();
}

QString SunucuAdi() {
    return Degerler().sunucuAdi;
}

QString SunucuPortu() {
    return Degerler().sunucuPortu;
}

QString YapimciAdresi() {
    return Degerler().yapimciAdresi;
}

QString SiteAdresi() {
    return Degerler().siteAdresi;
}

QUrl YapimciYolu(QStringView yol) {
    QString kok = YapimciAdresi();
    while (kok.endsWith(QLatin1Char('/')))
        kok.chop(1);
    while (yol.startsWith(QLatin1Char('/')))
        yol = yol.mid(1);
    return QUrl(kok + QLatin1Char('/') + yol.toString());
}

void TestIcinAyarla(const TYayinDegerleri& degerler) {
    std::lock_guard kilit(Kilit());
    Gecerli() = degerler;
}

} // namespace yayin
