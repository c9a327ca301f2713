#include "core/input/read_big_integer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/input/expression.h"
#include "core/input/read_number.h"

namespace numerel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exponents are saturated far beyond any length that could still fit.
constexpr std::int64_t kExponentCap = 1'000'000'000;

}  // namespace

BigIntegerRead ReadBigInteger(std::string_view text) {
    const ExpressionValue expression = EvaluateExpression(text, kBigInputDigits);
    switch (expression.status) {
        case ExpressionStatus::Value:
            return {BigReadStatus::Ok, expression.value};
        case ExpressionStatus::NotInteger:
            return {BigReadStatus::Fraction, {}};
        case ExpressionStatus::TooLarge:
            return {BigReadStatus::Overflow, {}};
        case ExpressionStatus::NotExpression:
            break;
    }
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::size_t pos = begin;
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::string digits;  // integer and fraction digits together
    std::int64_t exponent = 0;
    bool point = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            digits += c;
            if (point) --exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return {};
    if (pos < end) {
        if (text[pos] != 'e' && text[pos] != 'E') return {};
        ++pos;
        bool exponent_negative = false;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
            exponent_negative = text[pos++] == '-';
        }
        if (pos == end) return {};
        std::int64_t written = 0;
        for (; pos < end; ++pos) {
            if (!IsDigit(text[pos])) return {};
            written = std::min(written * 10 + (text[pos] - '0'), kExponentCap);
        }
        exponent += exponent_negative ? -written : written;
    }
    // value = digits * 10^exponent, with the digits' leading zeros and trailing zeros dropped.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {BigReadStatus::Ok, mpz_class(0)};
    std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);
    const std::int64_t integer_digits = static_cast<std::int64_t>(digits.size()) + exponent;
    if (integer_digits > static_cast<std::int64_t>(kBigInputDigits)) {
        return {BigReadStatus::Overflow, {}};
    }
    if (exponent < 0) return {BigReadStatus::Fraction, {}};
    digits.append(static_cast<std::size_t>(exponent), '0');
    mpz_class value(digits, 10);
    if (negative) value = -value;
    return {BigReadStatus::Ok, value};
}

bool BeyondDecimal96(std::string_view text) {
    return ReadDecimal(text).status == DecimalStatus::Overflow;
}

}  // namespace numerel
