#pragma once

#include "server/methods/baglam.h"

#include <QHash>

namespace httplib {
class Server;
}

// The distributor's web site as the reference server plays it: the home page and the account
// request form (its POST stores the request).
void WebSayfalariniKaydet(httplib::Server& http, const TSunucuOrtami& ortam);

// Stores one request of the form; throws TIstekHatasi for a missing firm name or contact.
void FormIstegiKaydet(const TSunucuOrtami& ortam, const QHash<QString, QString>& alanlar);
