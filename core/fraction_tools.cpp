#include "core/fraction_tools.h"

#include "core/long_add_sub.h"
#include "core/long_div.h"
#include "core/long_messages.h"
#include "core/long_mul.h"
#include "core/long_quot.h"

namespace numerel {

GcdLcmOutcome RunGcdLcm(const std::string& a, const std::string& b, Prompter& prompter) {
    GcdLcmOutcome outcome;
    if (a.empty() || b.empty()) return outcome;
    if (!IsDigitsOnly(a) || !IsDigitsOnly(b)) {
        outcome.rejection = NotAnIntegerMessage();
        outcome.field = IsDigitsOnly(a) ? 1 : 0;
        return outcome;
    }
    const DigitString g = LongGcd(a, b, prompter);
    const DigitString product = LongMul(a, b);
    const DigitString l = LongDiv(product, g, prompter);
    outcome.pane = "最大公约数是" + g + "\r\n" + "最小公倍数是" + l;
    return outcome;
}

std::optional<Fraction> RepeatingDecimalToFraction(const std::string& x, const std::string& r) {
    if (x.empty() || !HasPoint(x) || r.empty() || x == "0" || r == "0") return std::nullopt;
    if (!IsDigitString(x) || !IsDigitsOnly(r)) return std::nullopt;
    const std::size_t point = x.find('.');
    const std::string i = x.substr(0, point);
    const std::string n = x.substr(point + 1);
    Fraction fraction;
    fraction.denominator = std::string(r.size(), '9') + std::string(n.size(), '0');
    fraction.numerator = LongAdd(LongSub(n + r, n), LongMul(i, fraction.denominator));
    return fraction;
}

std::optional<Fraction> ReduceFraction(const std::string& a, const std::string& b,
                                       Prompter& prompter) {
    if (b == "0" || a == "0" || b.empty() || a.empty()) return std::nullopt;
    if (!IsDigitsOnly(a) || !IsDigitsOnly(b)) return std::nullopt;
    const DigitString g = LongGcd(b, a, prompter);
    return Fraction{LongIntQuot(a, g, prompter), LongIntQuot(b, g, prompter)};
}

}  // namespace numerel
