#include "core/input/numeral.h"

#include <gmpxx.h>

#include <algorithm>

namespace numerel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

bool ScanNumeral(std::string_view text, bool allow_d_exponent, Numeral& out, std::size_t& pos) {
    const std::size_t n = text.size();
    pos = 0;
    out = Numeral{};
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) out.negative = text[pos++] == '-';
    const std::size_t int_begin = pos;
    while (pos < n && IsDigit(text[pos])) ++pos;
    out.digits.assign(text.substr(int_begin, pos - int_begin));
    std::size_t fraction_digits = 0;
    if (pos < n && text[pos] == '.') {
        const std::size_t frac_begin = ++pos;
        while (pos < n && IsDigit(text[pos])) ++pos;
        fraction_digits = pos - frac_begin;
        out.digits.append(text.substr(frac_begin, fraction_digits));
    }
    if (out.digits.empty()) return false;

    std::int64_t exponent = 0;
    if (pos < n) {
        const char letter = text[pos];
        const bool is_exponent = letter == 'E' || letter == 'e' ||
                                 (allow_d_exponent && (letter == 'D' || letter == 'd'));
        std::size_t p = pos + 1;
        bool exponent_negative = false;
        if (is_exponent && p < n && (text[p] == '+' || text[p] == '-'))
            exponent_negative = text[p++] == '-';
        if (is_exponent && p < n && IsDigit(text[p])) {
            for (; p < n && IsDigit(text[p]); ++p)
                exponent = std::min(kExponentCap, exponent * 10 + (text[p] - '0'));
            if (exponent_negative) exponent = -exponent;
            pos = p;
        }
    }
    out.exponent = exponent - static_cast<std::int64_t>(fraction_digits);
    return true;
}

void Normalise(Numeral& numeral) {
    const std::size_t first = numeral.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        numeral.digits.clear();
        return;
    }
    const std::size_t last = numeral.digits.find_last_not_of('0');
    numeral.exponent += static_cast<std::int64_t>(numeral.digits.size() - 1 - last);
    numeral.digits = numeral.digits.substr(first, last + 1 - first);
}

std::size_t RadixDigitCount(std::string_view digits, int base) {
    std::size_t length = 0;
    while (length < digits.size() && DigitValue(digits[length]) < base) ++length;
    return length;
}

Numeral RadixNumeral(std::string_view digits, int base) {
    const std::size_t length = RadixDigitCount(digits, base);
    Numeral numeral;
    numeral.digits = "0";
    if (length == 0) return numeral;
    const mpz_class integer(std::string(digits.substr(0, length)), base);
    numeral.digits = integer.get_str(10);
    return numeral;
}

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    return compact;
}

}  // namespace numerel
