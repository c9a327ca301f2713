// The exact integer work behind the long-number operations. The operations keep every text-level
// step of the calculator's arithmetic; where those steps only reach an integer result slowly
// (repeated additions, repeated subtractions), the result comes from here instead: sums and
// differences directly on the decimal text, everything else on GMP integers.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace numerel {

// The largest result, in characters, that the long-number operations produce: precisions,
// powers, factorials and repetend searches beyond it are refused or stopped with a message
// (at 10^8 digits the text alone takes 100 MB, and every step of its making seconds).
inline constexpr std::int64_t kMaxLongDigits = 100'000'000;

// The value of a text of digits; the empty text is 0 and any character other than a digit is
// read as the digit 0 (out-of-contract texts give a defined value, never a failure).
// Cost: subquadratic in the length.
mpz_class DigitsToMpz(std::string_view digits);

// The same for the text from `offset` to the end, without copying it when it is all digits.
mpz_class DigitsToMpz(const std::string& text, std::size_t offset);

// Where the text that TrimLeadingZeros leaves begins: 0 for a text with a point, for "0" and for
// the empty text, the last character for two or more zeros, else the first non-zero character.
std::size_t TrimmedOffset(std::string_view a);

// Plain decimal digits of a non-negative value ("0" for zero). Cost: subquadratic.
std::string MpzToDigits(const mpz_class& value);

// The sum of two digit texts (leading zeros and the empty text allowed), without leading zeros.
// Linear.
std::string AddDigitTexts(std::string_view a, std::string_view b);

// The difference a - b of two digit texts with value(a) >= value(b), without leading zeros.
// Linear. With a < b the result is meaningless (but the call is safe).
std::string SubDigitTexts(std::string_view a, std::string_view b);

// -1, 0, 1 by the values of two digit texts (leading zeros allowed).
int CompareDigitTexts(std::string_view a, std::string_view b);

// The number of trailing '0' characters.
std::size_t CountTrailingZeros(std::string_view a);

// Approximately log10 of the value of a digit text without leading zeros (0 for "", "0").
double Log10OfDigits(std::string_view digits);

}  // namespace numerel
