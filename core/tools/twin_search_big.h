// The twin-primes page above 2^96 - 1: its check and run for bounds of up to 1000 digits, with
// the texts of the exact path up to 2^96 - 1.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>

#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// Validated bounds: 2 <= from, from + 2 <= to < 10^1000.
struct TwinsBigBounds {
    mpz_class from;
    mpz_class to;
};

using TwinsBigChecked = Checked<TwinsBigBounds>;

// TwinsCheck when a field's magnitude exceeds 2^96 - 1; nullopt when none does (TwinsCheck
// applies). Beyond 1000 digits OverLimitMessage(InputLimit::Digits1000), otherwise TwinsCheck's
// bounds message; after either the lower field becomes "2" and the focus goes to the upper one.
std::optional<TwinsBigChecked> TwinsCheckBig(std::string_view from_text, std::string_view to_text);

// TwinsRun for bounds of any size: "(p,p+2)" tokens, "共N对", or "此区间内没有孪生素数对" as pane
// text. Both members of every pair are proven (ForEachBigTwinPrime). progress gets
// (p - from)/(to - 2 - from) about 1000 times at most. Stop as TwinsRun; past the budget the
// rest is counted by the same proven enumeration. Cost: a sieve of the interval, then two
// proofs per pair, on every core.
SearchSummary TwinsRunBig(const TwinsBigBounds& bounds, ResultSink& sink,
                          const ProgressFn& progress);

}  // namespace numerel
