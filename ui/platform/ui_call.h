// Running a piece of the window's work (a modal prompt, a field write-back) on the UI thread on
// behalf of a run's worker thread, which waits for it. The wait ends early when the run is asked
// to stop, so a window that is closing never waits on a worker that waits on the window.
#pragma once

#include <functional>

#include "core/run_control.h"

class QObject;

namespace numerel::ui {

// Runs `call` on the thread of `context` and waits until it has run. From that thread itself
// the call runs at once. Throws RunStopped when the run of the current thread is asked to stop
// first; `call` then still runs later or not at all, so it must own (copy) what it uses.
void CallOnUiThread(QObject* context, std::function<void()> call);

}  // namespace numerel::ui
