#include "core/tools/factor_range.h"

#include <array>
#include <cmath>
#include <string>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/nt/factor_sieve.h"
#include "core/run_control.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_range_big.h"
#include "core/tools/factor_text.h"

namespace numerel {

namespace {

constexpr std::array<std::string_view, 7> kFixedLines = {
    "1=既不是素数,也不是合数", "2=素数", "3=素数", "4=2^2", "5=素数", "6=2×3", "7=素数"};

}  // namespace

Message FactorRangeOverLimitMessage() {
    return Message{
        std::string("很抱歉,最大只能到 ") + kLargestInput1000 + ",\n\r请用“分解一个数”单独分解.",
        "输入超限", MessageIcon::Information, MessageButtons::Ok};
}

FactorRangeChecked FactorRangeCheck(std::string_view from_text, std::string_view to_text) {
    // Exact numerals: a double may look whole only after rounding, and cannot hold 1000 digits.
    const BigInteger from = ReadExactBigInteger(from_text, kMaxInputDigits);
    const BigInteger to = ReadExactBigInteger(to_text, kMaxInputDigits);
    if (from.status == ExactStatus::Overflow || to.status == ExactStatus::Overflow)
        return Rejection{.message = FactorRangeOverLimitMessage()};
    if (from.status != ExactStatus::Exact || to.status != ExactStatus::Exact || from.value < 1 ||
        to.value < from.value)
        return Rejection{.message = CannotFactorMessage(),
                         .effect = FieldEffect::EmptyAll,
                         .focus = FocusAfter::First,
                         .empty_pane = true};
    if (to.value > kSmallLimitInt) return FactorRangeInput{.big = {{from.value, to.value}}};
    return FactorRangeInput{from.value.get_ui(), to.value.get_ui()};
}

SearchSummary FactorRangeRun(const FactorRangeInput& input, ResultSink& sink,
                             const ProgressFn& progress) {
    // Fixed lines come only where the interval starts at 7 or below, so the bounds' low words do.
    std::uint64_t a = input.big ? (input.big->from <= kFixedLines.size() ? input.big->from.get_ui()
                                                                         : kFixedLines.size() + 1)
                                : input.from;
    const std::uint64_t b = input.big ? UINT64_MAX : input.to;
    SearchSummary summary;
    for (std::uint64_t k = 1; k <= kFixedLines.size(); ++k) {
        if (a == k && k <= b) {
            sink.Append(kFixedLines[k - 1]);
            sink.EndLine();
            ++a;
            ++summary.count;
        }
    }
    const std::uint64_t first = a;  // a' of the main loop
    try {
        if (input.big) {
            const mpz_class big_first = input.big->from <= kFixedLines.size()
                                            ? mpz_class(static_cast<unsigned long>(first))
                                            : input.big->from;
            summary.cut = !FactorRangeMainBig(big_first, input.big->to, sink, progress, summary);
        } else {
            // The list is all there is: once the budget is used up the run ends.
            const auto item = [&](std::uint64_t i, std::span<const std::uint64_t> primes) {
                PollStop();
                if (sink.Full()) return false;
                const bool prime = AppendSievedLine(sink, i, primes);
                ++summary.count;
                if (prime && progress)
                    progress(b == first
                                 ? 1.0
                                 : static_cast<double>(i - first) / static_cast<double>(b - first));
                return true;
            };
            summary.cut = !VisitPrimeDivisors(first, b, item);
        }
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    if (summary.stopped) {
        sink.NoteLine(kStoppedLine);
    } else if (summary.cut) {
        const mpz_class total = input.big
                                    ? mpz_class(input.big->to - input.big->from + 1)
                                    : mpz_class(static_cast<unsigned long>(b - input.from + 1));
        sink.NoteLine(FullLine(sink, summary.count, total, "个"));
    }
    return summary;
}

}  // namespace numerel
