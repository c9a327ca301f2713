// Every message box and prompt of the long-number arithmetic and its pages, in one place: the
// window and numerel-cli show exactly these texts.
#pragma once

#include <cstdint>
#include <string>

#include "core/long/long_result.h"
#include "core/message.h"

namespace numerel {

// Results above this many characters are computed only after the user confirms.
inline constexpr std::int64_t kConfirmLongDigits = 10'000'000;

// "除数为零!": a zero divisor.
Message ZeroDivisorMessage();

// "请点击 '确定',然后设定精确度": announces the precision prompt of division and square root.
Message PrecisionNoticeMessage();

// The precision prompts (CR LF line breaks, trailing blank kept) and their titles.
extern const char* const kDivisionPrecisionPrompt;
extern const char* const kDivisionPrecisionTitle;
extern const char* const kSqrtPrecisionPrompt;
extern const char* const kSqrtPrecisionTitle;

// A precision answer above kMaxLongDigits: refused, the result stays empty.
Message PrecisionTooLargeMessage();

// The message of a refusal: ZeroDivisorMessage() or PrecisionTooLargeMessage().
Message RefusalMessage(LongRefusal refusal);

// The until-repeat division stopped at kMaxLongDigits digits without the repeat.
Message RepetendNotFoundMessage();

// Calculator limits: "A^B" with B above 2147483647, "A!" with A above it.
Message PowerTooLargeMessage();
Message FactorialTooLargeMessage();

// A power or factorial of about `digits` characters: refused above kMaxLongDigits, asked for
// (OK / Cancel) above kConfirmLongDigits.
Message ResultTooLongMessage(double digits);
Message ConfirmLongResultMessage(double digits);

// The calculator's operand `name` ("A" or "B") is not a numeral of digits and one point.
Message NotANumeralMessage(const std::string& name);

// A box of the greatest-common-divisor page holds more than digits.
Message NotAnIntegerMessage();

}  // namespace numerel
