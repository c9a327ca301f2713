// Reading the bounds of the binary64 search buttons exactly. Up to SmallLimit the double that
// ReadNumber returns is the integer typed; above it the double may already be rounded (the
// fields are not limited, and odd texts such as "1e16x" keep the binary64 button), so such a
// field is read again with ReadDecimal and searched only when that reading is exact.
#pragma once

#include <string_view>

#include "core/decimal96.h"

namespace numerel {

enum class ExactStatus {
    Exact,     // value holds the integer
    Inexact,   // the text does not denote a whole number exactly (the tool's own rejection)
    Overflow,  // the magnitude exceeds 2^96 - 1
};

struct ExactInteger {
    ExactStatus status = ExactStatus::Inexact;
    uint128 value = 0;
};

// True when x is a whole number (equal to its integer part); infinities count as whole, as
// they do for the pages' integrality test, and are turned away later as Overflow.
bool IsWhole(double x);

// The exact non-negative integer of a field whose ReadNumber value `read` is whole and >= 0.
// Cost: one ReadDecimal when read > SmallLimit, nothing otherwise.
ExactInteger ReadExactInteger(std::string_view text, double read);

}  // namespace numerel
