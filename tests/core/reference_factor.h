// Literal, deliberately slow references of the factoring and divisor pages' loops, used as
// oracles for the fast code in core/: trial division exactly as the pages step through it, on
// integer types. Cost O(sqrt n) per number: keep n below about 10^12 in bulk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace numerel::reference {

// The binary64 primality test for odd n >= 3: the odd primes below 50, the factors 3 and 5
// (last digit), 7, then the wheel 4, 2, 4, 2, 4, 6, 2, 6 with the bound checked once per cycle.
bool LiteralIsPrimeOdd(std::uint64_t n);

// The pane text of factoring one number v (>= 1) typed as text1, and every progress value the
// loop would set (d^2 / span once per round of 48 divisors).
std::string LiteralFactorOne(const std::string& text1, std::uint64_t v,
                             std::vector<double>* progress = nullptr);

// The list of the batch page for [a, b] (1 <= a <= b), lines ending CR LF, and its progress
// values (one per prime of the main loop).
std::string LiteralFactorRange(std::uint64_t a, std::uint64_t b,
                               std::vector<double>* progress = nullptr);

struct LiteralDivisorsRun {
    std::string text;  // lines ending CR LF
    std::string summary;
};

// The divisor page's loop over [a, b] (2 <= a < b): d from 1 in steps of 1 (even n) or 2 (odd n)
// while d <= sqrt(n).
LiteralDivisorsRun LiteralDivisors(std::uint64_t a, std::uint64_t b, bool perfect_only,
                                   const std::string& separator);

}  // namespace numerel::reference
