#include "core/nt/siqs.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "core/input/uint128_mpz.h"
#include "core/nt/factor_qs.h"
#include "core/nt/flint_thread_memory.h"
#include "core/nt/siqs_base.h"
#include "core/nt/siqs_linalg.h"
#include "core/nt/siqs_poly.h"
#include "core/nt/siqs_relations.h"
#include "core/nt/siqs_sieve.h"
#include "core/nt/siqs_square.h"
#include "core/nt/small_primes.h"
#include "core/run_control.h"

namespace numerel {

namespace {

using namespace siqs;

// Up to this many bits the single-threaded sieve of factor_qs is faster (no threads to start,
// no matrix tried early): 3 to 6 times at 30 to 37 digits.
constexpr std::size_t kSmallBits = 125;

// Sieving threads that end (and are joined) however the caller leaves.
class SieveCrew {
public:
    SieveCrew(const FactorBase& base, RelationStore& store, std::uint64_t seed)
        : base_(base), store_(store), token_(detail::current_stop_token) {
        const unsigned count = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned id = 0; id < count; ++id)
            threads_.emplace_back([this, seed, id] {
                const FlintThreadMemory flint_memory;
                Work(seed * 0x9E3779B97F4A7C15ULL + id);
            });
    }
    ~SieveCrew() { Finish(); }
    SieveCrew(const SieveCrew&) = delete;
    SieveCrew& operator=(const SieveCrew&) = delete;

    // Holds the threads between polynomials, or lets them go on: while a matrix that will
    // most likely give the divisor is solved, they would only take its core.
    void Hold(bool hold) {
        {
            const std::lock_guard lock(hold_mutex_);
            held_.store(hold, std::memory_order_relaxed);
        }
        hold_cv_.notify_all();
    }

    // Ends every thread; rethrows what a thread failed with (other than a stop).
    void Finish() {
        {
            const std::lock_guard lock(hold_mutex_);
            finish_.store(true, std::memory_order_relaxed);
        }
        hold_cv_.notify_all();
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
        threads_.clear();
    }
    void RethrowFailure() {
        if (failure_) std::rethrow_exception(failure_);
    }
    bool failed() const { return failed_.load(std::memory_order_relaxed); }

private:
    void Work(std::uint64_t seed) {
        std::optional<StopScope> scope;
        if (token_ != nullptr) scope.emplace(*token_);
        try {
            std::mt19937_64 rng(seed);
            PolyFamily poly(base_);
            Siever siever(base_);
            std::vector<Relation> batch;
            unsigned refused = 0;
            while (!finish_.load(std::memory_order_relaxed)) {
                poly.NewA(rng);
                // Another thread took this A: its relations would only repeat.
                if (!store_.ClaimA(poly.a()) && ++refused < 1000) continue;
                do {
                    PollStop();
                    if (held_.load(std::memory_order_relaxed)) {
                        std::unique_lock lock(hold_mutex_);
                        hold_cv_.wait(lock, [this] {
                            return !held_.load(std::memory_order_relaxed) ||
                                   finish_.load(std::memory_order_relaxed);
                        });
                    }
                    siever.Sieve(poly, batch);
                    if (!batch.empty()) store_.Add(batch);
                } while (!finish_.load(std::memory_order_relaxed) && poly.Next());
            }
        } catch (const RunStopped&) {
        } catch (...) {
            const std::lock_guard lock(failure_mutex_);
            if (!failure_) failure_ = std::current_exception();
            failed_.store(true, std::memory_order_relaxed);
        }
    }

    const FactorBase& base_;
    RelationStore& store_;
    const StopToken* token_;
    std::vector<std::thread> threads_;
    std::atomic<bool> finish_{false};
    std::atomic<bool> held_{false};
    std::mutex hold_mutex_;
    std::condition_variable hold_cv_;
    std::atomic<bool> failed_{false};
    std::mutex failure_mutex_;
    std::exception_ptr failure_;
};

// A divisor from the relations so far, or 0 when they give none yet; then shortfall estimates
// how many more sets are needed.
mpz_class Solve(const FactorBase& base, RelationStore& store, std::size_t& shortfall) {
    std::vector<Relation> relations;
    std::vector<RelationSet> sets;
    store.Snapshot(relations, sets);
    std::vector<std::vector<std::uint32_t>> columns;
    columns.reserve(sets.size());
    for (const RelationSet& set : sets) columns.push_back(OddFactors(relations, set));
    const auto dependencies = FindDependencies(base.size(), std::move(columns), 64, shortfall);
    const mpz_class& n = base.n;
    for (const auto& dependency : dependencies) {
        PollStop();
        const mpz_class g = SquareGcd(base, relations, sets, dependency);
        if (g > 1 && g < n && mpz_divisible_p(n.get_mpz_t(), g.get_mpz_t())) return g;
    }
    return 0;
}

}  // namespace

mpz_class SiqsSplit(const mpz_class& n, const SiqsProgressFn& progress) {
    // Cheap answers for inputs the sieve cannot split (every square it finds would be trivial).
    if (mpz_even_p(n.get_mpz_t())) return 2;
    if (mpz_perfect_power_p(n.get_mpz_t())) {
        for (unsigned long k = 2; k <= mpz_sizeinbase(n.get_mpz_t(), 2); ++k) {
            mpz_class root;
            if (mpz_root(root.get_mpz_t(), n.get_mpz_t(), k) != 0) return root;
        }
    }
    for (const std::uint32_t p : PrimesBelow2To16())
        if (mpz_divisible_ui_p(n.get_mpz_t(), p) && n != p) return p;
    if (mpz_sizeinbase(n.get_mpz_t(), 2) <= kSmallBits) {
        const mpz_class d = ToMpz(QuadraticSieveSplit(FromMpz(n)));
        if (d > 1 && d < n && mpz_divisible_p(n.get_mpz_t(), d.get_mpz_t())) return d;
    }
    FactorBase base;
    if (const std::uint64_t p = BuildFactorBase(n, base); p != 0)
        return mpz_class(static_cast<unsigned long>(p));
    RelationStore store;
    // One set per base prime always suffices, but some primes occur in no relation, so the
    // matrix is tried a little earlier, while the threads go on sieving.
    const std::size_t needed = base.size() + 64;
    std::size_t next_try = base.size() * 19 / 20;
    SieveCrew crew(base, store, mpz_fdiv_ui(n.get_mpz_t(), 1000003));
    auto last_report = std::chrono::steady_clock::now();
    for (;;) {
        if (StopRequested() || crew.failed()) {
            crew.Finish();
            crew.RethrowFailure();
            throw RunStopped{};
        }
        const std::size_t usable = store.usable();
        if (usable >= next_try) {
            std::size_t shortfall = 0;
            crew.Hold(usable >= base.size());
            if (const mpz_class d = Solve(base, store, shortfall); d != 0) return d;
            crew.Hold(false);
            next_try = usable + std::max<std::size_t>(shortfall, 32);
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto now = std::chrono::steady_clock::now();
        if (progress && now - last_report > std::chrono::milliseconds(250)) {
            last_report = now;
            progress(std::min(usable, needed), needed);
        }
    }
}

}  // namespace numerel
