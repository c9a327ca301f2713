// The primes page: every prime of a closed interval [from, to], with its count.
// Two phases, so the window can run its protocol in between: PrimesCheck validates the texts of
// the two bound fields for the visible button, PrimesRun streams the list into a sink.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/input/pick_path.h"
#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// Validated bounds: 1 <= from, from + 6 <= to <= 2^96 - 1.
struct PrimesBounds {
    uint128 from = 0;
    uint128 to = 0;
    PathButton path = PathButton::Binary64;  // decides the item form of the main loop's primes
};

// A rejection without a message: the Decimal96 button with an empty field does nothing at all.
// After the bounds message every field and the pane are emptied, focus to the lower field; after
// the over-limit message the fields are emptied upper first, focus to the lower one; after the
// width message the upper field becomes lower + 6 (which re-runs the button choice).
using PrimesChecked = Checked<PrimesBounds>;

// Validates the lower (from_text) and the upper (to_text) bound for the button clicked.
// Binary64 button: ReadNumber; whole, from >= 1, to - from >= 6, else "请输入两个正整数!"
// CR "并且两数至少相差6." / "重新输入!". The numerals are decided exactly (ReadExactInteger, the
// reader of every page); beyond 2^96 - 1 the over-limit message.
// Decimal96 button: empty field -> nothing; ReadDecimal; a non-number, a fraction or
// from < 1 -> the binary64 message; to - from < 6 -> "下边的数要比上边的至少大6" / "重新输入"
// with the upper field := from + 6. Cost: a few number readings.
PrimesChecked PrimesCheck(PathButton button, std::string_view from_text, std::string_view to_text);

// The primes of [from, to] (both inclusive) in increasing order on one line, as the page writes
// them: text items "7 " from the small-bound, alignment and upper-end steps, and from the main
// loop on the binary64 path; number items " 1000000000000091 " from the main loop on the
// Decimal96 path. Returns the count, "共N个", and "此区间内没有素数" as pane text when there
// is none. progress (may be empty) gets (i - a0)/(to - a0) of the main loop, about 1000 times at
// most. Cost: primesieve's below 2^58 (a few ns per number of the interval), a sieve and one
// proven test per surviving candidate above; memory independent of the interval's width.
// Out-of-contract bounds (not validated) give an unspecified list, never a crash.
// Stop (polled every few ms): the list so far, then the line kStoppedLine; stopped set, the
// caption "已停止:共N个" with N the primes listed (or counted) so far. Budget: once sink.Full()
// after a chunk, the list ends there and the rest of the interval is counted (CountPrimes, by
// pi(b) - pi(last listed) where that is cheaper); the text ends with CutLine(K, N, "个"), cut is
// set and the caption stays the exact "共N个".
SearchSummary PrimesRun(const PrimesBounds& bounds, ResultSink& sink, const ProgressFn& progress);

}  // namespace numerel
