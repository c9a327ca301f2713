// How a run is stopped from outside. The window runs a tool on a worker thread and asks it to
// stop from the UI thread; the tool polls at least every few milliseconds of work and unwinds.
//
// The token reaches the kernels through a per-thread scope rather than a parameter of every
// function down to the quadratic sieve: a run installs it once (StopScope) and every poll point
// (PollStop) sees it. A thread without a scope never stops (the CLI, the tests by default).
#pragma once

#include <atomic>

namespace numerel {

// Set once from any thread; read by the running tool.
class StopToken {
public:
    void RequestStop() noexcept { stop_.store(true, std::memory_order_relaxed); }
    bool StopRequested() const noexcept { return stop_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> stop_{false};
};

// Thrown by PollStop when the run was asked to stop. Tools catch it where they can still report
// what they found so far; it never leaves a tool's run function.
struct RunStopped {};

namespace detail {
inline thread_local const StopToken* current_stop_token = nullptr;
}  // namespace detail

// Installs token for the current thread for the lifetime of the scope; scopes nest.
class StopScope {
public:
    explicit StopScope(const StopToken& token) noexcept : previous_(detail::current_stop_token) {
        detail::current_stop_token = &token;
    }
    ~StopScope() { detail::current_stop_token = previous_; }
    StopScope(const StopScope&) = delete;
    StopScope& operator=(const StopScope&) = delete;

private:
    const StopToken* previous_;
};

// True when the current thread's run was asked to stop. Cost: one thread-local load.
inline bool StopRequested() noexcept {
    const StopToken* token = detail::current_stop_token;
    return token != nullptr && token->StopRequested();
}

// Throws RunStopped when the current thread's run was asked to stop.
inline void PollStop() {
    if (StopRequested()) throw RunStopped{};
}

// Polls once every `period` ticks, for loops whose single step costs nanoseconds.
class StopPoller {
public:
    explicit StopPoller(unsigned period) noexcept : period_(period), left_(period) {}
    void Tick() {
        if (--left_ == 0) {
            left_ = period_;
            PollStop();
        }
    }

private:
    unsigned period_;
    unsigned left_;
};

}  // namespace numerel
