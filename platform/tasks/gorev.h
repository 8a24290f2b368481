#pragma once

#include <QObject>
#include <functional>

namespace tasks {

// Runs `work` on the task pool, then `continuation` on the user-interface thread. The
// continuation belongs to `context`: when `context` is gone by then, it is dropped, so a closed
// window never receives a late result. `work` must touch no widget.
void RunInBackground(QObject* context, std::function<void()> work, std::function<void()> continuation);

// Runs `f` on the user-interface thread and waits for it; runs it at once when called there.
void SyncToUi(const std::function<void()>& f);

bool OnUiThread();

// Waits until every task started with RunInBackground has finished (tests and shutdown).
void WaitForBackgroundTasks();

} // namespace tasks
