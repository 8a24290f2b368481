#pragma once

#include "server/methods/baglam.h"

#include <QByteArray>
#include <QString>

struct TCevap {
    int durum = 200;
    QByteArray govde;
};

// An error answer: {"error": "<message>"}.
TCevap HataCevabi(int durum, const QString& mesaj);

// Runs one TServerMethods1 call: the method named in the path (quoted or not, URL-encoded),
// the body {"_parameters": [...]} checked against the method's signature before it runs.
// 404 unknown method, 400 malformed request, 500 failure inside the method (or not implemented).
TCevap MetotCagir(const QString& kodluAd, const QByteArray& govde, const TSunucuOrtami& ortam,
                  const QString& arayanAdres);
