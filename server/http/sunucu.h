#pragma once

#include "server/methods/baglam.h"

#include <QString>
#include <memory>

struct TSunucuAyarlari {
    QString veritabani; // SQLite file
    QString dinlenenAdres = QStringLiteral("127.0.0.1");
    int port = 9090;          // 0 = any free port
    QString kurulumDosyasi;   // served as /exe/TevranoSetup.exe; empty = 404
    int istemciSurumu = 2;    // reported in the session record
    int isParcacigi = 32;     // worker threads
    int canliTutmaSaniye = 5; // idle keep-alive connections are dropped after this
};

// The reference application server: the TServerMethods1 protocol, the maker's host (ip.php,
// installer) and the distributor's site pages, on one port.
class TUygulamaSunucusu {
public:
    explicit TUygulamaSunucusu(TSunucuAyarlari ayarlar);
    ~TUygulamaSunucusu();
    TUygulamaSunucusu(const TUygulamaSunucusu&) = delete;
    TUygulamaSunucusu& operator=(const TUygulamaSunucusu&) = delete;

    int Bagla();  // binds the port; returns it. Throws std::runtime_error on failure.
    void Dinle(); // serves until Durdur()
    void Durdur();

private:
    struct Ic;
    std::unique_ptr<Ic> m_ic;
};
