#include "core/input/read_number.h"

#include <gmpxx.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace numerel {

namespace {

// Exponents are saturated here; it is far beyond any length a text can have, so a saturated
// exponent still overflows or underflows exactly as the true one would.
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Beyond these powers of ten of the leading digit a binary64 overflows / underflows to zero.
constexpr std::int64_t kBinary64MaxOrder = 400;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal numeral: the value is digits (read as an integer) * 10^exponent.
struct Numeral {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// Reads the longest numeral at the start of text: sign, digits with at most one point, and an
// exponent letter followed by an optional sign and at least one digit (otherwise the numeral ends
// before the letter). Returns false when there is no mantissa digit; pos is where reading stopped.
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

// Drops leading zeros of the digits and trailing zeros into the exponent.
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

// "&H1F" / "&O17": the longest run of valid digits after the prefix, as a non-negative integer.
Numeral RadixNumeral(std::string_view digits, int base) {
    std::size_t length = 0;
    while (length < digits.size()) {
        const char c = digits[length];
        int value = base;
        if (IsDigit(c)) value = c - '0';
        if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
        if (value >= base) break;
        ++length;
    }
    Numeral numeral;
    numeral.digits = "0";
    if (length == 0) return numeral;
    const mpz_class integer(std::string(digits.substr(0, length)), base);
    numeral.digits = integer.get_str(10);
    return numeral;
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
bool ScanLeadingNumeral(std::string_view text, Numeral& numeral) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    if (compact.size() >= 2 && compact[0] == '&') {
        if (compact[1] == 'H' || compact[1] == 'h') {
            numeral = RadixNumeral(std::string_view(compact).substr(2), 16);
            return true;
        }
        if (compact[1] == 'O' || compact[1] == 'o') {
            numeral = RadixNumeral(std::string_view(compact).substr(2), 8);
            return true;
        }
    }
    std::size_t end = 0;
    return ScanNumeral(compact, true, numeral, end);
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

}  // namespace

double ReadNumber(std::string_view text) {
    Numeral numeral;
    if (!ScanLeadingNumeral(text, numeral)) return 0.0;
    return ToBinary64(std::move(numeral));
}

bool IsWhole(double x) {
    return std::isinf(x) || (std::isfinite(x) && std::floor(x) == x);
}

ExactInteger ReadExactInteger(std::string_view text) {
    Numeral numeral;
    if (!ScanLeadingNumeral(text, numeral)) return {ExactStatus::Exact, 0};
    Normalise(numeral);
    if (!numeral.digits.empty() && numeral.exponent < 0) return {ExactStatus::Fraction, 0};
    return WholeValue(numeral);
}

std::optional<ExactInteger> ReadDecimalIntegerPart(std::string_view text) {
    Numeral numeral;
    if (!ScanWholeText(text, numeral)) return std::nullopt;
    Normalise(numeral);
    if (numeral.exponent < 0) {
        const auto dropped = static_cast<std::size_t>(std::min<std::int64_t>(
            -numeral.exponent, static_cast<std::int64_t>(numeral.digits.size())));
        numeral.digits.resize(numeral.digits.size() - dropped);
        numeral.exponent = 0;
        Normalise(numeral);
    }
    return WholeValue(numeral);
}

DecimalRead ReadDecimal(std::string_view text) {
    Numeral numeral;
    if (!ScanWholeText(text, numeral)) return DecimalRead{};
    return ToDecimal96(numeral);
}

}  // namespace numerel
