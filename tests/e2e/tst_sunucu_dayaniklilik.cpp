// A write killed mid-transaction (SIGKILL) leaves the database as it was before the write.
#include "sunucusureci.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

struct TDurum {
    qint64 stoklar = -1;
    QString butunluk;
};

TDurum Oku(const QString& dosya) {
    TDurum d;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("denetim"));
        db.setDatabaseName(dosya);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                d.butunluk = q.value(0).toString();
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM STOKLAR")) && q.next())
                d.stoklar = q.value(0).toLongLong();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("denetim"));
    return d;
}

} // namespace

class TstSunucuDayaniklilik : public QObject {
    Q_OBJECT
private slots:
    void reseedKilledMidwayLeavesTheOldDataWhole() {
        TSunucuSureci sunucu(1000);
        QCOMPARE(Oku(sunucu.Veritabani()).stoklar, qint64(1000));

        // A large refresh runs in one transaction; kill it once it has written a good part.
        QProcess tohum;
        tohum.start(TSunucuSureci::Program(), {QStringLiteral("seed"), QStringLiteral("--db"), sunucu.Veritabani(),
                                               QStringLiteral("--items"), QStringLiteral("150000")});
        QVERIFY(tohum.waitForStarted());
        const QFileInfo wal(sunucu.Veritabani() + QStringLiteral("-wal"));
        QElapsedTimer sure;
        sure.start();
        bool yaziyor = false;
        while (!yaziyor && tohum.state() == QProcess::Running && sure.elapsed() < 120000) {
            QTest::qWait(50);
            yaziyor = QFileInfo(wal.filePath()).size() > 4 * 1024 * 1024;
        }
        QVERIFY2(yaziyor, "the refresh did not get under way");
        tohum.kill();
        tohum.waitForFinished();

        const TDurum sonra = Oku(sunucu.Veritabani());
        QCOMPARE(sonra.butunluk, QStringLiteral("ok"));
        QCOMPARE(sonra.stoklar, qint64(1000));

        // The server still starts on it and serves.
        QVERIFY(sunucu.Baslat());
    }
};

QTEST_GUILESS_MAIN(TstSunucuDayaniklilik)
#include "tst_sunucu_dayaniklilik.moc"
