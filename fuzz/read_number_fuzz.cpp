// ReadNumber: blanks count nowhere, and a plain decimal numeral reads as the C library's correctly
// rounded strtod does (expressions: fuzz/expression_fuzz.cpp).
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/input/expression.h"
#include "core/input/read_number.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits with at most one point (at least one digit), optional E/D exponent with digits:
// the whole text. The D exponent is rewritten as E for strtod.
bool PlainNumeral(std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i == n) return true;
    if (text[i] != 'e' && text[i] != 'E' && text[i] != 'd' && text[i] != 'D') return false;
    text[i++] = 'e';
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == n) return false;
    while (i < n && IsDigit(text[i])) ++i;
    return i == n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 256) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = numerel::ReadNumber(text);
    // NaN only for an expression without an integer value ("7/2"), blanks or not.
    if (std::isnan(value)) {
        FUZZ_CHECK(numerel::EvaluateExpression(text).status ==
                   numerel::ExpressionStatus::NotInteger);
        return 0;
    }
    FUZZ_CHECK(!(value == 0.0 && std::signbit(value)));
    std::string spaced;
    for (const char c : text) {
        spaced.push_back(c);
        spaced.push_back(' ');
    }
    FUZZ_CHECK(numerel::ReadNumber(spaced) == value);
    std::string plain = text;
    if (PlainNumeral(plain)) FUZZ_CHECK(std::strtod(plain.c_str(), nullptr) == value);
    return 0;
}
