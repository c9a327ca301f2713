// The primes page above 2^96 - 1: the Decimal96 button's check and run for bounds of up to 1000
// digits, with the texts of the Decimal96 path.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>

#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// Validated bounds: 1 <= from, from + 6 <= to < 10^1000.
struct PrimesBigBounds {
    mpz_class from;
    mpz_class to;
};

using PrimesBigChecked = Checked<PrimesBigBounds>;

// The Decimal96 button's check (PrimesCheck) when a field's magnitude exceeds 2^96 - 1; nullopt
// when none does (PrimesCheck applies). Beyond 1000 digits OverLimitMessage(InputLimit::Digits1000)
// with the fields emptied upper first; an empty field does nothing; a non-number, a fraction or
// from < 1 gives the bounds message; to < from + 6 the width message with the upper field := from
// + 6.
std::optional<PrimesBigChecked> PrimesCheckBig(std::string_view from_text,
                                               std::string_view to_text);

// PrimesRun's Decimal96 list for bounds of any size: text items "p " from the alignment and the
// upper-end steps, number items " p " from the main loop; "共N个", or "此区间内没有素数" as pane
// text. Every prime listed or counted is proven (ForEachBigPrime). progress gets
// (p - a0)/(to - a0) about 1000 times at most. Stop and budget as PrimesRun, except that past the
// budget the rest is counted by the same proven enumeration (no prime counting function reaches
// these heights). Cost: about one proof per ln(p)/2 odd numbers of the interval, on every core.
SearchSummary PrimesRunBig(const PrimesBigBounds& bounds, ResultSink& sink,
                           const ProgressFn& progress);

}  // namespace numerel
