#include "core/long_quot.h"

#include <utility>

#include "core/long_kernel.h"
#include "core/long_messages.h"

namespace numerel {

namespace {

bool IsZeroOrEmpty(const DigitString& a) {
    return a.empty() || a == "0";
}

// The trimmed operands and whether the divisor is zero (its text or, for texts the page never
// passes, such as "0.0", its value).
struct Division {
    DigitString p, q;
    bool zero_divisor = false;
};

Division Prepare(const DigitString& a, const DigitString& b) {
    Division d{a, b};
    TrimLeadingZeros(d.p);
    TrimLeadingZeros(d.q);
    d.zero_divisor = IsZeroOrEmpty(d.q) || DigitsToMpz(d.q) == 0;
    return d;
}

}  // namespace

DigitString LongIntQuot(const DigitString& a, const DigitString& b, Prompter& prompter) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) {
        prompter.Show(ZeroDivisorMessage());
        return "0";
    }
    if (d.q == "1") return d.p;
    mpz_class quotient;
    mpz_fdiv_q(quotient.get_mpz_t(), DigitsToMpz(d.p).get_mpz_t(), DigitsToMpz(d.q).get_mpz_t());
    return MpzToDigits(quotient);
}

DigitString LongMod(const DigitString& a, const DigitString& b, Prompter& prompter) {
    const Division d = Prepare(a, b);
    if (d.zero_divisor) {
        prompter.Show(ZeroDivisorMessage());
        return "";
    }
    if (d.q == "1") return "0";
    if (d.p.empty()) return "";
    mpz_class remainder;
    mpz_fdiv_r(remainder.get_mpz_t(), DigitsToMpz(d.p).get_mpz_t(), DigitsToMpz(d.q).get_mpz_t());
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
