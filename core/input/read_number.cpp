#include "core/input/read_number.h"

#include <gmpxx.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/input/expression.h"
#include "core/input/numeral.h"
#include "core/input/uint128_mpz.h"

namespace numerel {

namespace {

// Beyond these powers of ten of the leading digit a binary64 overflows / underflows to zero.
constexpr std::int64_t kBinary64MaxOrder = 400;

// Correctly rounded: from_chars rounds to nearest, ties to even, and ignores the locale.
double ToBinary64(Numeral numeral) {
    Normalise(numeral);
    if (numeral.digits.empty()) return 0.0;
    const std::int64_t order =
        numeral.exponent + static_cast<std::int64_t>(numeral.digits.size()) - 1;
    const double sign = numeral.negative ? -1.0 : 1.0;
    if (order > kBinary64MaxOrder) return sign * std::numeric_limits<double>::infinity();
    if (order < -kBinary64MaxOrder) return 0.0;
    const std::string text = numeral.digits + "e" + std::to_string(numeral.exponent);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value == 0.0 ? 0.0 : sign * value;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Rounds digits (no leading zero) to its first `keep` digits, half to even; keep <= 29.
uint128 RoundedPrefix(std::string_view digits, std::int64_t keep) {
    uint128 value = 0;
    for (std::int64_t i = 0; i < keep; ++i)
        value = value * 10 + static_cast<uint128>(digits[i] - '0');
    if (keep < 0 || static_cast<std::size_t>(keep) >= digits.size()) return value;
    const char next = digits[keep];
    const bool rest_nonzero =
        digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) != std::string::npos;
    if (next > '5' || (next == '5' && (rest_nonzero || value % 2 == 1))) ++value;
    return value;
}

uint128 PowerOfTen(std::int64_t exponent) {
    uint128 power = 1;
    while (exponent-- > 0) power *= 10;
    return power;
}

// Trailing zeros are kept, so "2.0" has scale 1 as the type would hold it.
DecimalRead ToDecimal96(const Numeral& numeral) {
    constexpr std::int64_t kMaxDigits = Decimal96::kMaxDigits;
    DecimalRead read;
    const std::size_t first = numeral.digits.find_first_not_of('0');
    const std::int64_t exponent = numeral.exponent;
    if (first == std::string::npos) {
        const auto scale = std::clamp<std::int64_t>(-exponent, 0, Decimal96::kMaxScale);
        read.status = DecimalStatus::Ok;
        read.value = *Decimal96::FromParts(0, static_cast<int>(scale), false);
        return read;
    }
    const std::string_view digits = std::string_view(numeral.digits).substr(first);
    const auto length = static_cast<std::int64_t>(digits.size());
    const std::int64_t integer_digits = length + exponent;
    read.status = DecimalStatus::Overflow;
    if (integer_digits > kMaxDigits) return read;
    // Start at the largest scale that keeps at most 29 significant digits; go one lower while
    // the rounded magnitude does not fit in 96 bits.
    std::int64_t scale =
        std::min<std::int64_t>(Decimal96::kMaxScale, std::max<std::int64_t>(0, -exponent));
    scale = std::min(scale, kMaxDigits - integer_digits);
    for (; scale >= 0; --scale) {
        const std::int64_t keep = integer_digits + scale;
        // keep > length only for a non-negative exponent: the missing digits are zeros, and
        // keep <= 29 so the product cannot wrap.
        const uint128 magnitude = keep > length
                                      ? RoundedPrefix(digits, length) * PowerOfTen(keep - length)
                                      : RoundedPrefix(digits, keep);
        if (magnitude <= Decimal96::kMaxMagnitude) {
            read.status = DecimalStatus::Ok;
            read.value =
                *Decimal96::FromParts(magnitude, static_cast<int>(scale), numeral.negative);
            return read;
        }
    }
    return read;
}

// The numeral at the start of text as ReadNumber reads it (blanks dropped anywhere, "&H"/"&O"
// integers, then sign, digits, point, exponent); false when there is none (the value 0).
// whole: whether the numeral took all of the text but its blanks.
bool ScanLeadingNumeral(std::string_view text, Numeral& numeral, bool* whole = nullptr) {
    const std::string compact = WithoutBlanks(text);
    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = compact[1];
        const int base = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        if (base != 0) {
            const std::string_view digits = std::string_view(compact).substr(2);
            numeral = RadixNumeral(digits, base);
            if (whole) *whole = RadixDigitCount(digits, base) == digits.size();
            return true;
        }
    }
    std::size_t end = 0;
    const bool found = ScanNumeral(compact, true, numeral, end);
    if (whole) *whole = found && end == compact.size();
    return found;
}

// The whole number digits * 10^exponent (exponent >= 0) of a normalised numeral.
ExactInteger WholeValue(const Numeral& numeral) {
    if (numeral.digits.empty()) return {ExactStatus::Exact, 0};
    if (numeral.negative) return {ExactStatus::Negative, 0};
    constexpr std::int64_t kMaxDigits = Decimal96::kMaxDigits;
    if (static_cast<std::int64_t>(numeral.digits.size()) + numeral.exponent > kMaxDigits) {
        return {ExactStatus::Overflow, 0};
    }
    // At most 29 digits: below 10^29 < 2^97, no wrap-around in 128 bits.
    uint128 value = 0;
    for (const char c : numeral.digits) value = value * 10 + static_cast<uint128>(c - '0');
    value *= PowerOfTen(numeral.exponent);
    if (value > Decimal96::kMaxMagnitude) return {ExactStatus::Overflow, 0};
    return {ExactStatus::Exact, value};
}

// The whole text as ReadDecimal reads it: blanks around, then one numeral and nothing else.
bool ScanWholeText(std::string_view text, Numeral& numeral) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);
    std::size_t stop = 0;
    return ScanNumeral(body, false, numeral, stop) && stop == body.size();
}

// A complete expression's value as the 96-bit readers see it.
ExactInteger WholeValue(const mpz_class& value) {
    if (value < 0) return {ExactStatus::Negative, 0};
    if (value > ToMpz(Decimal96::kMaxMagnitude)) return {ExactStatus::Overflow, 0};
    return {ExactStatus::Exact, FromMpz(value)};
}

// Drops the fraction digits of a normalised numeral (toward zero).
void Truncate(Numeral& numeral) {
    if (numeral.exponent >= 0) return;
    const auto dropped = static_cast<std::size_t>(std::min<std::int64_t>(
        -numeral.exponent, static_cast<std::int64_t>(numeral.digits.size())));
    numeral.digits.resize(numeral.digits.size() - dropped);
    numeral.exponent = 0;
    Normalise(numeral);
}

// The digits of a normalised whole numeral, if it has at most max_digits of them.
std::optional<mpz_class> BigValue(const Numeral& numeral, std::size_t max_digits) {
    if (numeral.digits.empty()) return mpz_class(0);
    if (static_cast<std::int64_t>(numeral.digits.size()) + numeral.exponent >
        static_cast<std::int64_t>(max_digits)) {
        return std::nullopt;
    }
    mpz_class value(numeral.digits, 10);
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(numeral.exponent));
    value *= power;
    if (numeral.negative) value = -value;
    return value;
}

}  // namespace

double ReadNumber(std::string_view text) {
    const ExpressionValue expression = EvaluateExpression(text);
    switch (expression.status) {
        case ExpressionStatus::Value: {
            Numeral numeral;
            numeral.negative = expression.value < 0;
            numeral.digits = mpz_class(abs(expression.value)).get_str(10);
            return ToBinary64(std::move(numeral));
        }
        case ExpressionStatus::TooLarge:
            return std::numeric_limits<double>::infinity();
        case ExpressionStatus::NotInteger:
            return std::numeric_limits<double>::quiet_NaN();
        case ExpressionStatus::NotExpression:
            break;
    }
    return ReadLeadingNumber(text);
}

double ReadLeadingNumber(std::string_view text) {
    Numeral numeral;
    if (!ScanLeadingNumeral(text, numeral)) return 0.0;
    return ToBinary64(std::move(numeral));
}

bool IsWhole(double x) {
    return std::isinf(x) || (std::isfinite(x) && std::floor(x) == x);
}

ExactInteger ReadExactInteger(std::string_view text) {
    const ExpressionValue expression = EvaluateExpression(text);
    switch (expression.status) {
        case ExpressionStatus::Value:
            return WholeValue(expression.value);
        case ExpressionStatus::TooLarge:
            return {ExactStatus::Overflow, 0};
        case ExpressionStatus::NotInteger:
            return {ExactStatus::Fraction, 0};
        case ExpressionStatus::NotExpression:
            break;
    }
    Numeral numeral;
    if (!ScanLeadingNumeral(text, numeral)) return {ExactStatus::Exact, 0};
    Normalise(numeral);
    if (!numeral.digits.empty() && numeral.exponent < 0) return {ExactStatus::Fraction, 0};
    return WholeValue(numeral);
}

std::optional<ExactInteger> ReadDecimalIntegerPart(std::string_view text) {
    const ExpressionValue expression = EvaluateExpression(text);
    switch (expression.status) {
        case ExpressionStatus::Value:
            return WholeValue(expression.value);
        case ExpressionStatus::TooLarge:
            return ExactInteger{ExactStatus::Overflow, 0};
        case ExpressionStatus::NotInteger:
            return std::nullopt;
        case ExpressionStatus::NotExpression:
            break;
    }
    Numeral numeral;
    if (!ScanWholeText(text, numeral)) return std::nullopt;
    Normalise(numeral);
    Truncate(numeral);
    return WholeValue(numeral);
}

DecimalRead ReadDecimal(std::string_view text) {
    const ExpressionValue expression = EvaluateExpression(text);
    switch (expression.status) {
        case ExpressionStatus::Value: {
            const mpz_class magnitude = abs(expression.value);
            if (magnitude > ToMpz(Decimal96::kMaxMagnitude))
                return DecimalRead{DecimalStatus::Overflow, {}};
            return DecimalRead{DecimalStatus::Ok,
                               *Decimal96::FromParts(FromMpz(magnitude), 0, expression.value < 0)};
        }
        case ExpressionStatus::TooLarge:
            return DecimalRead{DecimalStatus::Overflow, {}};
        case ExpressionStatus::NotInteger:
            return DecimalRead{};
        case ExpressionStatus::NotExpression:
            break;
    }
    Numeral numeral;
    if (!ScanWholeText(text, numeral)) return DecimalRead{};
    return ToDecimal96(numeral);
}

BigInteger ReadExactBigInteger(std::string_view text, std::size_t max_digits) {
    const ExpressionValue expression = EvaluateExpression(text, max_digits);
    switch (expression.status) {
        case ExpressionStatus::Value:
            return {expression.value < 0 ? ExactStatus::Negative : ExactStatus::Exact,
                    expression.value, false};
        case ExpressionStatus::TooLarge:
            return {ExactStatus::Overflow, 0, false};
        case ExpressionStatus::NotInteger:
            return {ExactStatus::Fraction, 0, false};
        case ExpressionStatus::NotExpression:
            break;
    }
    Numeral numeral;
    bool whole = true;
    if (!ScanLeadingNumeral(text, numeral, &whole)) return {ExactStatus::Exact, 0, true};
    Normalise(numeral);
    if (!numeral.digits.empty() && numeral.exponent < 0) return {ExactStatus::Fraction, 0, !whole};
    if (numeral.negative && !numeral.digits.empty()) return {ExactStatus::Negative, 0, !whole};
    const std::optional<mpz_class> value = BigValue(numeral, max_digits);
    if (!value) return {ExactStatus::Overflow, 0, !whole};
    return {ExactStatus::Exact, *value, !whole};
}

std::optional<BigInteger> ReadDecimalBigIntegerPart(std::string_view text, std::size_t max_digits) {
    const ExpressionValue expression = EvaluateExpression(text, max_digits);
    switch (expression.status) {
        case ExpressionStatus::Value:
            return BigInteger{expression.value < 0 ? ExactStatus::Negative : ExactStatus::Exact,
                              expression.value, false};
        case ExpressionStatus::TooLarge:
            return BigInteger{ExactStatus::Overflow, 0, false};
        case ExpressionStatus::NotInteger:
            return std::nullopt;
        case ExpressionStatus::NotExpression:
            break;
    }
    Numeral numeral;
    if (!ScanWholeText(text, numeral)) return std::nullopt;
    Normalise(numeral);
    Truncate(numeral);
    const std::optional<mpz_class> value = BigValue(numeral, max_digits);
    if (!value) return BigInteger{ExactStatus::Overflow, 0, false};
    return BigInteger{*value < 0 ? ExactStatus::Negative : ExactStatus::Exact, *value, false};
}

}  // namespace numerel
