// What a long operation gives back: its digits, or why it gave none. The operations never talk to
// the user; the tool that called one shows the message of a refusal (RefusalMessage).
#pragma once

#include <optional>
#include <utility>

#include "core/long/digit_string.h"

namespace numerel {

enum class LongRefusal {
    ZeroDivisor,        // the divisor has the value zero
    PrecisionTooLarge,  // the precision asked for is above kMaxLongDigits
};

struct LongResult {
    DigitString digits;                  // empty when refused
    std::optional<LongRefusal> refusal;  // set: no result, and why
    // A division until the repeat stopped at kMaxLongDigits digits without finding it; `digits`
    // holds what was computed.
    bool repetend_not_found = false;

    static LongResult Of(DigitString digits) {
        LongResult result;
        result.digits = std::move(digits);
        return result;
    }
    static LongResult Refused(LongRefusal why) {
        LongResult result;
        result.refusal = why;
        return result;
    }
};

}  // namespace numerel
