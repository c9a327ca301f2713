// Page 1, "分解一批数": one line per integer of [a, b], "4=2^2", "6=2×3", "7=素数", each ending
// with a line end. Bounds up to SmallLimit take the binary64 path; above it the numbers are
// factored exactly up to 1000 digits (factor_range_loop.h).
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// "很抱歉,最大只能到 10^1000-1," LF CR "请用“分解一个数”单独分解.", information icon, title
// "输入超限".
Message FactorRangeOverLimitMessage();

// Bounds of which the upper one exceeds SmallLimit: 1 <= from <= to <= 10^1000 - 1.
struct FactorRangeBigBounds {
    mpz_class from;
    mpz_class to;
};

struct FactorRangeInput {
    std::uint64_t from = 1;  // 1 <= from <= to <= SmallLimit, unless `big` holds the bounds
    std::uint64_t to = 1;
    std::optional<FactorRangeBigBounds> big = std::nullopt;
};

// After the over-limit box the fields keep their text; after CannotFactorMessage both fields and
// the pane are emptied, focus to the first field.
using FactorRangeChecked = Checked<FactorRangeInput>;

// ReadNumber's numerals of the lower and the upper bound field, read exactly, or
// the values of complete expressions ("10^30+1"); a bound beyond 1000 digits gets the over-limit
// box, then bounds that are not integers, below 1, or reversed get CannotFactorMessage. Cost:
// linear in the texts plus the expressions' arithmetic.
FactorRangeChecked FactorRangeCheck(std::string_view from_text, std::string_view to_text);

// Streams the list of [from, to] (inclusive) into the sink: the fixed lines of 1 to 7 where the
// interval starts there, then one line per number, the factors exact. progress: once per prime
// listed by the main loop, (i - a') / (b - a') with a' its first number; 1 when it covers one
// number. Cost: O(sqrt(to)) once plus a few hundred nanoseconds per number with the sieve
// (wide intervals), microseconds per number otherwise; memory bounded by about 16 MB at any width.
// Above 2^64 FactorRangeMainLoop's costs. Returns the number of lines written (no caption: the
// page has no count label). Stop: polled once per number; the lines so far are followed by
// kStoppedLine. Budget: once sink.Full(), the run ends with a CutLine (K numbers of
// to - from + 1), or a DiskFullLine when the sink ran out of room, and cut set.
SearchSummary FactorRangeRun(const FactorRangeInput& input, ResultSink& sink,
                             const ProgressFn& progress);

}  // namespace numerel
