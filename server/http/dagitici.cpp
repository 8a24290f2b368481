#include "server/http/dagitici.h"

#include "client/remote/metotlar.h"
#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/wirevalue.h"
#include "server/methods/metotlar.h"
#include "server/store/veritabani.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <cstdio>

namespace {

QString MetotAdi(const QString& kodluAd) {
    QString ad = QUrl::fromPercentEncoding(kodluAd.toUtf8());
    if (ad.size() >= 2 && ad.startsWith(QLatin1Char('"')) && ad.endsWith(QLatin1Char('"')))
        ad = ad.mid(1, ad.size() - 2);
    return ad;
}

// Empty when the arguments fit the signature, else what is wrong.
QString ArgumanSorunu(const datasnap::TDSMethodSignature& imza, const QJsonArray& argumanlar) {
    if (argumanlar.size() != imza.params.size())
        return QStringLiteral("%1 takes %2 parameters, %3 given")
            .arg(imza.name)
            .arg(imza.params.size())
            .arg(argumanlar.size());
    for (int k = 0; k < imza.params.size(); ++k) {
        const datasnap::TDSParamSig& p = imza.params[k];
        const QString sorun = p.out ? (argumanlar.at(k).isNull() ? QString() : QStringLiteral("expected null"))
                                    : datasnap::CheckWireValue(argumanlar.at(k), p.type);
        if (!sorun.isEmpty())
            return QStringLiteral("Parameter %1 (%2) of %3: %4").arg(k).arg(p.name, imza.name, sorun);
    }
    return {};
}

} // namespace

TCevap HataCevabi(int durum, const QString& mesaj) {
    datasnap::TJsonWriter w;
    w.BeginObject();
    w.Key("error");
    w.String(mesaj);
    w.EndObject();
    return {durum, w.Take()};
}

TCevap MetotCagir(const QString& kodluAd, const QByteArray& govde, const TSunucuOrtami& ortam,
                  const QString& arayanAdres) {
    const QString ad = MetotAdi(kodluAd);
    const datasnap::TDSMethodSignature* imza = ServerMethods1Imzasi(ad);
    if (!imza)
        return HataCevabi(404, QStringLiteral("Unknown method %1").arg(ad));

    QJsonParseError ayristirma{};
    const QJsonDocument belge = QJsonDocument::fromJson(govde, &ayristirma);
    if (ayristirma.error != QJsonParseError::NoError || !belge.isObject())
        return HataCevabi(400, QStringLiteral("Malformed JSON"));
    const QJsonValue parametreler = belge.object().value(u"_parameters");
    if (!parametreler.isArray())
        return HataCevabi(400, QStringLiteral("The body needs a _parameters array"));
    const QString sorun = ArgumanSorunu(*imza, parametreler.toArray());
    if (!sorun.isEmpty())
        return HataCevabi(400, sorun);

    try {
        TCagriBaglami baglam(*imza, parametreler.toArray(), ortam, arayanAdres); // reads the record arguments
        const TSunucuMetodu metot = SunucuMetotlari().value(ad);
        if (!metot)
            return HataCevabi(500, QStringLiteral("%1 is not implemented").arg(ad));
        metot(baglam);
        return {200, baglam.Cevap()};
    } catch (const datasnap::TDSException& e) {
        return HataCevabi(400, e.Message()); // an argument record that cannot be read
    } catch (const TIstekHatasi& e) {
        return HataCevabi(400, QString::fromStdString(e.what()));
    } catch (const TVeritabaniHatasi& e) {
        std::fprintf(stderr, "tevrano-sunucu: %s: %s\n", qPrintable(ad), e.what());
        return HataCevabi(500, QStringLiteral("%1 failed: database error").arg(ad));
    } catch (const std::exception& e) {
        return HataCevabi(500, QStringLiteral("%1 failed: %2").arg(ad, QString::fromUtf8(e.what())));
    }
}
