#include "core/tools/twin_search.h"

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/nt/prime_count.h"
#include "core/nt/prime_search_enum.h"
#include "core/run_control.h"

namespace numerel {

Rejection TwinsRejection(bool over_limit) {
    const Message bounds{"请输入两个≥2的整数!\r两数至少相差2.", "重新输入!",
                         MessageIcon::Exclamation, MessageButtons::Ok};
    return {.message = over_limit ? OverLimitMessage(InputLimit::Digits1000) : bounds,
            .effect = FieldEffect::RewriteFirst,
            .text = "2",
            .focus = FocusAfter::Last};
}

TwinsChecked TwinsCheck(std::string_view from_text, std::string_view to_text) {
    const double a = ReadNumber(from_text);
    const double b = ReadNumber(to_text);
    // The difference is checked on the exact values below: above 2^53 doubles may coincide.
    if (!(IsWhole(a) && a >= 2 && IsWhole(b))) return TwinsRejection(false);
    const ExactInteger from = ReadExactInteger(from_text);
    const ExactInteger to = ReadExactInteger(to_text);
    if (from.status == ExactStatus::Overflow || to.status == ExactStatus::Overflow) {
        return TwinsRejection(true);
    }
    if (from.status != ExactStatus::Exact || to.status != ExactStatus::Exact ||
        to.value < from.value + 2) {
        return TwinsRejection(false);
    }
    return TwinsBounds{from.value, to.value};
}

namespace {

// The page advances x (of the form 6k - 1) to the first prime x0 and scans x0, x0 + 6, ... while
// x <= b - 2, writing (x, x + 2) when both are prime: that is every twin pair of [x, b], which
// consecutive primes of [x, b] differing by 2 give directly. Each pair goes to `pair`; returns
// false once it answered not to go on.
template <class Pair>
bool ScanTwins(uint128 x, uint128 b, Pair& pair, const ProgressFn& progress) {
    std::optional<uint128> x0;
    uint128 previous = 0;
    double span = 0;
    ProgressThrottle throttle(progress, x, b - 2 - x);
    return ForEachPrime(x, b, [&](auto p) {
        if (!x0) {
            if (p % 6 != 5) return true;
            x0 = p;  // the advance to a prime; beyond b - 2 the scan has no candidate
            if (p <= b - 2) span = static_cast<double>(b - 2 - p);
        }
        if (p == previous + 2 && !pair(previous)) return false;
        previous = p;
        if (throttle.Due(p) && p <= b - 2) {
            const uint128 candidate = p - (p - *x0) % 6;
            throttle.Report(p, span > 0 ? static_cast<double>(candidate - *x0) / span : 1.0);
        }
        return true;
    });
}

}  // namespace

SearchSummary TwinsRun(const TwinsBounds& bounds, ResultSink& sink, const ProgressFn& progress) {
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    SearchSummary summary;
    std::uint64_t kept = 0;  // pairs written before the budget ran out
    uint128 next = 0;        // after a cut, the upper member of the last pair written
    // Answers whether to go on: once the budget is used up, the pairs from here on are counted.
    const auto pair = [&](uint128 p) {
        text += '(';
        AppendDecimal(text, p);
        text += ',';
        AppendDecimal(text, p + 2);
        text += ')';
        ++summary.count;
        out.Commit();
        if (!out.Full()) return true;
        summary.cut = true;
        kept = summary.count;
        next = p + 2;
        return false;
    };
    const uint128 b = bounds.to;
    uint128 a = bounds.from;

    try {
        // The pairs below 11 are not of the scanned form; each is written when it fits below b.
        bool going = true;
        if (a == 2 || a == 3) {
            going = (b < 5 || pair(3)) && (b < 7 || pair(5));
            a = 11;
        } else if (a == 4 || a == 5) {
            going = b < 7 || pair(5);
            a = 11;
        }

        // First candidate of the form 6k - 1 at or above a.
        uint128 x = a | 1;
        while (x < 5 || (x - 5) % 6 != 0) x += 2;
        if (going && x + 2 <= b) ScanTwins(x, b, pair, progress);
        // No pair starts at the upper member of the last one written (but (3,5)(5,7)).
        if (summary.cut) summary.count += CountTwins(next == 5 ? 5 : next + 1, b, progress);
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    FinishTwinsText(out, summary, kept);
    return summary;
}

void FinishTwinsText(SinkWriter& out, SearchSummary& summary, std::uint64_t kept) {
    FinishSearchText(out, summary, "对", kept);
    if (summary.count == 0 && !summary.stopped) summary.pane_text = "此区间内没有孪生素数对";
}

}  // namespace numerel
