#include "ui/platform/ui_call.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace numerel::ui {

namespace {
struct Pending {
    std::mutex mutex;
    std::condition_variable done_signal;
    bool done = false;
    bool abandoned = false;
};
}  // namespace

void CallOnUiThread(QObject* context, std::function<void()> call) {
    if (QThread::currentThread() == context->thread()) {
        call();
        return;
    }
    auto pending = std::make_shared<Pending>();
    QMetaObject::invokeMethod(
        context,
        [pending, call = std::move(call)] {
            {
                const std::lock_guard lock(pending->mutex);
                if (pending->abandoned) return;
            }
            call();
            const std::lock_guard lock(pending->mutex);
            pending->done = true;
            pending->done_signal.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(pending->mutex);
    while (!pending->done) {
        if (StopRequested()) {
            pending->abandoned = true;
            throw RunStopped{};
        }
        pending->done_signal.wait_for(lock, std::chrono::milliseconds(20));
    }
}

}  // namespace numerel::ui
