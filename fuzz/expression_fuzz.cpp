// Integer expressions: blanks count nowhere, parentheses and a sign around a complete expression
// give the same value (or the same refusal), every value is within the limit, and ReadNumber,
// ReadExactInteger and ReadDecimal all give a complete expression its value.
#include <gmpxx.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/input/expression.h"
#include "core/input/read_number.h"
#include "fuzz/fuzz_check.h"

namespace {

using numerel::ExpressionStatus;
using numerel::ExpressionValue;

bool Same(const ExpressionValue& a, const ExpressionValue& b) {
    return a.status == b.status && (a.status != ExpressionStatus::Value || a.value == b.value);
}

mpz_class FromUInt128(numerel::uint128 value) {
    mpz_class high(static_cast<unsigned long>(value >> 64));
    return (high << 64) + mpz_class(static_cast<unsigned long>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    if (size > 256) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ExpressionValue value = EvaluateExpression(text);

    std::string spaced;
    for (const char c : text) {
        spaced.push_back(c);
        spaced.push_back(' ');
    }
    FUZZ_CHECK(Same(EvaluateExpression(spaced), value));
    if (value.status == ExpressionStatus::NotExpression) return 0;

    // A complete expression stays one inside parentheses, and a sign in front negates it.
    FUZZ_CHECK(Same(EvaluateExpression("(" + text + ")"), value));
    const ExpressionValue negated = EvaluateExpression("-(" + text + ")");
    FUZZ_CHECK(negated.status == value.status);
    if (value.status == ExpressionStatus::Value) FUZZ_CHECK(negated.value == -value.value);

    const ExactInteger exact = ReadExactInteger(text);
    const DecimalRead decimal = ReadDecimal(text);
    const double rounded = ReadNumber(text);
    const mpz_class largest = FromUInt128(Decimal96::kMaxMagnitude);
    switch (value.status) {
        case ExpressionStatus::Value: {
            mpz_class limit;
            mpz_ui_pow_ui(limit.get_mpz_t(), 10, kMaxInputDigits);
            FUZZ_CHECK(abs(value.value) < limit);
            // Correctly rounded, as strtod rounds the decimal digits.
            FUZZ_CHECK(std::strtod(value.value.get_str(10).c_str(), nullptr) == rounded);
            if (value.value < 0) {
                FUZZ_CHECK(exact.status == ExactStatus::Negative);
            } else if (value.value > largest) {
                FUZZ_CHECK(exact.status == ExactStatus::Overflow);
            } else {
                FUZZ_CHECK(exact.status == ExactStatus::Exact &&
                           FromUInt128(exact.value) == value.value);
            }
            if (abs(value.value) > largest) {
                FUZZ_CHECK(decimal.status == DecimalStatus::Overflow);
            } else {
                FUZZ_CHECK(decimal.status == DecimalStatus::Ok && decimal.value.Scale() == 0);
                const mpz_class magnitude = FromUInt128(decimal.value.Magnitude());
                FUZZ_CHECK((decimal.value.IsNegative() ? -magnitude : magnitude) == value.value);
            }
            break;
        }
        case ExpressionStatus::NotInteger:
            FUZZ_CHECK(std::isnan(rounded) && exact.status == ExactStatus::Fraction);
            FUZZ_CHECK(decimal.status == DecimalStatus::NotANumber);
            break;
        case ExpressionStatus::TooLarge:
            FUZZ_CHECK(rounded == HUGE_VAL && exact.status == ExactStatus::Overflow);
            FUZZ_CHECK(decimal.status == DecimalStatus::Overflow);
            break;
        case ExpressionStatus::NotExpression:
            break;
    }
    return 0;
}
