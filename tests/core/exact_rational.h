// Exact values of numerals on GMP alone, as the oracle of the property tests and fuzz targets:
// nothing here uses a helper of the code under test.
#pragma once

#include <gmpxx.h>

#include <string>

namespace numerel::exact {

inline mpz_class PowerOfTen(std::size_t n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

// The value of a text of digits; the empty text is 0.
inline mpz_class IntegerValue(const std::string& digits) {
    return digits.empty() ? mpz_class(0) : mpz_class(digits, 10);
}

// n / d in lowest terms (GMP compares and adds canonical fractions only).
inline mpq_class Ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class value(n, d);
    value.canonicalize();
    return value;
}

// The value of a numeral of digits with at most one point ("", ".5", "007.50").
inline mpq_class Value(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return mpq_class(IntegerValue(text));
    const std::string fraction = text.substr(point + 1);
    return Ratio(IntegerValue(text.substr(0, point) + fraction), PowerOfTen(fraction.size()));
}

inline std::size_t FractionDigits(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

// x (>= 0) truncated to `places` decimal places.
inline mpq_class Truncated(const mpq_class& x, std::size_t places) {
    const mpz_class scale = PowerOfTen(places);
    return Ratio(mpz_class(x.get_num() * scale / x.get_den()), scale);
}

// i.n followed by the repetend r forever, for x = "i.n".
inline mpq_class RepeatingValue(const std::string& x, const std::string& r) {
    const std::string fixed = x.substr(x.find('.') + 1);
    const mpz_class period = PowerOfTen(r.size()) - 1;
    return Value(x) + Ratio(IntegerValue(r), period * PowerOfTen(fixed.size()));
}

}  // namespace numerel::exact
