// A literal, slow reference of the long-number arithmetic as the calculator first described it:
// 14-digit limbs for addition, 15-digit limbs with borrow flags for subtraction, products by
// repeated additions, quotients by repeated subtractions of a window, digit-pair square roots
// and a repetend test that rescans the whole digit text after every step. The fast operations
// in core/ must agree with it. Operands are digit strings (digits and at most one point).
#pragma once

#include <cstdint>
#include <string>

#include "core/long/digit_string.h"
#include "core/prompter.h"

namespace numerel::reference {

DigitString Add(const DigitString& a, const DigitString& b);
DigitString Sub(const DigitString& a, const DigitString& b);  // a >= b only
DigitString Mul(const DigitString& a, const DigitString& b);
DigitString Pow(const DigitString& a, const DigitString& n);  // small exponents only
DigitString IntQuot(const DigitString& a, const DigitString& b, Prompter& prompter);
DigitString Mod(const DigitString& a, const DigitString& b, Prompter& prompter);
DigitString Gcd(const DigitString& a, const DigitString& b, Prompter& prompter);
void DivStep(DigitString& r, const DigitString& q, std::int32_t& k, DigitString& digits,
             Prompter& prompter);
// Small periods only in until-repeat mode: every step rescans the digits.
DigitString Div(const DigitString& a, const DigitString& b, Prompter& prompter);
DigitString Factorial(std::int32_t n);
// The number of decimals follows the fast code's reading of the answer (0, negative and
// fractional answers are settled there); the digit loop and the scaling back are literal, with
// the trimmed integer part and the restored zero decimals of the fast code.
DigitString Sqrt(const DigitString& a, bool& exact, Prompter& prompter);

}  // namespace numerel::reference
