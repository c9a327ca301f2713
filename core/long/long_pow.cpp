#include "core/long/long_pow.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_mul.h"
#include "core/run_control.h"

namespace numerel {

namespace {

constexpr std::int64_t kSaturated = std::int64_t{1} << 62;

// The trimmed base as digits m and fraction length k: a = m / 10^k, m without trailing zeros
// when k > 0.
struct ScaledBase {
    std::string m;
    std::size_t k = 0;
};

ScaledBase Canonical(const DigitString& a) {
    DigitString x = a;
    TrimLeadingZeros(x);
    TrimFraction(x);
    ScaledBase base;
    const std::size_t point = x.find('.');
    if (point == std::string::npos) {
        base.m = x;
    } else {
        const std::string fraction = x.substr(point + 1, x.find('.', point + 1) - point - 1);
        base.m = x.substr(0, point) + fraction;
        base.k = fraction.size();
    }
    base.m.erase(0, std::min(base.m.find_first_not_of('0'), base.m.size()));
    return base;
}

}  // namespace

std::int64_t RoundedLeadingInteger(std::string_view n) {
    std::size_t i = 0;
    bool negative = false;
    if (i < n.size() && (n[i] == '-' || n[i] == '+')) negative = n[i++] == '-';
    std::int64_t value = 0;
    for (; i < n.size() && IsDigit(n[i]); ++i) {
        value = value >= kSaturated / 10 ? kSaturated : value * 10 + (n[i] - '0');
    }
    if (i < n.size() && n[i] == '.') {
        ++i;
        const std::size_t first = i;
        while (i < n.size() && IsDigit(n[i])) ++i;
        const std::string_view fraction = n.substr(first, i - first);
        if (!fraction.empty() && value < kSaturated) {
            // Round half to even: above one half rounds up, exactly one half to the even side.
            const bool above_half =
                fraction[0] > '5' || (fraction[0] == '5' &&
                                      fraction.find_first_not_of('0', 1) != std::string_view::npos);
            const bool half = fraction[0] == '5' && !above_half;
            if (above_half || (half && value % 2 == 1)) ++value;
        }
    }
    return negative ? -value : value;
}

double EstimatePowerLength(const DigitString& a, std::int64_t c) {
    if (c <= 0) return 1.0;
    const ScaledBase base = Canonical(a);
    const double integer_digits = static_cast<double>(c) * Log10OfDigits(base.m) + 1.0;
    const double fraction_digits = static_cast<double>(c) * static_cast<double>(base.k) + 2.0;
    return base.k == 0 ? integer_digits : std::max(integer_digits, fraction_digits);
}

double EstimateFactorialLength(std::int64_t n) {
    if (n <= 1) return 1.0;
    return std::lgamma(static_cast<double>(n) + 1.0) / std::log(10.0) + 1.0;
}

DigitString LongPow(const DigitString& a, const DigitString& n) {
    if (a == "1") return "1";
    if (n == "1") return a;
    if (a == "0" && n != "0" && !n.empty()) return "0";
    const std::int64_t c = RoundedLeadingInteger(n);
    if (c <= 0) return "1";
    if (c == 1) return LongMul(a, "1");
    if (c > std::numeric_limits<std::int32_t>::max()) {
        throw std::out_of_range("LongPow: exponent above 2147483647");
    }
    const ScaledBase base = Canonical(a);
    if (base.m.empty()) return "0";
    if (base.m == "1" && base.k == 0) return "1";
    const double length = EstimatePowerLength(a, c);
    if (length > static_cast<double>(kMaxLongDigits)) {
        throw std::length_error("LongPow: result too long");
    }
    RequireMemory(PowerMemory(length));
    const std::size_t zeros = base.k == 0 ? CountTrailingZeros(base.m) : 0;
    const std::string stripped = base.m.substr(0, base.m.size() - zeros);
    DigitString result = StoppableDigits(length, [&] {
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), DigitsToMpz(stripped).get_mpz_t(),
                   static_cast<unsigned long>(c));
        PollStop();
        return MpzToDigits(power);
    });
    PollStop();
    result.append(zeros * static_cast<std::size_t>(c), '0');
    if (base.k == 0) return result;
    result = PlacePointFromRight(result, base.k * static_cast<std::size_t>(c));
    TrimFraction(result);
    return result;
}

DigitString LongFactorial(std::int32_t n) {
    if (n <= 0) return "1";
    const double length = EstimateFactorialLength(n);
    if (length > static_cast<double>(kMaxLongDigits)) {
        throw std::length_error("LongFactorial: result too long");
    }
    RequireMemory(PowerMemory(length));
    return StoppableDigits(length, [n] {
        mpz_class product;
        mpz_fac_ui(product.get_mpz_t(), static_cast<unsigned long>(n));
        PollStop();
        return MpzToDigits(product);
    });
}

}  // namespace numerel
