#include "core/long/long_quot.h"

#include <utility>

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"

namespace numerel {

namespace {

// The operands as TrimLeadingZeros leaves them, their values, and whether the divisor is zero
// (its text or, for texts the page never passes, such as "0.0", its value).
struct Division {
    std::string_view p, q;
    mpz_class p_value, q_value;
    bool zero_divisor = false;
};

Division Prepare(const DigitString& a, const DigitString& b) {
    Division d;
    const std::size_t p_offset = TrimmedOffset(a);
    const std::size_t q_offset = TrimmedOffset(b);
    d.p = std::string_view(a).substr(p_offset);
    d.q = std::string_view(b).substr(q_offset);
    if (d.q.empty() || d.q == "0") {
        d.zero_divisor = true;
        return d;
    }
    RequireMemory(DivisionMemory(static_cast<double>(d.p.size() + d.q.size()), 0.0));
    d.q_value = DigitsToMpz(b, q_offset);
    d.zero_divisor = d.q_value == 0;
    if (!d.zero_divisor && d.q != "1") d.p_value = DigitsToMpz(a, p_offset);
    return d;
}

}  // namespace

LongResult LongIntQuot(const DigitString& a, const DigitString& b) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) return LongResult::Refused(LongRefusal::ZeroDivisor);
    // An empty dividend is 0, as in every other operation of the calculator.
    if (d.q == "1") return LongResult::Of(d.p.empty() ? DigitString("0") : DigitString(d.p));
    mpz_class quotient;
    mpz_fdiv_q(quotient.get_mpz_t(), d.p_value.get_mpz_t(), d.q_value.get_mpz_t());
    return LongResult::Of(MpzToDigits(quotient));
}

LongResult LongMod(const DigitString& a, const DigitString& b) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) return LongResult::Refused(LongRefusal::ZeroDivisor);
    if (d.q == "1" || d.p.empty()) return LongResult::Of("0");
    mpz_class remainder;
    mpz_fdiv_r(remainder.get_mpz_t(), d.p_value.get_mpz_t(), d.q_value.get_mpz_t());
    return LongResult::Of(MpzToDigits(remainder));
}

LongResult LongGcd(const DigitString& a, const DigitString& b) {
    DigitString x = a;
    DigitString y = b;
    if (LongCompare(x, y) == -1) SwapDigits(x, y);
    if (IsZeroOrEmpty(x) || IsZeroOrEmpty(y)) return LongResult::Of("");
    LongResult r = LongMod(x, y);
    if (r.refusal) return r;
    if (r.digits == "0") return LongResult::Of(std::move(y));
    // From here every operand is a remainder without leading zeros, and Euclid's last non-zero
    // remainder is the gcd of y and r.
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), DigitsToMpz(y).get_mpz_t(), DigitsToMpz(r.digits).get_mpz_t());
    return LongResult::Of(MpzToDigits(g));
}

}  // namespace numerel
