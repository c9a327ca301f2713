#include "core/nt/prime_count.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <primecount.hpp>
#include <primesieve.hpp>
#include <stdexcept>
#include <string>

#include "core/nt/prime_search_enum.h"
#include "core/progress_throttle.h"
#include "core/run_control.h"
#include "core/run_in_child.h"

namespace numerel {

namespace {

// primesieve's count functions sieve the primes up to sqrt(stop) afresh at each call and keep
// them (about 40 MB at 2^50): below this, the interval is counted in slices with a stop poll
// between them, 1.6 to 2.2 times faster than the enumeration on two cores.
constexpr std::uint64_t kSliceCountTop = std::uint64_t{1} << 50;
// Numbers per slice: 40 ms at 10^11 to 150 ms at 2^50 on two cores. primesieve gives a slice more
// than one thread only from about 10^8 numbers on (2^24 ran on one core: 2.5 times slower).
constexpr std::uint64_t kSlice = std::uint64_t{1} << 28;

// Seconds for pi(x) and for sieving one number (bench/search_bench, CountRest, 2 cores).
double PiSeconds(double x) {
    return 0.012 * std::pow(std::max(x, 1e6) / 1e11, 0.52);
}
constexpr double kSieveSecondsPerNumber = 1e-9;

// pi(x) in a child process (RunInChild): a stop kills it, so a stopped run leaves no count
// using the CPU. Always in a child, however small x: primecount's OpenMP threads, once started
// in this process, would not work in a child forked later. `waiting` is called at every poll
// while it runs.
std::uint64_t PiStoppable(std::uint64_t x, const std::function<void()>& waiting) {
    const std::string text = RunInChild(
        [x] {
            return x <= static_cast<std::uint64_t>(INT64_MAX)
                       ? std::to_string(primecount::pi(static_cast<std::int64_t>(x)))
                       : primecount::pi(std::to_string(x));
        },
        0, waiting);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        throw std::runtime_error("prime counting failed");
    }
    return std::stoull(text);
}

// Counts what `count(lo, hi)` counts over [lo, hi] in slices; `overlap` extends each slice's
// stop so that a pair (p, p + 2) starting in one slice is counted there.
template <class Count>
std::uint64_t CountInSlices(std::uint64_t lo, std::uint64_t hi, std::uint64_t overlap,
                            const ProgressFn& progress, Count&& count) {
    std::uint64_t total = 0;
    for (std::uint64_t start = lo;;) {
        PollStop();
        const std::uint64_t end = hi - start < kSlice ? hi : start + kSlice - 1;
        total += count(start, end == hi ? hi : end + overlap);
        if (progress) progress(static_cast<double>(end - lo) / static_cast<double>(hi - lo + 1));
        if (end == hi) return total;
        start = end + 1;
    }
}

}  // namespace

std::uint64_t CountPrimes(uint128 lo, uint128 hi, const ProgressFn& progress) {
    if (lo > hi) return 0;
    const double width = static_cast<double>(hi - lo) + 1;
    if (hi <= UINT64_MAX &&
        2 * PiSeconds(static_cast<double>(hi)) < width * kSieveSecondsPerNumber) {
        const auto top = static_cast<std::uint64_t>(hi);
        // pi reports nothing while it runs: the bar follows the time it is expected to take,
        // approaching full without reaching it before the count is there.
        const double expected =
            PiSeconds(static_cast<double>(hi)) + (lo <= 1 ? 0 : PiSeconds(static_cast<double>(lo)));
        const auto start = std::chrono::steady_clock::now();
        std::function<void()> waiting;
        if (progress) {
            waiting = [&] {
                const std::chrono::duration<double> spent =
                    std::chrono::steady_clock::now() - start;
                progress(1 - std::exp(-spent.count() / expected));
            };
        }
        const std::uint64_t count =
            PiStoppable(top, waiting) -
            (lo <= 1 ? 0 : PiStoppable(static_cast<std::uint64_t>(lo) - 1, waiting));
        if (progress) progress(1.0);
        return count;
    }
    if (hi <= kSliceCountTop) {
        return CountInSlices(
            static_cast<std::uint64_t>(lo), static_cast<std::uint64_t>(hi), 0, progress,
            [](std::uint64_t a, std::uint64_t b) { return primesieve::count_primes(a, b); });
    }
    std::uint64_t count = 0;
    ProgressThrottle throttle(progress, lo, hi - lo);
    ForEachPrime(lo, hi, [&](auto p) {
        ++count;
        if (throttle.Due(p)) throttle.Report(p, static_cast<double>(p - lo) / width);
    });
    return count;
}

std::uint64_t CountTwins(uint128 lo, uint128 hi, const ProgressFn& progress) {
    if (hi < 5 || lo + 2 > hi) return 0;
    if (hi <= kSliceCountTop) {
        return CountInSlices(
            static_cast<std::uint64_t>(lo), static_cast<std::uint64_t>(hi), 2, progress,
            [](std::uint64_t a, std::uint64_t b) { return primesieve::count_twins(a, b); });
    }
    std::uint64_t count = 0;
    uint128 previous = 0;
    const double width = static_cast<double>(hi - lo) + 1;
    ProgressThrottle throttle(progress, lo, hi - lo);
    ForEachPrime(lo, hi, [&](auto p) {
        if (previous != 0 && p == previous + 2) ++count;
        previous = p;
        if (throttle.Due(p)) throttle.Report(p, static_cast<double>(p - lo) / width);
    });
    return count;
}

}  // namespace numerel
