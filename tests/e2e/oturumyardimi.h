#pragma once

// Helpers of the tests against a real server: a client connection and the session of a demo
// user, raw calls to see the HTTP status, and direct reads and writes of the server's database.

#include "client/remote/proxim.h"
#include "server/seed/tohum.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <httplib.h>
#include <memory>

inline std::unique_ptr<datasnap::TSQLConnection> BaglantiAc(int port) {
    auto b = std::make_unique<datasnap::TSQLConnection>();
    b->Params().SetValues(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    b->Params().SetValues(QStringLiteral("Port"), QString::number(port));
    b->Open();
    return b;
}

inline QString MakineKimligi(const char* kullanici) {
    for (const TSabitMakine& m : SabitMakineler())
        if (qstrcmp(m.kullanici, kullanici) == 0)
            return QString::fromLatin1(m.bilgisayarId);
    return {};
}

// The session record of a demo user as the login gets it.
inline TSonucBilgisi OturumAl(TServerMethods1Client& vekil, const char* kullanici) {
    TSonucBilgisi s;
    s.Kopyala(*vekil.BuyukGetir(MakineKimligi(kullanici)));
    return s;
}

inline QJsonValue KayitJson(const TSonucBilgisi& s) {
    return QJsonDocument::fromJson(datasnap::MarshalToJson(&s)).object();
}

struct THamCevap {
    int durum = 0;
    QJsonObject govde;
};

// One call with hand-made parameters (or a hand-made body), to see the status the server gives.
inline THamCevap HamGovde(int port, const QString& metot, const QByteArray& govde) {
    httplib::Client c("127.0.0.1", port);
    c.set_read_timeout(60, 0);
    const std::string yol = "/datasnap/rest/TServerMethods1/" + metot.toStdString();
    auto r = c.Post(yol, govde.constData(), static_cast<size_t>(govde.size()), "application/json");
    if (!r)
        return {-1, {}};
    return {r->status, QJsonDocument::fromJson(QByteArray::fromStdString(r->body)).object()};
}

inline THamCevap HamCagri(int port, const QString& metot, const QJsonArray& parametreler) {
    return HamGovde(
        port, metot,
        QJsonDocument(QJsonObject{{QStringLiteral("_parameters"), parametreler}}).toJson(QJsonDocument::Compact));
}

// A connection of the test's own to the server's database file (WAL: it reads and writes beside
// the running server).
class TTestVeritabani {
public:
    explicit TTestVeritabani(const QString& dosya)
        : m_ad(QUuid::createUuid().toString()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_ad);
        db.setDatabaseName(dosya);
        db.open();
        Komut(QStringLiteral("PRAGMA busy_timeout = 10000"));
        Komut(QStringLiteral("PRAGMA foreign_keys = ON"));
    }
    ~TTestVeritabani() {
        QSqlDatabase::database(m_ad, false).close();
        QSqlDatabase::removeDatabase(m_ad);
    }
    TTestVeritabani(const TTestVeritabani&) = delete;
    TTestVeritabani& operator=(const TTestVeritabani&) = delete;

    QSqlDatabase Db() const { return QSqlDatabase::database(m_ad, false); }

    // Runs a statement with positional values; a failure fails loudly.
    QSqlQuery Sorgu(const QString& sql, const QVariantList& degerler = {}) const {
        QSqlQuery q(Db());
        q.prepare(sql);
        for (int i = 0; i < degerler.size(); ++i)
            q.bindValue(i, degerler[i]);
        if (!q.exec())
            qFatal("SQL failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q;
    }

    QVariant Deger(const QString& sql, const QVariantList& degerler = {}) const {
        QSqlQuery q = Sorgu(sql, degerler);
        return q.next() ? q.value(0) : QVariant();
    }

    void Komut(const QString& sql, const QVariantList& degerler = {}) const { Sorgu(sql, degerler); }

private:
    QString m_ad;
};

// A value of a named column in a row of a wire table.
inline QVariant Hucre(const datasnap::TDSTable& t, size_t satir, QStringView sutun) {
    const int i = t.ColumnIndex(sutun);
    return i < 0 ? QVariant() : t.rows.at(satir).at(i);
}
