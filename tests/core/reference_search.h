// Literal, deliberately slow references of the search pages' loops, used as oracles: every
// candidate is tested one by one exactly as the pages step through them. The fast searches in
// core/ must write the same text and report only progress values these loops report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/input/decimal96.h"

namespace numerel::reference {

// The page's primality test for odd n >= 3: the table of odd primes below 50, the factors 3 and
// 5, then trial division by 7 and the wheel 4, 2, 4, 2, 4, 6, 2, 6, the bound checked once per
// cycle of eight. Cost O(sqrt n): keep n below about 10^12.
bool TrialDivisionIsPrimeOdd(uint128 n);

using PrimeTest = bool (*)(uint128);

struct Run {
    std::string text;  // line ends as CR LF, like StringSink
    std::uint64_t count = 0;
    std::vector<double> progress;  // every value the loop would set, in order
};

// Primes of [a, b] (a >= 1, b >= a + 6): small bounds, alignment to 6k - 1, main loop, upper
// end; number items from the main loop when number_items.
Run Primes(uint128 a, uint128 b, bool number_items, PrimeTest prime);

// Twin pairs of [a, b] (a >= 2, b >= a + 2): fixed start pairs, alignment, advance, scan.
Run Twins(uint128 a, uint128 b, PrimeTest prime);

// Goldbach partitions of the even n >= 6 with the given left side.
Run GoldbachEven(uint128 n, const std::string& left, bool one_result, PrimeTest prime);

// Goldbach partitions of the odd n >= 9.
Run GoldbachOdd(uint128 n, bool one_result, PrimeTest prime);

}  // namespace numerel::reference
