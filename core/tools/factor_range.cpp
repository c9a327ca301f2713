#include "core/tools/factor_range.h"

#include <array>
#include <cmath>
#include <string>

#include "core/input/read_number.h"
#include "core/nt/factor_sieve.h"
#include "core/run_control.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_text.h"

namespace numerel {

namespace {

constexpr std::array<std::string_view, 7> kFixedLines = {
    "1=既不是素数,也不是合数", "2=素数", "3=素数", "4=2^2", "5=素数", "6=2×3", "7=素数"};

}  // namespace

Message FactorRangeOverLimitMessage() {
    return Message{std::string("很抱歉,最大只能到 ") + std::to_string(kSmallLimitInt) +
                       ",\n\r请用“分解一个数”单独分解.",
                   "输入超限", MessageIcon::Information, MessageButtons::Ok};
}

FactorRangeChecked FactorRangeCheck(std::string_view from_text, std::string_view to_text) {
    const double a = ReadNumber(from_text);
    const double b = ReadNumber(to_text);
    if (a > kSmallLimit || b > kSmallLimit)
        return Rejection{.message = FactorRangeOverLimitMessage()};
    // Whole numbers are decided on the exact numerals: a double may look whole only after rounding.
    const ExactInteger from = ReadExactInteger(from_text);
    const ExactInteger to = ReadExactInteger(to_text);
    if (from.status != ExactStatus::Exact || to.status != ExactStatus::Exact || from.value < 1 ||
        to.value < from.value)
        return Rejection{.message = CannotFactorMessage(),
                         .effect = FieldEffect::EmptyAll,
                         .focus = FocusAfter::First,
                         .empty_pane = true};
    return FactorRangeInput{static_cast<std::uint64_t>(from.value),
                            static_cast<std::uint64_t>(to.value)};
}

SearchSummary FactorRangeRun(const FactorRangeInput& input, ResultSink& sink,
                             const ProgressFn& progress) {
    std::uint64_t a = input.from;
    const std::uint64_t b = input.to;
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
        // The list is all there is: once the budget is used up the run ends.
        const auto item = [&](std::uint64_t i, std::span<const std::uint64_t> primes) {
            PollStop();
            if (sink.Full()) return false;
            AppendNumber(sink, i);
            sink.Append("=");
            std::uint64_t c = i;
            for (const std::uint64_t d : primes) {
                const int s = RemoveFactor(c, d);
                AppendFactorLine(sink, s, d, c);
            }
            if (c != 1 && c != i) {
                AppendNumber(sink, c);
                sink.EndLine();
            }
            ++summary.count;
            if (c == i) {
                sink.Append(kPrimeWord);
                sink.EndLine();
                if (progress)
                    progress(b == first
                                 ? 1.0
                                 : static_cast<double>(i - first) / static_cast<double>(b - first));
            }
            return true;
        };
        summary.cut = !VisitPrimeDivisors(first, b, item);
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    if (summary.stopped) {
        sink.NoteLine(kStoppedLine);
    } else if (summary.cut) {
        sink.NoteLine(FullLine(sink, summary.count, b - input.from + 1, "个"));
    }
    return summary;
}

}  // namespace numerel
