#pragma once

// An address split the way the HTTP client wants it: the scheme, host and port it connects to,
// and the path (with its query) it asks for.

#include <QUrl>
#include <string>

struct THttpAdres {
    std::string kok; // "http://host:port"
    std::string yol; // "/path?query", at least "/"
};

THttpAdres HttpAdresi(const QUrl& adres);
