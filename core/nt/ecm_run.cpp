#include "core/nt/ecm_run.h"

#include <ecm.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/run_control.h"
#include "core/run_in_child.h"

#if defined(__SANITIZE_ADDRESS__)
#define NUMEREL_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NUMEREL_LEAK_CHECK 1
#endif
#endif
#ifdef NUMEREL_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace numerel {

namespace {

// GMP-ECM 7.0.5 loses four integers of every curve (in ell_curve_set_z, a few hundred bytes);
// the sanitized build's leak checker is told to look away during its calls.
class LibraryLeakScope {
public:
#ifdef NUMEREL_LEAK_CHECK
    LibraryLeakScope() {
        __lsan_disable();
    }
    ~LibraryLeakScope() {
        __lsan_enable();
    }
#else
    LibraryLeakScope() = default;
#endif
    LibraryLeakScope(const LibraryLeakScope&) = delete;
    LibraryLeakScope& operator=(const LibraryLeakScope&) = delete;
};

// GMP-ECM's stop hook is a plain function pointer; what it must see lives per thread.
thread_local const EcmTick* current_tick = nullptr;

int EcmStopHook() {
    if (current_tick != nullptr && *current_tick) (*current_tick)();
    return StopRequested() ? 1 : 0;
}

// Curve parameters spread over the library's range from a counter (splitmix64): with the
// small sigmas 11, 12, ... 200 batch curves missed the 17-digit factor of 2^128+1 that spread
// ones found in 19.
unsigned long Sigma(std::uint64_t seed) {
    std::uint64_t z = (seed + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<unsigned long>((1ULL << 16) + z % ((1ULL << 32) - (1ULL << 16)));
}

class TickScope {
public:
    explicit TickScope(const EcmTick& tick) : previous_(current_tick) { current_tick = &tick; }
    ~TickScope() { current_tick = previous_; }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

private:
    const EcmTick* previous_;
};

// Stage 2's memory otherwise grows with B1 and the size of n, to gigabytes on long numbers.
constexpr double kStage2Memory = 256e6;

// One ecm_factor call; a found divisor is returned only when it is proper.
mpz_class Run(const mpz_class& n, double b1, ecm_params params) {
    mpz_class found;
    mpz_class input = n;
    int status = 0;
    {
        [[maybe_unused]] const LibraryLeakScope scope;
        status = ecm_factor(found.get_mpz_t(), input.get_mpz_t(), b1, params);
    }
    if (status > 0 && found > 1 && found < n && n % found == 0) return found;
    return 0;
}

}  // namespace

mpz_class PMinus1Split(const mpz_class& n, double b1, const EcmTick& tick) {
    if (StopRequested()) return 0;
    TickScope scope(tick);
    ecm_params params;
    ecm_init(params);
    params->method = ECM_PM1;
    params->stop_asap = &EcmStopHook;
    params->maxmem = kStage2Memory;
    // A fixed base rather than a random one: the same input gives the same run.
    mpz_set_ui(params->x, 3);
    const mpz_class found = Run(n, b1, params);
    ecm_clear(params);
    return found;
}

namespace {

// A curve's cost, b1 * (digits / 40)^1.6: about 3000 of these take a millisecond (measured at
// 60 and 150 digits).
double CurveCost(const mpz_class& n, double b1) {
    const double digits = static_cast<double>(mpz_sizeinbase(n.get_mpz_t(), 10));
    return b1 * std::pow(digits / 40, 1.6);
}

// Curves first, first + step, ... below `curves`, each with its own parameter from seed. A
// found divisor ends the run. Batch stage 1 is the library's fastest but never calls the stop
// hook, so where it must stop (not in a child, which is killed) it is kept to curves of a
// fraction of a second; longer curves use Suyama's curves, whose stage 1 polls.
mpz_class Curves(const mpz_class& n, double b1, int first, int step, int curves, std::uint64_t seed,
                 bool killable, double stage2_memory) {
    ecm_params params;
    ecm_init(params);
    params->method = ECM_ECM;
    params->stop_asap = &EcmStopHook;
    params->maxmem = stage2_memory;
    // The product of the primes up to b1 that batch curves keep grows with b1: 2 MB at 10^7.
    const bool batch = killable ? b1 <= 1e7 : CurveCost(n, b1) <= 6e4;
    params->param = batch ? ECM_PARAM_BATCH_SQUARE : ECM_PARAM_SUYAMA;
    mpz_class found = 0;
    for (int curve = first; curve < curves && found == 0 && !StopRequested(); curve += step) {
        params->B1done = ECM_DEFAULT_B1_DONE;
        params->sigma_is_A = 0;
        mpz_set_ui(params->x, 0);
        mpz_set_ui(params->y, 0);
        mpz_set_si(params->B2, ECM_DEFAULT_B2);
        mpz_set_si(params->B2min, -1);
        mpz_set_ui(params->sigma, Sigma(seed + static_cast<std::uint64_t>(curve)));
        found = Run(n, b1, params);
    }
    ecm_clear(params);
    return found;
}

// The curves dealt out to one child process per core: a stop or another child's divisor kills
// them at once, and batch curves can be used at every size.
mpz_class CurvesInChildren(const mpz_class& n, double b1, int curves, std::uint64_t seed,
                           unsigned processes, const EcmTick& tick) {
    const int step = static_cast<int>(processes);
    const double memory = kStage2Memory / processes;
    std::vector<std::function<std::string()>> works;
    for (int first = 0; first < step; ++first) {
        works.push_back([&, first] {
            const EcmTick no_tick;
            TickScope scope(no_tick);
            return Curves(n, b1, first, step, curves, seed, true, memory).get_str();
        });
    }
    mpz_class found = 0;
    try {
        const std::size_t made = RunInChildren(
            works,
            [&](std::size_t, const std::string& text) {
                if (!text.empty()) found = mpz_class(text);
                return found != 0;
            },
            tick);
        // No child could be made: the curves run here, where they can be stopped.
        if (made == 0) {
            TickScope scope(tick);
            return Curves(n, b1, 0, 1, curves, seed, false, kStage2Memory);
        }
    } catch (const RunStopped&) {
        return 0;
    }
    return found;
}

}  // namespace

mpz_class EcmSplit(const mpz_class& n, double b1, int curves, std::uint64_t* seed,
                   const EcmTick& tick) {
    const std::uint64_t first_seed = *seed;
    *seed += static_cast<std::uint64_t>(std::max(curves, 0));
    // A fork costs a few milliseconds: worth it from a tenth of a second of curves.
    const unsigned processes = std::max(1u, std::thread::hardware_concurrency());
    if (processes > 1 && curves >= 2 * static_cast<int>(processes) &&
        CurveCost(n, b1) * curves >= 3e5) {
        return CurvesInChildren(n, b1, curves, first_seed, processes, tick);
    }
    TickScope scope(tick);
    return Curves(n, b1, 0, 1, curves, first_seed, false, kStage2Memory);
}

}  // namespace numerel
