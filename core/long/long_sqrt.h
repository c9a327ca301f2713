// Square roots of DigitString values.
#pragma once

#include "core/long/digit_string.h"
#include "core/long/long_precision.h"
#include "core/long/long_result.h"

namespace numerel {

// Whether LongSqrt(a) reads its precision: false only for an exact root found at once, from an
// integer radicand (after TrimLeadingZeros) of fewer than 16 characters that is a perfect square
// (the empty text, too). Cost: linear in a, one perfect-square test of a machine word.
bool SqrtNeedsPrecision(const DigitString& a);

// The square root of a, truncated to `precision.digits` decimals (N).
//
// Where SqrtNeedsPrecision(a) is false, the exact root, setting `exact` (the empty text gives
// "0"); otherwise N > 0 gives ceil(N) decimals; 0, a negative N or a text without a number
// gives the integer part of the root; N above kMaxLongDigits is refused (PrecisionTooLarge).
// The root is then TrimFraction'ed (an exact root loses its zero decimals).
//
// A decimal radicand i.f (after TrimFraction) is scaled to the integer i f (f padded to 2k
// digits) and the root scaled back: exact roots get their point k places from the right;
// others keep exactly N decimals ("3.53553390"), a leading integer part "0" giving the leading
// zeros of the fraction. The caller passes exact = false.
// Cost: one GMP integer square root of a number of length(a) + 2N digits plus the conversion;
// polls stop between the GMP calls, which from kChildProcessDigits on run in a child process
// that a stop kills at once. Throws std::bad_alloc before GMP starts when the work would
// not fit in memory.
LongResult LongSqrt(const DigitString& a, const Precision& precision, bool& exact);

}  // namespace numerel
