// ReadDecimal: besides the complete expressions, it takes exactly the texts of its grammar, and
// what it reads is the number written, rounded once to what a Decimal96 holds.
#include <gmpxx.h>

#include <cstdint>
#include <string>

#include "core/input/expression.h"
#include "core/input/read_number.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Parsed {
    bool negative = false;
    std::string digits;         // mantissa digits, point removed
    std::int64_t exponent = 0;  // value = digits * 10^exponent
};

// Blanks (space, tab) around; sign; digits with at most one point and at least one digit; an
// optional e/E exponent with a sign and at least one digit. The whole text.
bool Parse(const std::string& text, Parsed& out) {
    std::size_t i = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (i == std::string::npos) return false;
    ++end;
    if (text[i] == '+' || text[i] == '-') out.negative = text[i++] == '-';
    std::size_t fraction = 0;
    bool point = false;
    for (; i < end && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
        if (text[i] == '.') {
            point = true;
        } else {
            out.digits.push_back(text[i]);
            fraction += point ? 1 : 0;
        }
    }
    if (out.digits.empty()) return false;
    std::int64_t exponent = 0;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i == end) return false;
        for (; i < end && IsDigit(text[i]); ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000);
        if (negative) exponent = -exponent;
    }
    out.exponent = exponent - static_cast<std::int64_t>(fraction);
    return i == end;
}

mpz_class FromUInt128(numerel::uint128 value) {
    mpz_class high(static_cast<unsigned long>(value >> 64));
    return (high << 64) + mpz_class(static_cast<unsigned long>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    if (size > 128) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // A complete expression reads as its value: fuzz/expression_fuzz.cpp.
    if (EvaluateExpression(text).status != ExpressionStatus::NotExpression) return 0;
    const DecimalRead read = ReadDecimal(text);
    Parsed parsed;
    const bool grammar = Parse(text, parsed);
    FUZZ_CHECK(grammar == (read.status != DecimalStatus::NotANumber));
    if (!grammar || parsed.exponent > 60 || parsed.exponent < -200) return 0;
    mpq_class exact(mpz_class(parsed.digits, 10));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(parsed.exponent)));
    if (parsed.exponent >= 0) exact *= power;
    if (parsed.exponent < 0) exact /= power;
    const mpz_class largest = FromUInt128(Decimal96::kMaxMagnitude);
    if (read.status == DecimalStatus::Overflow) {
        FUZZ_CHECK(exact > largest);
        return 0;
    }
    const Decimal96& value = read.value;
    FUZZ_CHECK(value.IsNegative() == (parsed.negative && !value.IsZero()));
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(value.Scale()));
    mpq_class held(FromUInt128(value.Magnitude()), scale);
    held.canonicalize();
    // Rounded once, to the nearest value at the scale kept: within half a unit of its last place.
    mpq_class error = held - exact;
    if (error < 0) error = -error;
    FUZZ_CHECK(error * 2 * scale <= 1);
    FUZZ_CHECK(exact <= largest || held == largest);
    return 0;
}
