// The precision of division and square root, as read from the answer to the precision prompt.
#pragma once

#include <string>

namespace numerel {

struct Precision {
    // Division only: digits until the repetend has recurred (the answer "0").
    bool until_repeat = false;
    // The answer's leading number (ReadLeadingNumber: blanks ignored, a text without a number
    // is 0); may be negative, fractional, infinite or NaN.
    double digits = 0.0;
};

// The answer as division and square root read it. Cost: one scan of the answer.
Precision ReadPrecision(const std::string& answer);

// Above kMaxLongDigits (or not a number): the operations refuse it.
bool PrecisionTooLarge(const Precision& precision);

}  // namespace numerel
