// The divisors page above 2^96 - 1: its check and run for bounds of up to 1000 digits, with the
// texts of the Decimal96 search (the summary separated by ",").
#pragma once

#include <gmpxx.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/input/pick_path.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/divisors_search.h"

namespace numerel {

struct DivisorsBigInput {
    mpz_class from;  // 2 <= from < to < 10^1000, to > 2^96 - 1
    mpz_class to;
    bool perfect_only = false;
    // The repaired bounds the page shows in its lower / upper field; nullopt where unchanged.
    std::optional<std::string> from_text;
    std::optional<std::string> to_text;
};

using DivisorsBigChecked = Checked<DivisorsBigInput>;

// DivisorsCheck when a bound, as the button of `path` reads it, exceeds 2^96 - 1, or the upper
// bound's repair would take it there; nullopt otherwise (DivisorsCheck applies, with its texts).
// The bounds are read exactly (a complete expression is its value), in field order, and repaired
// as DivisorsCheck repairs them: below 2 -> 2, an upper bound not above the lower one -> lower +
// 1. Rejected: a bound with a fraction, or no number on the Decimal96 path
// (DivisorsNotIntegerMessage, fields kept, focus to the lower one); a bound beyond 1000 digits,
// or a repair that would make one (OverLimitMessage(InputLimit::Digits1000), both fields emptied,
// the upper one first). Cost: linear in the texts plus the expressions' arithmetic.
std::optional<DivisorsBigChecked> DivisorsCheckBig(PathButton path, std::string_view from_text,
                                                   std::string_view to_text, bool perfect_only);

// Visits the even perfect numbers 2^(p-1)(2^p - 1) in [lo, hi] in increasing order, each with its
// Mersenne prime 2^p - 1 proven (IsProvenPrime). With no odd perfect number below 10^1500 these
// are all the perfect numbers of any interval with hi < 10^1500. Cost: one probable-prime test
// per prime p with the number inside, and a proof per perfect number (seconds for 2^1279 - 1).
// Stop: PollStop per p, and inside the proofs (throws RunStopped).
void ForEachPerfectNumber(const mpz_class& lo, const mpz_class& hi,
                          const std::function<void(const mpz_class&)>& visit);

// DivisorsRun for bounds of any size, with its texts and the "," separator.
// Full mode: per n the header, then the pairs (d,n/d) for every divisor d <= sqrt(n) in
// increasing order, generated from n's exact factorization (FactorBig) one at a time, so a
// number with very many divisors costs memory in proportion to what was written; n is perfect
// when sigma(n) = 2n. Perfect-only mode walks no numbers: it lists ForEachPerfectNumber.
// Stop: polled per number, inside the factorization and every few hundred pairs; a stopped
// block keeps its header and the pairs written before the stop, and the stop line follows on a
// line of its own. Budget: once the sink is full, even inside a block, no more list text; the
// perfect numbers of the rest of the interval are then found by ForEachPerfectNumber, and the
// cut line counts the whole blocks listed of b - a + 1. progress: once per number, (n - a) /
// (b - a) (per perfect number in perfect-only mode). Cost: one factorization per number
// (milliseconds unless the number's second-largest prime factor is beyond ~25 digits), plus
// its listed pairs.
DivisorsOutcome DivisorsRunBig(const DivisorsBigInput& input, ResultSink& sink,
                               const ProgressFn& progress);

}  // namespace numerel
