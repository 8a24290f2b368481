#include "platform/tasks/gorev.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

namespace tasks {

namespace {

QThreadPool& Pool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool(); // lives for the process; tasks may outlive every window
        p->setMaxThreadCount(std::max(4, QThread::idealThreadCount() * 2));
        return p;
    }();
    return *pool;
}

} // namespace

bool OnUiThread() {
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

void RunInBackground(QObject* context, std::function<void()> work, std::function<void()> continuation) {
    // The guard is read only on the user-interface thread, where the context is deleted, so a
    // window closed while the task ran simply drops the result.
    QPointer<QObject> guard(context);
    Pool().start([guard, work = std::move(work), continuation = std::move(continuation)]() mutable {
        work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, continuation = std::move(continuation)] {
                if (guard)
                    continuation();
            },
            Qt::QueuedConnection);
    });
}

void SyncToUi(const std::function<void()>& f) {
    if (OnUiThread() || !QCoreApplication::instance()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), f, Qt::BlockingQueuedConnection);
}

void WaitForBackgroundTasks() {
    Pool().waitForDone();
}

} // namespace tasks
