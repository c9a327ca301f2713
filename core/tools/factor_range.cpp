#include "core/tools/factor_range.h"

#include <array>
#include <cmath>
#include <string>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/run_control.h"
#include "core/tools/factor_one.h"
#include "core/tools/factor_range_loop.h"
#include "core/tools/factor_text.h"

namespace numerel {

namespace {

constexpr std::array<std::string_view, 7> kFixedLines = {
    "1=既不是素数,也不是合数", "2=素数", "3=素数", "4=2^2", "5=素数", "6=2×3", "7=素数"};

// The fixed lines of the numbers 1 to 7 where [a, b] starts among them; returns a', the first
// number of the main loop.
std::uint64_t WriteFixedLines(std::uint64_t a, std::uint64_t b, ResultSink& sink,
                              SearchSummary& summary) {
    for (std::uint64_t k = 1; k <= kFixedLines.size(); ++k) {
        if (a == k && k <= b) {
            sink.Append(kFixedLines[k - 1]);
            sink.EndLine();
            ++a;
            ++summary.count;
        }
    }
    return a;
}

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
    SearchSummary summary;
    try {
        mpz_class first;
        mpz_class to;
        if (input.big) {
            // The upper bound is above SmallLimit, so only the lower one limits the fixed lines.
            first = input.big->from;
            if (first <= kFixedLines.size())
                first = static_cast<unsigned long>(
                    WriteFixedLines(first.get_ui(), UINT64_MAX, sink, summary));
            to = input.big->to;
        } else {
            first =
                static_cast<unsigned long>(WriteFixedLines(input.from, input.to, sink, summary));
            to = static_cast<unsigned long>(input.to);
        }
        summary.cut = !FactorRangeMainLoop(first, to, sink, progress, summary);
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    if (summary.stopped) {
        sink.NoteLine(kStoppedLine);
    } else if (summary.cut) {
        const mpz_class total =
            input.big ? mpz_class(input.big->to - input.big->from + 1)
                      : mpz_class(static_cast<unsigned long>(input.to - input.from + 1));
        sink.NoteLine(FullLine(sink, summary.count, total, "个"));
    }
    return summary;
}

}  // namespace numerel
