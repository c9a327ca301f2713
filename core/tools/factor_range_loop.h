// Page 1's main loop, over numbers of up to 1000 digits: every factor exact, every prime proven.
#pragma once

#include <gmpxx.h>

#include <cstdint>

#include "core/result_sink.h"
#include "core/tools/search_output.h"

namespace numerel {

// Lines of first, first + 1, ..., to (first >= 8; none when first > to): below 2^64 from the
// sieve (factor_sieve.h), below 2^96 from FactorExact, above from FactorBig. summary.count grows
// by one per line. progress: once per prime, (i - first) / (to - first), 1 when first = to. Stop:
// polled once per number and inside the factorizations; the number being factored gets the line
// "i=p×[未分解:N]" of what is proven so far, then RunStopped escapes. Budget: returns false,
// listing nothing more, once sink.Full() before a number; true when the whole interval is listed.
// Cost: a few hundred nanoseconds per number with the sieve, microseconds per number below 2^96;
// above, FactorBig's for each number, which for a number with two large prime factors may be hours.
bool FactorRangeMainLoop(const mpz_class& first, const mpz_class& to, ResultSink& sink,
                         const ProgressFn& progress, SearchSummary& summary);

}  // namespace numerel
