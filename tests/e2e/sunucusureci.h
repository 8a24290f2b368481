#pragma once

// A real tevrano-sunucu process for tests: its own seeded database in a temporary folder, a free
// loopback port, killed when the test is done.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TSunucuSureci {
public:
    // Seeds a database of `stokAdedi` items (0 = no seed) in a fresh temporary folder.
    explicit TSunucuSureci(int stokAdedi = 300) {
        m_db = m_klasor.filePath(QStringLiteral("tevrano.db"));
        if (stokAdedi > 0)
            Tohumla({QStringLiteral("--items"), QString::number(stokAdedi)});
    }

    ~TSunucuSureci() { Durdur(); }

    static QString Program() { return qEnvironmentVariable("TEVRANO_SUNUCU"); }
    const QString& Veritabani() const { return m_db; }
    QString Klasor() const { return m_klasor.path(); }
    int Port() const { return m_port; }

    // Runs `seed --db <db> args...`; returns its exit code.
    int Tohumla(const QStringList& args) {
        QProcess p;
        p.start(Program(), QStringList{QStringLiteral("seed"), QStringLiteral("--db"), m_db} + args);
        p.waitForFinished(600000);
        if (p.exitCode() != 0)
            qWarning("seed failed: %s", p.readAllStandardError().constData());
        return p.exitCode();
    }

    // Starts `serve` on a free port and waits until it listens. Returns false on failure.
    bool Baslat(const QStringList& ekler = {}) {
        m_surec.setProcessChannelMode(QProcess::SeparateChannels);
        m_surec.start(Program(), QStringList{QStringLiteral("serve"), QStringLiteral("--db"), m_db,
                                             QStringLiteral("--port"), QStringLiteral("0")} +
                                     ekler);
        if (!m_surec.waitForStarted(10000))
            return false;
        static const QRegularExpression dinliyor(QStringLiteral("listening on [^:]+:(\\d+)"));
        QByteArray cikti;
        while (m_surec.waitForReadyRead(20000)) {
            cikti += m_surec.readAllStandardOutput();
            const QRegularExpressionMatch m = dinliyor.match(QString::fromUtf8(cikti));
            if (m.hasMatch()) {
                m_port = m.captured(1).toInt();
                return true;
            }
        }
        qWarning("server did not start: %s", m_surec.readAllStandardError().constData());
        return false;
    }

    void Oldur() // SIGKILL, no clean-up
    {
        if (m_surec.state() != QProcess::NotRunning) {
            m_surec.kill();
            m_surec.waitForFinished(10000);
        }
    }

    void Durdur() {
        if (m_surec.state() != QProcess::NotRunning) {
            m_surec.terminate();
            if (!m_surec.waitForFinished(10000))
                Oldur();
        }
    }

    bool Calisiyor() const { return m_surec.state() == QProcess::Running; }

private:
    QTemporaryDir m_klasor;
    QString m_db;
    QProcess m_surec;
    int m_port = 0;
};
