#include "core/nt/big_proof_watch.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "core/nt/factor_big.h"
#include "core/nt/flint_thread_memory.h"
#include "core/run_control.h"

namespace numerel {

double ExpectedProofSeconds(double digits) {
    return 0.04 * std::pow(digits / 100.0, 3.2);
}

bool ProveWatched(const mpz_class& n, const std::function<void(double seconds)>& watch) {
    // Owned by the helper and the caller together, so a stopped caller may leave first.
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<bool> prime;
        std::exception_ptr error;
    };
    auto state = std::make_shared<State>();
    const StopToken* token = detail::current_stop_token;
    std::thread helper([state, n, token] {
        const FlintThreadMemory flint_memory;
        std::optional<StopScope> scope;
        if (token != nullptr) scope.emplace(*token);
        bool prime = false;
        std::exception_ptr error;
        try {
            prime = IsProvenPrime(n, ProofThreads::AllCores);
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(state->mutex);
        state->prime = prime;
        state->error = error;
        state->done.notify_all();
    });
    const auto t0 = std::chrono::steady_clock::now();
    std::unique_lock lock(state->mutex);
    while (!state->done.wait_for(lock, std::chrono::milliseconds(100),
                                 [&] { return state->prime.has_value(); })) {
        if (StopRequested()) {
            lock.unlock();
            helper.detach();
            throw RunStopped{};
        }
        lock.unlock();
        if (watch) {
            watch(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        }
        lock.lock();
    }
    lock.unlock();
    helper.join();
    if (state->error) std::rethrow_exception(state->error);
    return *state->prime;
}

}  // namespace numerel
