#include "ui/run/worker_run.h"

#include <flint/flint.h>

namespace numerel::ui {

WorkerRun::~WorkerRun() {
    StopAndJoin(std::chrono::milliseconds::max());
}

void WorkerRun::Start(std::function<void()> work, Ended ended) {
    token_ = std::make_shared<StopToken>();
    worker_done_.store(false);
    worker_ = std::thread(
        [this, token = token_, work = std::move(work), ended = std::move(ended)]() mutable {
            const RunEnd end = GuardedRun(work, *token);
            // FLINT keeps caches per thread (factoring tables); without this each run's thread
            // would leave them behind.
            flint_cleanup();
            // The last thing the worker does; the queued call runs after every progress report.
            QMetaObject::invokeMethod(
                this,
                [this, end, ended = std::move(ended)] {
                    if (worker_.joinable()) worker_.join();
                    ended(end);
                },
                Qt::QueuedConnection);
            worker_done_.store(true);
        });
}

void WorkerRun::RequestStop() {
    if (token_) token_->RequestStop();
}

bool WorkerRun::StopAndJoin(std::chrono::milliseconds limit) {
    if (!worker_.joinable()) return true;
    RequestStop();
    const auto start = std::chrono::steady_clock::now();
    while (!worker_done_.load()) {
        if (std::chrono::steady_clock::now() - start >= limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker_.join();
    return true;
}

}  // namespace numerel::ui
