// The two ways a text box is read as a number.
#pragma once

#include <string_view>

#include "core/decimal96.h"

namespace numerel {

// 999999999999999: the largest value of the binary64 path; every integer up to it is exact.
inline constexpr double kSmallLimit = 999999999999999.0;
inline constexpr std::uint64_t kSmallLimitInt = 999999999999999ULL;
// The caption of Label38: the largest admitted value of the Decimal96 path.
inline constexpr const char* kLargestInput = "79228162514264337593543950335";

// The value of the numeral at the start of the text, as binary64 (never fails):
// blanks, tabs and line feeds are removed anywhere first; then an optional sign, digits with at
// most one ".", an optional exponent (E or D, either case, optional sign, digits); "&H"/"&O"
// introduce a hexadecimal/octal integer. No leading numeral reads as 0.
double ReadNumber(std::string_view text);

struct DecimalRead {
    DecimalStatus status = DecimalStatus::NotANumber;
    Decimal96 value;  // meaningful when status is Ok
};

// The whole text as a Decimal96: blanks around allowed, optional sign, digits with an optional
// point, optional exponent. NotANumber for anything else; Overflow when the magnitude exceeds
// 2^96 - 1; fraction digits beyond what the type holds are rounded.
DecimalRead ReadDecimal(std::string_view text);

}  // namespace numerel
