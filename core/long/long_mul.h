// Exact multiplication of DigitString values.
#pragma once

#include "core/long/digit_string.h"

namespace numerel {

// a * b. Copies of both go through TrimLeadingZeros and TrimFraction first; then a factor "0"
// or empty gives "0", a factor "1" gives the other (trimmed) factor, decimals are multiplied as
// integers and the point is put back (TrimFraction), integer products have no leading zeros.
// Cost: one GMP multiplication plus the radix conversions, O(M(n) log n) for n digits; any
// length that fits in memory (beyond it std::bad_alloc, before GMP starts).
DigitString LongMul(const DigitString& a, const DigitString& b);

}  // namespace numerel
