#include "client/session/httpadres.h"

THttpAdres HttpAdresi(const QUrl& adres) {
    THttpAdres sonuc;
    const QString sema = adres.scheme().isEmpty() ? QStringLiteral("http") : adres.scheme();
    const int varsayilanPort = sema == QLatin1String("https") ? 443 : 80;
    sonuc.kok = (sema + QLatin1String("://") + adres.host(QUrl::FullyEncoded) + QLatin1Char(':') +
                 QString::number(adres.port(varsayilanPort)))
                    .toStdString();
    QString yol = adres.path(QUrl::FullyEncoded);
    if (!yol.startsWith(QLatin1Char('/')))
        yol.prepend(QLatin1Char('/'));
    if (adres.hasQuery())
        yol += QLatin1Char('?') + adres.query(QUrl::FullyEncoded);
    sonuc.yol = yol.toStdString();
    return sonuc;
}
