// The decimal numeral every reader of core/input/ scans: the text-level pieces shared by
// read_number.cpp and expression.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace numerel {

// Exponents are saturated here; it is far beyond any length a text can have, so a saturated
// exponent still overflows or underflows exactly as the true one would.
inline constexpr std::int64_t kExponentCap = 1'000'000'000;

// The value is digits (read as an integer) * 10^exponent.
struct Numeral {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// Reads the longest numeral at the start of text: sign, digits with at most one point, and an
// exponent letter (E, e, and with allow_d_exponent D, d) followed by an optional sign and at
// least one digit (otherwise the numeral ends before the letter). Returns false when there is no
// mantissa digit; pos is where reading stopped. Cost: linear in what it reads.
bool ScanNumeral(std::string_view text, bool allow_d_exponent, Numeral& out, std::size_t& pos);

// Drops leading zeros of the digits and trailing zeros into the exponent; zero has no digits.
void Normalise(Numeral& numeral);

// How many characters at the start of digits are valid digits in base 16 or 8.
std::size_t RadixDigitCount(std::string_view digits, int base);

// "&H1F" / "&O17" without the prefix: the longest run of valid digits, as a non-negative
// integer ("0" when there is none). Cost: a radix conversion of that run.
Numeral RadixNumeral(std::string_view digits, int base);

// The text without its blanks, tabs and line feeds, wherever they stand: ReadNumber counts none.
std::string WithoutBlanks(std::string_view text);

}  // namespace numerel
