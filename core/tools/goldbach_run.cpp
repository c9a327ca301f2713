// The searches of the two Goldbach tools.
#include <utility>

#include "core/nt/goldbach_pairs.h"
#include "core/nt/primality.h"
#include "core/run_control.h"
#include "core/tools/goldbach.h"
#include "core/tools/partition_lines.h"

namespace numerel {

namespace {

// Progress 2p/n, reported as p passes about a thousandth of n/2.
class PartitionProgress {
public:
    PartitionProgress(const ProgressFn& progress, uint128 n)
        : throttle_(progress, 0, n / 2), n_(static_cast<double>(n)) {}
    void At(uint128 p) {
        if (throttle_.Due(p)) throttle_.Report(p, 2.0 * static_cast<double>(p) / n_);
    }

private:
    ProgressThrottle throttle_;
    double n_;
};

}  // namespace

SearchSummary GoldbachEvenRun(const GoldbachRequest& request, ResultSink& sink,
                              const ProgressFn& progress) {
    const uint128 n = request.n;
    const GoldbachOptions options = request.options;
    PartitionLines lines(sink, options.one_result && options.show_progress ? request.typed_text
                                                                           : ToDecimalString(n));
    const auto line = [&](auto p, auto q) { lines.Write(p, q); };
    PartitionProgress bar(progress, n);
    return lines.Run([&] {
        if (options.one_result) {
            // The first p of a partition is small: a handful of proven tests of n - p.
            for (uint128 p = 3; 2 * p <= n; p += 2) {
                PollStop();
                bar.At(p);
                if (IsPrimeOddDec(p) && IsPrimeOddDec(n - p)) {
                    line(p, n - p);
                    break;
                }
            }
        } else {
            // The page sets the bar after stepping p by 2.
            ForEachPrimePair(n, 3, line, [&](auto p) { bar.At(p + 2); });
        }
    });
}

SearchSummary GoldbachOddRun(const GoldbachRequest& request, ResultSink& sink,
                             const ProgressFn& progress) {
    const uint128 n = request.n;
    PartitionLines lines(sink, ToDecimalString(n));
    const auto line = [&](auto p, auto q, auto r) { lines.Write(p, q, r); };
    PartitionProgress bar(progress, n);
    return lines.Run([&] {
        if (request.options.one_result) {
            // Smallest p, then smallest q: p = 3 and a small q in practice.
            bool found = false;
            for (uint128 p = 3; 3 * p <= n && !found; p += 2) {
                if (!IsPrimeOddDec(p)) continue;
                for (uint128 q = p; p + 2 * q <= n; q += 2) {
                    PollStop();
                    if (IsPrimeOddDec(q) && IsPrimeOddDec(n - p - q)) {
                        line(p, q, n - p - q);
                        found = true;
                        break;
                    }
                    bar.At(p);
                }
            }
        } else {
            // Every partition has p <= n/3; for each such prime the pairs q + r = n - p, q >= p.
            ForEachPrime(3, n / 3, [&](auto p) {
                bar.At(p);
                ForEachPrimePair(
                    n - p, p, [&](auto q, auto r) { line(p, q, r); }, [](auto) {});
            });
        }
    });
}

}  // namespace numerel
