// Square roots of DigitString values.
#pragma once

#include "core/long/digit_string.h"
#include "core/prompter.h"

namespace numerel {

// The square root of a, truncated to the number of decimals the user gives.
//
// An integer radicand (after TrimLeadingZeros) of fewer than 16 characters that is a perfect
// square gives its exact root without a prompt and sets `exact` (the empty text gives "0");
// otherwise the precision prompt runs (PrecisionNoticeMessage(), then an input box): an empty
// or cancelled answer gives the empty text. The answer is read as a number N (ReadNumber):
// N > 0 gives ceil(N) decimals; 0, a negative answer or a text without a number gives the
// integer part of the root; N above kMaxLongDigits shows PrecisionTooLargeMessage() and gives
// the empty text. The root is then TrimFraction'ed (an exact root loses its zero decimals).
//
// A decimal radicand i.f (after TrimFraction) is scaled to the integer i f (f padded to 2k
// digits) and the root scaled back: exact roots get their point k places from the right;
// others keep exactly N decimals ("3.53553390"), a leading integer part "0" giving the leading
// zeros of the fraction. The caller passes exact = false.
// Cost: one GMP integer square root of a number of length(a) + 2N digits plus the conversion;
// polls stop between the GMP calls, which from kChildProcessDigits on run in a child process
// that a stop kills at once. Throws std::bad_alloc, after the prompt and before GMP
// starts, when the work would not fit in memory.
DigitString LongSqrt(const DigitString& a, bool& exact, Prompter& prompter);

}  // namespace numerel
