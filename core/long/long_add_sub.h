// Exact addition and subtraction of DigitString values.
#pragma once

#include "core/long/digit_string.h"

namespace numerel {

// a + b. When a is "0" or empty the result is b unchanged, else when b is "0" or empty it is a
// unchanged (no normalisation: LongAdd("0", "007") is "007"). Decimals are added as integers
// scaled to the longer fraction and come back through TrimFraction; integer sums have no
// leading zeros. Linear in the operand lengths, any length.
DigitString LongAdd(const DigitString& a, const DigitString& b);

// a - b for a >= b. Both are first copied through TrimLeadingZeros; a subtrahend "0" or empty
// gives that copy of a, equal texts give "0". Decimals work as in LongAdd (TrimFraction at the
// end), integer differences have no leading zeros. Linear, any length.
// A smaller minuend (no caller does it) gives the exact negative difference: "-" followed by
// b - a in the same form ("3" - "10" is "-7").
DigitString LongSub(const DigitString& a, const DigitString& b);

}  // namespace numerel
