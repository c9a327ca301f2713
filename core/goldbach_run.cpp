// The searches of the two Goldbach tools.
#include "core/goldbach.h"
#include "core/goldbach_pairs.h"
#include "core/primality.h"

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

std::string CountCaption(std::uint64_t count) {
    return "共" + std::to_string(count) + "种";
}

}  // namespace

SearchSummary GoldbachEvenRun(const GoldbachRequest& request, ResultSink& sink,
                              const ProgressFn& progress) {
    const uint128 n = request.n;
    const GoldbachOptions options = request.options;
    const std::string left =
        options.one_result && options.show_progress ? request.typed_text : DecimalText(n);
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    std::uint64_t count = 0;
    const auto line = [&](auto p, auto q) {
        text += left;
        text += '=';
        AppendDecimal(text, p);
        text += '+';
        AppendDecimal(text, q);
        out.EndLine();
        ++count;
    };
    PartitionProgress bar(progress, n);
    if (options.one_result) {
        // The first p of a partition is small: a handful of proven tests of n - p.
        for (uint128 p = 3; 2 * p <= n; p += 2) {
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
    out.Flush();
    return SearchSummary{count, CountCaption(count), std::nullopt};
}

SearchSummary GoldbachOddRun(const GoldbachRequest& request, ResultSink& sink,
                             const ProgressFn& progress) {
    const uint128 n = request.n;
    const std::string left = DecimalText(n);
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    std::uint64_t count = 0;
    const auto line = [&](auto p, auto q, auto r) {
        text += left;
        text += '=';
        AppendDecimal(text, p);
        text += '+';
        AppendDecimal(text, q);
        text += '+';
        AppendDecimal(text, r);
        out.EndLine();
        ++count;
    };
    PartitionProgress bar(progress, n);
    if (request.options.one_result) {
        // Smallest p, then smallest q: p = 3 and a small q in practice.
        bool found = false;
        for (uint128 p = 3; 3 * p <= n && !found; p += 2) {
            if (!IsPrimeOddDec(p)) continue;
            for (uint128 q = p; p + 2 * q <= n; q += 2) {
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
    out.Flush();
    return SearchSummary{count, CountCaption(count), std::nullopt};
}

}  // namespace numerel
