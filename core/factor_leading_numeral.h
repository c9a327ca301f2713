// The exact value of the numeral ReadNumber reads at the start of a text. ReadNumber answers in
// binary64, which above 2^53 is not the number typed; the binary64 buttons use this reader
// whenever a value above SmallLimit reaches them (a numeral followed by other characters).
#pragma once

#include <string_view>

#include "core/decimal96.h"

namespace numerel {

enum class LeadingNumeralKind {
    Integer,     // a non-negative integer up to 2^96 - 1, in value
    NotInteger,  // has a non-zero fraction
    Negative,    // below zero
    TooLarge,    // an integer above 2^96 - 1
};

struct LeadingNumeral {
    LeadingNumeralKind kind = LeadingNumeralKind::Integer;
    uint128 value = 0;
};

// Reads the text by ReadNumber's grammar (blanks, tabs and line feeds dropped anywhere; sign,
// digits with at most one ".", an E or D exponent with at least one digit; "&H"/"&O" integers;
// no numeral reads as 0) but exactly. Cost: linear in the length of the text; the exponent is
// saturated, so "1e999999999999" is TooLarge, not an overflow.
LeadingNumeral ReadLeadingNumeral(std::string_view text);

}  // namespace numerel
