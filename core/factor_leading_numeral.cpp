#include "core/factor_leading_numeral.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace numerel {

namespace {

constexpr std::int64_t kExponentCap = 1'000'000'000;
constexpr uint128 kLimit = (uint128{1} << 96) - 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Accumulates digits of the given base; false once the value passes 2^96 - 1.
bool Accumulate(uint128& value, int digit, int base) {
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    return value <= kLimit;
}

LeadingNumeral ReadRadix(std::string_view digits, int base) {
    LeadingNumeral result;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= base) break;
        if (!Accumulate(result.value, digit, base)) return {LeadingNumeralKind::TooLarge, 0};
    }
    return result;
}

}  // namespace

LeadingNumeral ReadLeadingNumeral(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ReadRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return ReadRadix(std::string_view(s).substr(2), 8);
    }
    std::size_t pos = 0;
    const std::size_t n = s.size();
    bool negative = false;
    if (pos < n && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    std::string digits;
    std::int64_t exponent = 0;
    while (pos < n && IsDigit(s[pos])) digits.push_back(s[pos++]);
    if (pos < n && s[pos] == '.') {
        ++pos;
        while (pos < n && IsDigit(s[pos])) {
            digits.push_back(s[pos++]);
            --exponent;
        }
    }
    if (digits.empty()) return {};  // no numeral: 0
    if (pos < n && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t p = pos + 1;
        bool exponent_negative = false;
        if (p < n && (s[p] == '+' || s[p] == '-')) exponent_negative = s[p++] == '-';
        std::int64_t written = 0;
        if (p < n && IsDigit(s[p])) {
            for (; p < n && IsDigit(s[p]); ++p)
                written = std::min(kExponentCap, written * 10 + (s[p] - '0'));
            exponent += exponent_negative ? -written : written;
        }
    }
    // Significant digits only: leading zeros dropped, trailing zeros moved into the exponent.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);
    if (negative) return {LeadingNumeralKind::Negative, 0};
    if (exponent < 0) return {LeadingNumeralKind::NotInteger, 0};
    if (static_cast<std::int64_t>(digits.size()) + exponent > 29)
        return {LeadingNumeralKind::TooLarge, 0};
    LeadingNumeral result;
    for (const char c : digits)
        if (!Accumulate(result.value, c - '0', 10)) return {LeadingNumeralKind::TooLarge, 0};
    for (std::int64_t i = 0; i < exponent; ++i)
        if (!Accumulate(result.value, 0, 10)) return {LeadingNumeralKind::TooLarge, 0};
    return result;
}

}  // namespace numerel
