#include "core/long/long_quot.h"

#include <utility>

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_messages.h"

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

DigitString LongIntQuot(const DigitString& a, const DigitString& b, Prompter& prompter) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) {
        prompter.Show(ZeroDivisorMessage());
        return "0";
    }
    // An empty dividend is 0, as in every other operation of the calculator.
    if (d.q == "1") return d.p.empty() ? DigitString("0") : DigitString(d.p);
    mpz_class quotient;
    mpz_fdiv_q(quotient.get_mpz_t(), d.p_value.get_mpz_t(), d.q_value.get_mpz_t());
    return MpzToDigits(quotient);
}

DigitString LongMod(const DigitString& a, const DigitString& b, Prompter& prompter) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) {
        prompter.Show(ZeroDivisorMessage());
        return "";
    }
    if (d.q == "1" || d.p.empty()) return "0";
    mpz_class remainder;
    mpz_fdiv_r(remainder.get_mpz_t(), d.p_value.get_mpz_t(), d.q_value.get_mpz_t());
    return MpzToDigits(remainder);
}

DigitString LongGcd(const DigitString& a, const DigitString& b, Prompter& prompter) {
    DigitString x = a;
    DigitString y = b;
    if (LongCompare(x, y) == -1) SwapDigits(x, y);
    if (IsZeroOrEmpty(x) || IsZeroOrEmpty(y)) return "";
    const DigitString r = LongMod(x, y, prompter);
    if (r == "0") return y;
    // An empty remainder comes from a zero divisor; the next round then stops on it.
    if (r.empty()) return "";
    // From here every operand is a remainder without leading zeros, and Euclid's last non-zero
    // remainder is the gcd of y and r.
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), DigitsToMpz(y).get_mpz_t(), DigitsToMpz(r).get_mpz_t());
    return MpzToDigits(g);
}

}  // namespace numerel
