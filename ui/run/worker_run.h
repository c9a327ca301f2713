// One worker thread at a time: a run phase goes there inside a stop scope and a guard, and its
// ending comes back to the window's thread through a queued call, after every progress report.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "core/run_control.h"
#include "ui/run/run_end.h"

namespace numerel::ui {

class WorkerRun : public QObject {
    Q_OBJECT
public:
    using Ended = std::function<void(const RunEnd&)>;

    WorkerRun() = default;
    ~WorkerRun() override;

    // Runs `work` on a new thread; then `ended` on this object's thread with how it ended. The
    // previous worker must have ended.
    void Start(std::function<void()> work, Ended ended);
    // Asks the running worker to stop (Stop, Esc, closing the window).
    void RequestStop();
    // Stops the run and waits up to `limit` for its worker; true when no worker is left.
    bool StopAndJoin(std::chrono::milliseconds limit);

private:
    std::shared_ptr<StopToken> token_;
    std::thread worker_;
    std::atomic<bool> worker_done_{true};
};

}  // namespace numerel::ui
