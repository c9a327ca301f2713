#include "core/tools/fraction_tools.h"

#include <cassert>

#include "core/long/long_add_sub.h"
#include "core/long/long_div.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"
#include "core/long/long_quot.h"

namespace numerel {

namespace {

bool IsZeroValue(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

std::string WithoutLeadingZeros(const std::string& digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

GcdLcmChecked GcdLcmCheck(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty() || (IsDigitsOnly(a) && IsDigitsOnly(b))) return GcdLcmOperands{a, b};
    return Rejection{.message = NotAnIntegerMessage(),
                     .focus = IsDigitsOnly(a) ? FocusAfter::Last : FocusAfter::First};
}

std::string GcdLcmRun(const GcdLcmOperands& operands) {
    const std::string& a = operands.a;
    const std::string& b = operands.b;
    if (a.empty() || b.empty()) return "";
    assert(IsDigitsOnly(a) && IsDigitsOnly(b));
    if (IsZeroValue(a) || IsZeroValue(b)) {
        // Every number divides 0: the divisor is the other number, the multiple 0.
        const std::string g = WithoutLeadingZeros(IsZeroValue(a) ? b : a);
        return "最大公约数是" + g + "\r\n" + "最小公倍数是0";
    }
    // Neither is zero: no refusal, and g divides the product, so no precision is read.
    const DigitString g = LongGcd(a, b).digits;
    const DigitString l = LongDiv(LongMul(a, b), g, Precision{}).digits;
    return "最大公约数是" + g + "\r\n" + "最小公倍数是" + l;
}

std::optional<FractionGuard> RepeatingDecimalGuard(const std::string& x, const std::string& r) {
    if (x.empty() || !HasPoint(x)) return FractionGuard::NoPoint;
    if (r.empty() || x == "0" || r == "0") return FractionGuard::ZeroOrEmpty;
    if (!IsDigitString(x) || !IsDigitsOnly(r)) return FractionGuard::NotDigits;
    return std::nullopt;
}

std::optional<FractionGuard> ReduceGuard(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return FractionGuard::ZeroOrEmpty;
    if (!IsDigitsOnly(a) || !IsDigitsOnly(b)) return FractionGuard::NotDigits;
    // "00" is zero as much as "0" is; its gcd would be a zero divisor.
    if (IsZeroValue(a) || IsZeroValue(b)) return FractionGuard::ZeroOrEmpty;
    return std::nullopt;
}

std::optional<Fraction> RepeatingDecimalToFraction(const std::string& x, const std::string& r) {
    if (RepeatingDecimalGuard(x, r)) return std::nullopt;
    const std::size_t point = x.find('.');
    const std::string i = x.substr(0, point);
    const std::string n = x.substr(point + 1);
    Fraction fraction;
    fraction.denominator = std::string(r.size(), '9') + std::string(n.size(), '0');
    fraction.numerator = LongAdd(LongSub(n + r, n), LongMul(i, fraction.denominator));
    return fraction;
}

std::optional<Fraction> ReduceFraction(const std::string& a, const std::string& b) {
    if (ReduceGuard(a, b)) return std::nullopt;
    // The guard leaves no zero: neither the gcd nor the quotients are refused.
    const DigitString g = LongGcd(b, a).digits;
    return Fraction{LongIntQuot(a, g).digits, LongIntQuot(b, g).digits};
}

}  // namespace numerel
