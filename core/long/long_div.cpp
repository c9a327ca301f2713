#include "core/long/long_div.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/long/long_expansion.h"
#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_precision.h"
#include "core/run_in_child.h"

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

// What the division knows before it needs a precision.
struct Reduced {
    enum Kind : char {
        kZeroDivisor = 'z',  // only a text of non-digits gets here
        kZero = '0',
        kWhole = 'w',        // text: the integer quotient
        kTerminating = 't',  // text: all the digits
        kRepeating = 'r',    // text: the prefix ("12." or "0."), then r / den from m places on
    };
    Kind kind = kZero;
    std::string text;
    std::size_t m = 0;
    mpz_class r;
    mpz_class den;
};

Reduced Reduce(const DigitString& a, const DigitString& b) {
    Reduced out;
    mpz_class num = DigitsToMpz(a);
    mpz_class den = DigitsToMpz(b);
    if (den == 0) {
        out.kind = Reduced::kZeroDivisor;
        return out;
    }
    if (num == 0) return out;
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), num.get_mpz_t(), den.get_mpz_t());
    if (g != 1) {
        mpz_divexact(num.get_mpz_t(), num.get_mpz_t(), g.get_mpz_t());
        mpz_divexact(den.get_mpz_t(), den.get_mpz_t(), g.get_mpz_t());
    }
    if (den == 1) {
        out.kind = Reduced::kWhole;
        out.text = MpzToDigits(num);
        return out;
    }
    // The result is built in one text, the prefix first and the digits appended to it.
    mpz_class r = num;
    if (num > den) {
        mpz_class quotient;
        mpz_fdiv_qr(quotient.get_mpz_t(), r.get_mpz_t(), num.get_mpz_t(), den.get_mpz_t());
        out.text = MpzToDigits(quotient);
        out.text += '.';
    } else {
        out.text = "0.";
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
        out.text.append(m - std::min(m, tail.size()), '0');
        out.text += tail;
        out.kind = Reduced::kTerminating;
        return out;
    }
    out.kind = Reduced::kRepeating;
    out.m = m;
    out.r = std::move(r);
    out.den = std::move(den);
    return out;
}

// Reduced as text, to come back from a child process: kind, m, r and den in hexadecimal (linear
// to write and read), each on a line, then the text.
std::string Serialize(const Reduced& reduced) {
    return std::string(1, static_cast<char>(reduced.kind)) + '\n' + std::to_string(reduced.m) +
           '\n' + reduced.r.get_str(16) + '\n' + reduced.den.get_str(16) + '\n' + reduced.text;
}

Reduced Deserialize(const std::string& text) {
    const std::size_t end_m = text.find('\n', 2);
    const std::size_t end_r = text.find('\n', end_m + 1);
    const std::size_t end_den = text.find('\n', end_r + 1);
    if (text.size() < 2 || end_den == std::string::npos) {
        throw std::runtime_error("division: malformed result");
    }
    Reduced reduced;
    reduced.kind = static_cast<Reduced::Kind>(text[0]);
    reduced.m = std::stoull(text.substr(2, end_m - 2));
    reduced.r.set_str(text.substr(end_m + 1, end_r - end_m - 1), 16);
    reduced.den.set_str(text.substr(end_r + 1, end_den - end_r - 1), 16);
    reduced.text = text.substr(end_den + 1);
    return reduced;
}

// Operands from this many digits on are reduced and expanded in a child process that a stop
// kills: each GMP call on them (the gcd, a chunk of the expansion) can take long.
constexpr std::size_t kChildOperandDigits = 100'000;

// Appends the digits after the prefix to `out`: the non-periodic head, then the expansion to
// precision n or until the repeat. Returns whether the limit stopped the until-repeat search.
bool AppendAfterPrefix(mpz_class r, const mpz_class& den, std::size_t m, std::size_t shortfall,
                       bool until_repeat, double n, std::string& out) {
    mpz_class non_periodic;
    mpz_fdiv_qr(non_periodic.get_mpz_t(), r.get_mpz_t(), r.get_mpz_t(), den.get_mpz_t());
    const std::string head = non_periodic == 0 ? std::string() : MpzToDigits(non_periodic);
    out.append(m - std::min(m, head.size()), '0');
    out += head;
    if (until_repeat) return AppendExpansionUntilRepeat(r, den, shortfall, out);
    AppendExpansionToPrecision(r, den, n, shortfall, out);
    return false;
}

// The integer case, a and b without leading zeros, neither zero: the reduced fraction and the
// operands' trailing zeros.
struct IntegerPlan {
    Reduced reduced;
    std::size_t tp = 0;
    std::size_t tq = 0;
    double operand_digits = 0.0;
    bool in_child = false;
};

IntegerPlan PlanIntegers(DigitString a, DigitString b) {
    IntegerPlan plan;
    plan.tp = StripTrailingZeros(a);
    plan.tq = StripTrailingZeros(b);
    plan.operand_digits = static_cast<double>(a.size() + b.size());
    RequireMemory(DivisionMemory(plan.operand_digits, 0.0));
    plan.in_child = a.size() + b.size() >= kChildOperandDigits;
    plan.reduced = plan.in_child ? Deserialize(RunInChild([&] { return Serialize(Reduce(a, b)); }))
                                 : Reduce(a, b);
    return plan;
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

DivisionPlan PlanDivision(const DigitString& a, const DigitString& b) {
    DivisionPlan plan;
    DigitString x = a;
    DigitString y = b;
    TrimLeadingZeros(x);
    TrimLeadingZeros(y);
    // Any numeral of value zero ("0.0", ".") is a zero divisor, also before the equal-texts
    // shortcut, which would make 0.0 / 0.0 one.
    if (IsZeroOrEmpty(y) || y.find_first_of("123456789") == std::string::npos) {
        plan.result_ = LongResult::Refused(LongRefusal::ZeroDivisor);
        return plan;
    }
    if (IsZeroOrEmpty(x)) plan.result_ = LongResult::Of("0");
    if (!plan.result_ && x == y) plan.result_ = LongResult::Of("1");
    if (!plan.result_ && y == "1") plan.result_ = LongResult::Of(x);
    if (plan.result_) return plan;
    if (HasPoint(x) || HasPoint(y)) {
        SplitParts parts = SplitAtPoint(x, y);
        const std::size_t k = std::max(parts.fa.size(), parts.fb.size());
        parts.fa.resize(k, '0');
        parts.fb.resize(k, '0');
        plan = PlanDivision(parts.ia + parts.fa, parts.ib + parts.fb);
        plan.decimal_ = true;
        if (plan.result_ && !plan.result_->refusal) {
            plan.result_->digits = Finish(std::move(plan.result_->digits), 0, 0);
        }
        return plan;
    }
    IntegerPlan integers = PlanIntegers(std::move(x), std::move(y));
    Reduced& reduced = integers.reduced;
    switch (reduced.kind) {
        case Reduced::kZeroDivisor:
            plan.result_ = LongResult::Refused(LongRefusal::ZeroDivisor);
            return plan;
        case Reduced::kZero:
            plan.result_ = LongResult::Of("0");
            return plan;
        case Reduced::kWhole:
            ShiftPointRight(reduced.text, integers.tp);
            ShiftPointLeft(reduced.text, integers.tq);
            plan.result_ = LongResult::Of(std::move(reduced.text));
            return plan;
        case Reduced::kTerminating:
            plan.result_ =
                LongResult::Of(Finish(std::move(reduced.text), integers.tp, integers.tq));
            return plan;
        case Reduced::kRepeating:
            break;
    }
    plan.prefix_ = std::move(reduced.text);
    plan.m_ = reduced.m;
    plan.r_ = std::move(reduced.r);
    plan.den_ = std::move(reduced.den);
    plan.tp_ = integers.tp;
    plan.tq_ = integers.tq;
    plan.operand_digits_ = integers.operand_digits;
    plan.in_child_ = integers.in_child;
    return plan;
}

LongResult ExpandDivision(DivisionPlan plan, const Precision& precision) {
    if (!plan.NeedsPrecision()) return plan.TakeResult();
    const bool until_repeat = precision.until_repeat;
    if (!until_repeat && PrecisionTooLarge(precision)) {
        return LongResult::Refused(LongRefusal::PrecisionTooLarge);
    }
    const double n = until_repeat ? 0.0 : precision.digits;
    const std::size_t m = plan.m_;
    // Until the repeat, the digits run to twice the period at most, which is below den.
    const double expansion =
        until_repeat ? std::min(2.0 * plan.den_.get_d() + 60.0, static_cast<double>(kMaxLongDigits))
                     : n;
    // From a child the digits come as a text of their own, copied into the result.
    RequireMemory(DivisionMemory(
        plan.operand_digits_,
        static_cast<double>(plan.prefix_.size() + m) + (plan.in_child_ ? 3.0 : 1.0) * expansion));
    LongResult result = LongResult::Of(std::move(plan.prefix_));
    // Moving the point tp places right must not run past the digits computed: every place it
    // uncovers gets its true digit, never a filler zero.
    const std::size_t shortfall = plan.tp_ > m ? plan.tp_ - m : 0;
    if (plan.in_child_) {
        // The first character says whether the limit stopped the search.
        const std::string digits = RunInChild(
            [&] {
                std::string out = "0";
                if (AppendAfterPrefix(plan.r_, plan.den_, m, shortfall, until_repeat, n, out)) {
                    out[0] = '1';
                }
                return out;
            },
            static_cast<std::size_t>(expansion) + m + 16);
        result.repetend_not_found = digits[0] == '1';
        result.digits.append(digits, 1);
    } else {
        result.repetend_not_found =
            AppendAfterPrefix(plan.r_, plan.den_, m, shortfall, until_repeat, n, result.digits);
    }
    result.digits = Finish(std::move(result.digits), plan.tp_, plan.tq_);
    if (plan.decimal_) result.digits = Finish(std::move(result.digits), 0, 0);
    return result;
}

LongResult LongDiv(const DigitString& a, const DigitString& b, const Precision& precision) {
    DivisionPlan plan = PlanDivision(a, b);
    return plan.NeedsPrecision() ? ExpandDivision(std::move(plan), precision) : plan.TakeResult();
}

}  // namespace numerel
