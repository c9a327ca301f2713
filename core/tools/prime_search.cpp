#include "core/tools/prime_search.h"

#include "core/input/read_number.h"
#include "core/nt/primality.h"
#include "core/nt/prime_count.h"
#include "core/nt/prime_search_enum.h"
#include "core/run_control.h"
#include "core/tools/prime_list_ends.h"

namespace numerel {

namespace {

Message BoundsMessage() {
    return Message{"请输入两个正整数!\r并且两数至少相差6.", "重新输入!", MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

Message WidthMessage() {
    return Message{"下边的数要比上边的至少大6", "重新输入", MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

Rejection BoundsRejection() {
    return {.message = BoundsMessage(),
            .effect = FieldEffect::EmptyAll,
            .focus = FocusAfter::First,
            .empty_pane = true};
}

Rejection OverLimitRejection() {
    return {.message = OverLimitMessage(),
            .effect = FieldEffect::EmptyAllBackward,
            .focus = FocusAfter::First};
}

PrimesChecked CheckBinary64(std::string_view from_text, std::string_view to_text) {
    const double a = ReadNumber(from_text);
    const double b = ReadNumber(to_text);
    // The difference is checked on the exact values below: above 2^53 doubles may coincide.
    if (!(IsWhole(a) && a >= 1 && IsWhole(b))) return BoundsRejection();
    const ExactInteger from = ReadExactInteger(from_text);
    const ExactInteger to = ReadExactInteger(to_text);
    if (from.status == ExactStatus::Overflow || to.status == ExactStatus::Overflow) {
        return OverLimitRejection();
    }
    if (from.status != ExactStatus::Exact || to.status != ExactStatus::Exact ||
        to.value < from.value + 6) {
        return BoundsRejection();
    }
    return PrimesBounds{from.value, to.value, PathButton::Binary64};
}

PrimesChecked CheckDecimal96(std::string_view from_text, std::string_view to_text) {
    if (from_text.empty() || to_text.empty()) return Rejection{};
    const DecimalRead a = ReadDecimal(from_text);
    if (a.status == DecimalStatus::Overflow) return OverLimitRejection();
    if (a.status != DecimalStatus::Ok) return BoundsRejection();
    const DecimalRead b = ReadDecimal(to_text);
    if (b.status == DecimalStatus::Overflow) return OverLimitRejection();
    if (b.status != DecimalStatus::Ok) return BoundsRejection();
    if (!a.value.IsInteger() || a.value < Decimal96::FromInteger(1) || !b.value.IsInteger()) {
        return BoundsRejection();
    }
    const uint128 from = *a.value.IntegerPart().ToUInt128();
    const std::optional<uint128> to =
        b.value.IsNegative() ? std::nullopt : b.value.IntegerPart().ToUInt128();
    if (!to || *to < from + 6) {
        Rejection rejection{.message = WidthMessage(), .effect = FieldEffect::RewriteLast};
        // The sum in the type itself keeps the typed scale; past 2^96 - 1 it is written exactly
        // and the field's own over-limit check takes over.
        const std::optional<Decimal96> raised = Add(a.value, Decimal96::FromInteger(6));
        rejection.text = raised ? raised->ToString() : ToDecimalString(from + 6);
        return rejection;
    }
    return PrimesBounds{from, *to, PathButton::Decimal96};
}

}  // namespace

PrimesChecked PrimesCheck(PathButton button, std::string_view from_text, std::string_view to_text) {
    return button == PathButton::Binary64 ? CheckBinary64(from_text, to_text)
                                          : CheckDecimal96(from_text, to_text);
}

namespace {

// The main loop over i = a0, a0 + 6, ... while i <= b - 2, testing i and i + 2: it writes exactly
// the primes of [a0, last i + 2], which the sieve enumerates directly. Once the budget is used up,
// the rest up to b is counted by the fastest exact method; returns whether it counted up to b.
bool ListMainLoop(const PrimesBounds& bounds, uint128 a0, SinkWriter& out, SearchSummary& summary,
                  std::uint64_t& kept, const ProgressFn& progress) {
    const uint128 b = bounds.to;
    const uint128 last = a0 + (b - 2 - a0) / 6 * 6 + 2;
    const bool number_items = bounds.path == PathButton::Decimal96;
    ProgressThrottle throttle(progress, a0, b - a0);
    const double span = static_cast<double>(b - a0);
    std::string& text = out.Buffer();
    uint128 last_listed = 0;
    const bool listed_all = ForEachPrime(a0, last, [&](auto p) {
        ++summary.count;
        if (number_items) text += ' ';
        AppendDecimal(text, p);
        text += ' ';
        out.Commit();
        if (out.Full()) {
            summary.cut = true;
            kept = summary.count;
            last_listed = p;
            return false;
        }
        if (throttle.Due(p)) {
            const uint128 i = p - (p - a0) % 6;
            throttle.Report(p, static_cast<double>(i - a0) / span);
        }
        return true;
    });
    if (listed_all) {
        // The page's loop leaves the bar at its last i, primes found there or not.
        if (progress) progress(static_cast<double>(last - 2 - a0) / span);
        return false;
    }
    summary.count += CountPrimes(last_listed + 1, b, [&](double fraction) {
        if (progress)
            progress((static_cast<double>(last_listed - a0) +
                      fraction * static_cast<double>(b - last_listed)) /
                     span);
    });
    return true;
}

}  // namespace

SearchSummary PrimesRun(const PrimesBounds& bounds, ResultSink& sink, const ProgressFn& progress) {
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    SearchSummary summary;
    std::uint64_t kept = 0;  // items written before the budget ran out
    const auto text_item = [&](uint128 p) {
        AppendDecimal(text, p);
        text += ' ';
        ++summary.count;
    };
    const uint128 b = bounds.to;
    uint128 a = bounds.from;

    try {
        a = ListPrimesUpTo6kMinus1(a, IsPrimeOddDec, text_item);
        const bool counted_to_b =
            a + 2 <= b && ListMainLoop(bounds, a, out, summary, kept, progress);
        // Upper end: a prime b = 6k - 1 lies beyond the main loop's last i + 2.
        if (b >= 3 && !counted_to_b) ListPrimeAtTop(b, IsPrimeOddDec, text_item);
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    FinishPrimesText(out, summary, kept);
    return summary;
}

void FinishPrimesText(SinkWriter& out, SearchSummary& summary, std::uint64_t kept) {
    FinishSearchText(out, summary, "个", kept);
    if (summary.count < 1 && !summary.stopped) summary.pane_text = "此区间内没有素数";
}

}  // namespace numerel
