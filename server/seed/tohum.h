#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

class QTextStream;

// Settings of the demo data. The same settings always give the same data.
struct TohumAyarlari {
    int stokAdedi = 5000;
    int cariAdedi = 48;
    double resimOrani = 0.3; // share of the items with a picture
    std::uint32_t tohum = 20250602;
    // The demo's "today": baskets, orders, statements and due dates lie before it.
    QDate bugun = QDate(2025, 6, 2);
};

// Creates the demo data, or replaces it in a database that has it already (the schema is
// brought up to date first). Everything happens in one transaction. Machine identifiers that
// were bound with MakineBagla stay bound as long as their user exists in the new data.
// Needs a QGuiApplication: pictures and receipts are drawn with QPainter.
// Demo users (password "1234", all active): TEMSILCI1 (type 1), TEMSILCI2 (type 2), BAYI3
// (type 3, customer 1), BAYI4 (type 4, customer 2); BAYIPASIF (type 3, customer 3) is inactive.
void Tohumla(const QSqlDatabase& db, const TohumAyarlari& ayarlar = {});

// Machine identifiers that every seed binds, so that tests and the demo can log in:
// TEST-MAKINE-1 → TEMSILCI1, TEST-MAKINE-2 → TEMSILCI2, TEST-MAKINE-3 → BAYI3,
// TEST-MAKINE-4 → BAYI4, TEST-MAKINE-5 → BAYIPASIF.
struct TSabitMakine {
    const char* bilgisayarId;
    const char* kullanici;
};
std::span<const TSabitMakine> SabitMakineler();

// Binds a machine identifier to a user, replacing an earlier binding of that identifier. The
// identifier is taken as the client forms it: blanks removed, upper case. Throws
// std::invalid_argument for an unknown user or an empty identifier.
void MakineBagla(const QSqlDatabase& db, const QString& makineId, const QString& kullaniciAdi);

// Row counts of the data tables, in schema order.
std::vector<std::pair<QString, qint64>> TabloSayilari(const QSqlDatabase& db);

// The `seed` command of the server:
//   seed [--items N] [--customers N] [--pictures RATIO] [--prng-seed N] [--today YYYY-MM-DD]
//        [--bind-machine ID --user NAME]
// Given only --bind-machine and --user, it binds on the existing data and generates nothing.
struct TTohumKomutu {
    bool veriUret = true;
    TohumAyarlari ayarlar;
    QString makineId, kullanici; // both empty: no binding
};

// Reads the arguments that follow "seed"; throws std::invalid_argument with a message.
TTohumKomutu TohumKomutuOku(const QStringList& argumanlar);

// Runs the command and reports what it did (counts, time) to `cikti`.
void TohumKomutuCalistir(const QSqlDatabase& db, const TTohumKomutu& komut, QTextStream& cikti);
