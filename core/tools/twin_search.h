// The twin-primes page: every pair (p, p + 2) of primes lying wholly inside [from, to].
// TwinsCheck validates the texts of the two bound fields, TwinsRun streams the pairs into a sink.
#pragma once

#include <optional>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// Validated bounds: 2 <= from, from + 2 <= to <= 2^96 - 1.
struct TwinsBounds {
    uint128 from = 0;
    uint128 to = 0;
};

// After any rejection the lower field becomes "2" and the focus goes to the upper one; the pane
// and the count label keep their contents.
using TwinsChecked = Checked<TwinsBounds>;

// Reads both fields with ReadNumber; whole, from >= 2, to - from >= 2, else "请输入两个≥2的
// 整数!" CR "两数至少相差2." / "重新输入!". The page has no Decimal96 button, so a bound above
// SmallLimit is read exactly (ReadExactInteger) and searched exactly up to 2^96 - 1; a
// text that cannot be read exactly gets the same message, a value beyond 2^96 - 1 the
// over-limit message of the 1000-digit fields (TwinsCheckBig reads what lies beyond). Cost: a few
// number readings.
TwinsChecked TwinsCheck(std::string_view from_text, std::string_view to_text);

// The pairs of [from, to] (both inclusive, both members inside) in increasing order as tokens
// "(3,5)(5,7)" with no separator and no line end. Returns the count, "共N对", and
// "此区间内没有孪生素数对" as pane text when there is none. progress (may be empty) gets
// (x - x0)/(to - 2 - x0) of the scan, about 1000 times at most; a scan of one candidate
// reports 1. Cost as PrimesRun: primesieve below 2^58, sieve and proven tests above; memory
// independent of the width. Unvalidated bounds give an unspecified list, never a crash.
// Stop: the pairs so far, then kStoppedLine, caption "已停止:共N对". Budget: once sink.Full(),
// the rest is counted (CountTwins) and the text ends with CutLine(K, N, "对"); cut set, the
// caption exact.
SearchSummary TwinsRun(const TwinsBounds& bounds, ResultSink& sink, const ProgressFn& progress);

}  // namespace numerel
