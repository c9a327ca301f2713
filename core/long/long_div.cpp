#include "core/long/long_div.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/long/long_expansion.h"
#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_messages.h"
#include "core/long/long_precision.h"

namespace numerel {

namespace {

DigitString Finish(DigitString result, std::size_t tp, std::size_t tq) {
    TrimFraction(result);
    ShiftPointRight(result, tp);
    ShiftPointLeft(result, tq);
    return result;
}

std::size_t StripTrailingZeros(DigitString& a) {
    const std::size_t zeros = CountTrailingZeros(a);
    a.resize(a.size() - zeros);
    return zeros;
}

// The integer case: a and b without leading zeros, neither zero.
DigitString DivideIntegers(DigitString a, DigitString b, Prompter& prompter) {
    const std::size_t tp = StripTrailingZeros(a);
    const std::size_t tq = StripTrailingZeros(b);
    const auto operand_digits = static_cast<double>(a.size() + b.size());
    RequireMemory(DivisionMemory(operand_digits, 0.0));
    mpz_class num = DigitsToMpz(a);
    mpz_class den = DigitsToMpz(b);
    if (den == 0) {  // only a text of non-digits gets here
        prompter.Show(ZeroDivisorMessage());
        return "";
    }
    if (num == 0) return "0";
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), num.get_mpz_t(), den.get_mpz_t());
    if (g != 1) {
        mpz_divexact(num.get_mpz_t(), num.get_mpz_t(), g.get_mpz_t());
        mpz_divexact(den.get_mpz_t(), den.get_mpz_t(), g.get_mpz_t());
    }
    if (den == 1) {
        DigitString result = MpzToDigits(num);
        ShiftPointRight(result, tp);
        ShiftPointLeft(result, tq);
        return result;
    }
    // The result is built in one text, the prefix first and the digits appended to it.
    DigitString result;
    mpz_class r = num;
    if (num > den) {
        mpz_class quotient;
        mpz_fdiv_qr(quotient.get_mpz_t(), r.get_mpz_t(), num.get_mpz_t(), den.get_mpz_t());
        result = MpzToDigits(quotient);
        result += '.';
    } else {
        result = "0.";
    }
    const mp_bitcnt_t t2 = mpz_remove(den.get_mpz_t(), den.get_mpz_t(), mpz_class(2).get_mpz_t());
    const mp_bitcnt_t t5 = mpz_remove(den.get_mpz_t(), den.get_mpz_t(), mpz_class(5).get_mpz_t());
    mpz_class scale;
    if (t5 < t2) mpz_ui_pow_ui(scale.get_mpz_t(), 5, t2 - t5);
    if (t5 > t2) mpz_ui_pow_ui(scale.get_mpz_t(), 2, t5 - t2);
    if (t5 != t2) r *= scale;
    const std::size_t m = std::max(t2, t5);

    if (den == 1) {
        const std::string tail = MpzToDigits(r);
        result.append(m - std::min(m, tail.size()), '0');
        result += tail;
        return Finish(std::move(result), tp, tq);
    }
    const std::optional<std::string> answer =
        AskPrecision(prompter, kDivisionPrecisionPrompt, kDivisionPrecisionTitle);
    if (!answer) return "";
    const bool until_repeat = *answer == "0";
    const double n = until_repeat ? 0.0 : PrecisionValue(*answer);
    if (!(n <= static_cast<double>(kMaxLongDigits))) {
        prompter.Show(PrecisionTooLargeMessage());
        return "";
    }
    // Until the repeat, the digits run to twice the period at most, which is below den.
    const double expansion =
        until_repeat ? std::min(2.0 * den.get_d() + 60.0, static_cast<double>(kMaxLongDigits)) : n;
    RequireMemory(
        DivisionMemory(operand_digits, static_cast<double>(result.size() + m) + expansion));
    mpz_class non_periodic;
    mpz_fdiv_qr(non_periodic.get_mpz_t(), r.get_mpz_t(), r.get_mpz_t(), den.get_mpz_t());
    const std::string head = non_periodic == 0 ? std::string() : MpzToDigits(non_periodic);
    result.append(m - std::min(m, head.size()), '0');
    result += head;
    // Moving the point tp places right must not run past the digits computed: every place it
    // uncovers gets its true digit, never a filler zero.
    const std::size_t shortfall = tp > m ? tp - m : 0;
    bool stopped = false;
    if (until_repeat) {
        stopped = AppendExpansionUntilRepeat(r, den, shortfall, result);
    } else {
        AppendExpansionToPrecision(r, den, n, shortfall, result);
    }
    if (stopped) prompter.Show(RepetendNotFoundMessage());
    return Finish(std::move(result), tp, tq);
}

}  // namespace

void LongDivStep(DigitString& r, const DigitString& q, std::int32_t& k, DigitString& digits) {
    const mpz_class divisor = DigitsToMpz(q);
    if (divisor == 0) throw std::invalid_argument("LongDivStep: zero divisor");
    const std::int64_t missing =
        static_cast<std::int64_t>(q.size()) - static_cast<std::int64_t>(r.size());
    k = static_cast<std::int32_t>(std::max<std::int64_t>(missing, 0));
    r.append(static_cast<std::size_t>(k), '0');
    if (LongCompare(r, q) == -1) {
        r += '0';
        ++k;
    }
    mpz_class quotient, remainder;
    mpz_fdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), DigitsToMpz(r).get_mpz_t(),
                divisor.get_mpz_t());
    digits.append(static_cast<std::size_t>(std::max(k - 1, 0)), '0');
    digits += MpzToDigits(quotient);
    r = MpzToDigits(remainder);
}

DigitString LongDiv(const DigitString& a, const DigitString& b, Prompter& prompter) {
    DigitString x = a;
    DigitString y = b;
    TrimLeadingZeros(x);
    TrimLeadingZeros(y);
    // Any numeral of value zero ("0.0", ".") is a zero divisor, also before the equal-texts
    // shortcut, which would make 0.0 / 0.0 one.
    if (IsZeroOrEmpty(y) || y.find_first_of("123456789") == std::string::npos) {
        prompter.Show(ZeroDivisorMessage());
        return "";
    }
    if (IsZeroOrEmpty(x)) return "0";
    if (x == y) return "1";
    if (y == "1") return x;
    if (HasPoint(x) || HasPoint(y)) {
        SplitParts parts = SplitAtPoint(x, y);
        const std::size_t k = std::max(parts.fa.size(), parts.fb.size());
        parts.fa.resize(k, '0');
        parts.fb.resize(k, '0');
        DigitString quotient = LongDiv(parts.ia + parts.fa, parts.ib + parts.fb, prompter);
        if (quotient.empty()) return "";
        return Finish(quotient, 0, 0);
    }
    return DivideIntegers(x, y, prompter);
}

}  // namespace numerel
