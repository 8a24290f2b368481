// Background tasks: the continuation runs on the user-interface thread, and not at all when its
// window is gone; the hand-over runs on the user-interface thread and waits.
#include "platform/tasks/gorev.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <atomic>

class TstGorev : public QObject {
    Q_OBJECT
private slots:
    void continuationRunsOnTheUiThreadAfterTheWork() {
        QObject pencere;
        std::atomic<bool> isUiDisinda{false};
        bool devamUiUzerinde = false;
        bool bitti = false;
        tasks::RunInBackground(
            &pencere, [&] { isUiDisinda = !tasks::OnUiThread(); },
            [&] {
                devamUiUzerinde = tasks::OnUiThread();
                bitti = true;
            });
        QTRY_VERIFY(bitti);
        QVERIFY(isUiDisinda);
        QVERIFY(devamUiUzerinde);
    }

    void closedWindowDropsTheLateResult() {
        auto* pencere = new QObject;
        QSemaphore baslat;
        std::atomic<bool> isBitti{false};
        bool devamEtti = false;
        tasks::RunInBackground(
            pencere,
            [&] {
                baslat.acquire();
                isBitti = true;
            },
            [&] { devamEtti = true; });
        delete pencere;
        baslat.release();
        QTRY_VERIFY(isBitti);
        tasks::WaitForBackgroundTasks();
        QCoreApplication::processEvents();
        QVERIFY(!devamEtti);
    }

    void syncToUiRunsThereAndWaits() {
        std::atomic<bool> uiUzerinde{false};
        std::atomic<bool> bekledi{false};
        QThread* is = QThread::create([&] {
            int deger = 0;
            tasks::SyncToUi([&] {
                uiUzerinde = tasks::OnUiThread();
                deger = 42;
            });
            bekledi = deger == 42;
        });
        is->start();
        QTRY_VERIFY(is->isFinished());
        delete is;
        QVERIFY(uiUzerinde);
        QVERIFY(bekledi);
    }
};

QTEST_GUILESS_MAIN(TstGorev)
#include "tst_gorev.moc"
