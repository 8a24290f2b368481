#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <stdexcept>

class QSqlError;

// A failed database operation: the driver's message, with the statement that failed.
class TVeritabaniHatasi : public std::runtime_error {
public:
    explicit TVeritabaniHatasi(const QString& mesaj);
    TVeritabaniHatasi(const QString& baglam, const QSqlError& hata);
};

// One SQLite database file, reached through one connection per thread.
//
// Baglanti() gives the calling thread its own QSqlDatabase, opened on first use with the
// connection settings below and kept for the life of the thread: when the thread ends, the
// connection is closed and removed. A QSqlDatabase must only be used on the thread that made
// it, so a worker never shares its connection.
//
// Settings of every connection: journal_mode=WAL (readers do not block the writer),
// synchronous=FULL (a committed order survives a power cut, not only a killed process; the
// cost is one fsync per commit, small beside a network round trip), foreign_keys=ON,
// busy_timeout=5000 ms, cache_size=16 MiB (at most, per connection).
class TVeritabani {
public:
    explicit TVeritabani(QString dosyaYolu);
    ~TVeritabani(); // closes the connection of the destroying thread; other threads close theirs when they end
    TVeritabani(const TVeritabani&) = delete;
    TVeritabani& operator=(const TVeritabani&) = delete;

    const QString& DosyaYolu() const { return m_dosyaYolu; }

    // The calling thread's open connection. Throws TVeritabaniHatasi when the file cannot be opened.
    QSqlDatabase Baglanti() const;

    // Closes and removes the calling thread's connection now (the next Baglanti() opens a new one).
    void BaglantiyiKapat() const;

    // Name of the calling thread's connection (for diagnostics and tests).
    QString BaglantiAdi() const;

private:
    QString m_dosyaYolu;
    quint64 m_kimlik;
};

// A write transaction: begins on construction (BEGIN IMMEDIATE, so the write lock is taken at
// once and a later lock upgrade cannot fail with "database is locked"), commits on Onayla(),
// and rolls back in the destructor when Onayla() was not reached (an exception, an early return).
// Transactions do not nest: one TIslem per connection at a time.
class TIslem {
public:
    explicit TIslem(QSqlDatabase db);
    ~TIslem();
    TIslem(const TIslem&) = delete;
    TIslem& operator=(const TIslem&) = delete;

    void Onayla(); // throws TVeritabaniHatasi; the transaction is rolled back then

private:
    QSqlDatabase m_db;
    bool m_acik = false;
};

// Query helpers that turn a failure into TVeritabaniHatasi. Queries are forward-only (the
// server reads each result once, front to back; it is several times faster in Qt SQL).
QSqlQuery Hazirla(const QSqlDatabase& db, const QString& sql);
void Calistir(QSqlQuery& sorgu);
// Binds a value at a positional placeholder. Qt SQL binds a null QString as NULL; here an empty
// text is always '' (the NOT NULL text columns expect it) and NULL is asked for with QVariant().
void DegerBagla(QSqlQuery& sorgu, int sira, const QVariant& deger);
// Prepares, binds the values to the positional placeholders (?) in order, executes.
QSqlQuery Calistir(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler = {});
// The first column of the first row, or an invalid QVariant when there is no row.
QVariant TekDeger(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler = {});
