#pragma once

// Deployment values: where the application server, the maker's web host and the distributor's web
// site are. They are fixed when the program is built (CMake cache variables) and compiled in; the
// program reads no command line, environment variable or registry for them.

#include <QString>
#include <QUrl>

namespace yayin {

struct TYayinDegerleri {
    QString sunucuAdi;     // host name of the application server ("HostName" of the connection)
    QString sunucuPortu;   // its port ("Port")
    QString yapimciAdresi; // the maker's web host: the address service "ip.php" and the installer
    QString siteAdresi;    // the distributor's web site, with its trailing "/"
};

// The values in force. Safe to call from any thread.
TYayinDegerleri Degerler();
QString SunucuAdi();
QString SunucuPortu();
QString YapimciAdresi();
QString SiteAdresi();

// An address on the maker's host: the host followed by `yol` with exactly one "/" between them.
QUrl YapimciYolu(QStringView yol);

// The client's own version; the server reports the current one at login.
inline constexpr int IstemciSurumu = 2;

// TEST ONLY: points the program at a test server. Production code never calls it.
void TestIcinAyarla(const TYayinDegerleri& degerler);

} // namespace yayin
