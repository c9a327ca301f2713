// Integer expressions in the integer fields: "2^128+1", "10^50+151", "100!+1",
// "(2^61-1)*(2^89-1)". Every reader of core/input/ gives a complete expression its value; a
// text that is not one keeps the reader's own rules.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <string_view>

namespace numerel {

// The longest value, in decimal digits, an integer field holds (page 0; the other pages turn
// away what lies above their own limits).
inline constexpr std::size_t kMaxInputDigits = 1000;

enum class ExpressionStatus {
    NotExpression,  // not a complete expression, or one plain numeral ("12", "-5", "1e16")
    Value,          // an integer, |value| < 10^max_digits
    NotInteger,     // complete, but no integer: 7/2, 2.5*2, 2^-1, (-3)!, 1/0
    TooLarge,       // the value, or a value on the way to it, is too long
};

struct ExpressionValue {
    ExpressionStatus status = ExpressionStatus::NotExpression;
    mpz_class value;  // meaningful for Value
};

// The grammar, blanks, tabs and line feeds dropped first as ReadNumber drops them:
//   sum     := product (("+" | "-") product)*
//   product := signed (("*" | "×" | "/") signed)*
//   signed  := ("+" | "-")? power          one sign: "--5" is not an expression
//   power   := postfix ("^" signed)?       right-associative: 2^3^2 = 2^9; -2^2 = -4
//   postfix := primary "!"*                3!! = (3!)! = 720
//   primary := numeral | "(" sum ")"
// A numeral is ReadNumber's decimal one without its sign ("12", "1.5e1", "1D3"); one with a
// fraction left over makes the expression NotInteger. "&H"/"&O" numerals are read only as the
// whole text, as before ("&HFF+1" is not an expression). "/" must divide exactly. Nesting deeper
// than 200 is NotExpression.
// Sizes are estimated from bit lengths before each power, product and factorial is computed, so
// "10^10^10", "99999!" and "2^100000" are TooLarge at once; values on the way may be about four
// times as long as the limit ("1000!/998!"). Cost: linear in the text plus GMP arithmetic on
// numbers of at most ~4 max_digits digits.
ExpressionValue EvaluateExpression(std::string_view text, std::size_t max_digits = kMaxInputDigits);

}  // namespace numerel
