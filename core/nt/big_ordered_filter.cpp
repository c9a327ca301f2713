#include "core/nt/big_ordered_filter.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/nt/flint_thread_memory.h"
#include "core/run_control.h"

namespace numerel {

namespace {

enum : unsigned char { kPending, kFailed, kPassed };

// What the calling thread and its helpers share for one call.
struct Shared {
    explicit Shared(std::size_t count) : state(count) {}
    std::vector<std::atomic<unsigned char>> state;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> quit{false};
    std::mutex mutex;
    std::condition_variable decided;
    std::exception_ptr error;

    void Fail(std::exception_ptr e) {
        {
            std::lock_guard lock(mutex);
            if (!error) error = std::move(e);
        }
        quit = true;
        decided.notify_all();
    }

    // Takes the next undecided index and decides it; false when there is none left to take.
    bool DecideOne(const std::function<bool(std::size_t)>& test) {
        if (quit) return false;
        const std::size_t i = next.fetch_add(1);
        if (i >= state.size()) return false;
        try {
            if (StopRequested()) {
                quit = true;
                decided.notify_all();
                return false;
            }
            state[i].store(test(i) ? kPassed : kFailed, std::memory_order_release);
        } catch (const RunStopped&) {
            quit = true;
            decided.notify_all();
            return false;
        } catch (...) {
            Fail(std::current_exception());
            return false;
        }
        { std::lock_guard lock(mutex); }
        decided.notify_all();
        return true;
    }
};

// Ends the helpers however the calling thread leaves.
class Helpers {
public:
    explicit Helpers(Shared& shared) : shared_(shared) {}
    ~Helpers() {
        shared_.quit = true;
        for (std::thread& t : threads_) t.join();
    }
    void Start(unsigned count, const std::function<bool(std::size_t)>& test) {
        const StopToken* token = detail::current_stop_token;
        for (unsigned k = 0; k < count; ++k) {
            threads_.emplace_back([this, token, &test] {
                const FlintThreadMemory flint_memory;
                std::optional<StopScope> scope;
                if (token != nullptr) scope.emplace(*token);
                while (shared_.DecideOne(test)) {
                }
            });
        }
    }
    void Join() {
        for (std::thread& t : threads_) t.join();
        threads_.clear();
    }

private:
    Shared& shared_;
    std::vector<std::thread> threads_;
};

}  // namespace

void FilterInOrder(std::size_t count, const std::function<bool(std::size_t)>& test,
                   const std::function<bool(std::size_t)>& emit) {
    if (count == 0) return;
    PollStop();
    Shared shared(count);
    Helpers helpers(shared);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    helpers.Start(static_cast<unsigned>(std::min<std::size_t>(cores - 1, count - 1)), test);

    std::size_t emitted = 0;
    bool go_on = true;
    const auto emit_ready = [&] {
        while (go_on && emitted < count) {
            const unsigned char s = shared.state[emitted].load(std::memory_order_acquire);
            if (s == kPending) break;
            if (s == kPassed) go_on = emit(emitted);
            ++emitted;
        }
    };
    while (go_on && emitted < count && !shared.quit) {
        emit_ready();
        if (!go_on || emitted == count) break;
        if (shared.DecideOne(test)) continue;
        if (shared.quit) break;
        // Everything is taken: wait for the helper that holds the next index.
        std::unique_lock lock(shared.mutex);
        shared.decided.wait_for(lock, std::chrono::milliseconds(20), [&] {
            return shared.quit || shared.state[emitted].load(std::memory_order_acquire) != kPending;
        });
        lock.unlock();
        if (StopRequested()) shared.quit = true;
    }
    shared.quit = true;
    helpers.Join();
    if (shared.error) std::rethrow_exception(shared.error);
    if (!go_on) return;
    // Stopped: hand over what was decided before the first gap.
    emit_ready();
    if (emitted < count) throw RunStopped{};
}

}  // namespace numerel
