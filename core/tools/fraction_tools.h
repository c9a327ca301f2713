// The fraction tools page (page 7) without its window: greatest common divisor and least common
// multiple, repeating decimal to fraction, and reduction. The gcd tool is a check phase and a run
// phase, so the window can run its protocol in between; the other two answer at once.
#pragma once

#include <optional>
#include <string>

#include "core/long/digit_string.h"
#include "core/message.h"
#include "core/tools/checked.h"

namespace numerel {

// The two boxes as typed: a divisor equal to one of them keeps its leading zeros. Either may be
// empty; then nothing is computed.
struct GcdLcmOperands {
    std::string a;  // the first box
    std::string b;  // the second box
};

// The one rejection is NotAnIntegerMessage() with the focus to the first box that is more than
// digits; the boxes keep their text.
using GcdLcmChecked = Checked<GcdLcmOperands>;

// The gcd button's click, after it has emptied the pane and reset the status label: both boxes
// non-empty and
// one with anything but digits -> rejected (a point, sign or letter would otherwise give a
// silently wrong number). An empty box is accepted: the page still reports the elapsed time, with
// an empty pane. Cost: linear in the texts.
GcdLcmChecked GcdLcmCheck(const std::string& a, const std::string& b);

// The pane text of operands GcdLcmCheck accepted (asserted), computed on the worker:
// g = LongGcd(a, b), l = LongDiv(LongMul(a, b), g) (exact: no precision read),
// "最大公约数是" g CR LF "最小公倍数是" l. An operand of value zero ("0", "00")
// is no divisor: gcd(a, 0) = a (without leading zeros), gcd(0, 0) = 0, and the multiple is 0;
// no message. Either operand empty: "".
// Cost: GMP gcd, product and exact division of the operands.
std::string GcdLcmRun(const GcdLcmOperands& operands);

struct Fraction {
    DigitString numerator;    // the numerator box
    DigitString denominator;  // the denominator box
};

// Why the "化" or "约分" button does nothing (the page shows nothing then).
enum class FractionGuard {
    NoPoint,      // the decimal is empty or has no point
    ZeroOrEmpty,  // the decimal is "0", the period empty or "0"; a fraction box empty or zero
    NotDigits,    // more than digits (and, in the decimal, one point)
};

// nullopt when the "化" button computes a fraction for the decimal x and the period r.
std::optional<FractionGuard> RepeatingDecimalGuard(const std::string& x, const std::string& r);

// nullopt when the "约分" button reduces the numerator a over the denominator b.
std::optional<FractionGuard> ReduceGuard(const std::string& a, const std::string& b);

// The "化" button: the repeating decimal x (integer and non-repeating part with a point) whose
// repetend is r (one period) as an unreduced fraction: denominator length(r)
// nines and length(n) zeros (n: the digits after the point), numerator
// LongAdd(LongSub(n & r, n), LongMul(i, d)). nullopt (the page does nothing, shows nothing)
// when RepeatingDecimalGuard says so: unless x has a point and is not "0", r is not empty and not
// "0", and both consist of digits (x with exactly one point). Cost: linear, plus one GMP product.
std::optional<Fraction> RepeatingDecimalToFraction(const std::string& x, const std::string& r);

// The "约分" button: numerator a and denominator b divided by LongGcd(b, a).
// nullopt (nothing happens) when either is empty, of value zero ("0", "00"), or more than digits
// (ReduceGuard).
// Cost: GMP gcd and two divisions.
std::optional<Fraction> ReduceFraction(const std::string& a, const std::string& b);

}  // namespace numerel
