// Page 1 above SmallLimit: the main loop over numbers of up to 1000 digits, every factor exact and
// every prime proven.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <span>

#include "core/result_sink.h"
#include "core/tools/search_output.h"

namespace numerel {

// The line of i from its distinct prime divisors, as the sieve lists them (the cofactor left after
// dividing them out is 1 or a prime): "i=p^e×q" or "i=素数", with its line end. True when i is a
// prime.
bool AppendSievedLine(ResultSink& sink, std::uint64_t i, std::span<const std::uint64_t> primes);

// Lines of first, first + 1, ..., to (first >= 8): below 2^64 from the sieve, below 2^96 from
// FactorExact, above from FactorBig, in the format of the binary64 path. summary.count grows by
// one per line. progress: once per prime, (i - first) / (to - first), 1 when first = to. Stop:
// polled once per number and inside the factorizations; the number being factored gets the line
// "i=p×[未分解:N]" of what is proven so far, then RunStopped escapes. Budget: returns false,
// listing nothing more, once sink.Full() before a number; true when the whole interval is listed.
// Cost: microseconds per number below 2^96; above, FactorBig's for each number, which for a
// number with two large prime factors may be hours.
bool FactorRangeMainBig(const mpz_class& first, const mpz_class& to, ResultSink& sink,
                        const ProgressFn& progress, SearchSummary& summary);

}  // namespace numerel
