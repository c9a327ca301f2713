// Division of DigitString values to a precision, or until the repetend has recurred.
#pragma once

#include <cstdint>

#include "core/long/digit_string.h"
#include "core/prompter.h"

namespace numerel {

// One long-division step on integer texts, 0 < r < q: k = length(q) - length(r) zeros are
// appended to r, one more (and k + 1) when r is still below q; then digits gets k - 1 zeros and
// the one non-zero digit of r / q, and r becomes r mod q. Cost: one GMP division of
// length(q)-digit numbers. Out of contract: a zero q throws std::invalid_argument; an r longer
// than q gets no zeros and k counts from 0.
void LongDivStep(DigitString& r, const DigitString& q, std::int32_t& k, DigitString& digits);

// a / b exactly, or to the precision the user gives. The copies of a and b go through
// TrimLeadingZeros; a divisor of value zero ("0", "", "0.0") shows ZeroDivisorMessage() and gives
// the empty text;
// a = "0" or empty gives "0", equal texts "1", b = "1" the trimmed a. Decimals divide as integers
// scaled alike. The reduced fraction's factors 2 and 5 give exact digits; any other factor gives
// a repetend, and only then the precision prompt runs (PrecisionNoticeMessage(), then an input
// box): an empty or cancelled answer gives the empty text; the answer "0" produces digits until
// the 20-digit window of digits 11-30 has occurred twice without overlap (stopping with
// RepetendNotFoundMessage() after kMaxLongDigits digits); any other answer is read as a number N
// (ReadNumber) and steps run until at least N digits (at least one step, the last may go past
// N); an N above kMaxLongDigits shows PrecisionTooLargeMessage() and gives the empty text.
// The result is canonical (TrimFraction, then the powers of ten put back).
// Cost: GMP gcd and divisions on the operands plus linear work per digit produced; with operands
// of 100000 digits and more both run in child processes that a stop kills at once. Throws
// std::bad_alloc before GMP starts when the operands or the digits asked for would not fit in
// memory.
DigitString LongDiv(const DigitString& a, const DigitString& b, Prompter& prompter);

}  // namespace numerel
