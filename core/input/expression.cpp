#include "core/input/expression.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "core/input/numeral.h"

namespace numerel {

namespace {

// Every parenthesis and exponent nests through Signed, which counts the depth.
constexpr int kMaxDepth = 200;
constexpr std::string_view kTimesSign = "\xC3\x97";  // "×" in UTF-8

std::size_t Bits(const mpz_class& v) {
    return v == 0 ? 0 : mpz_sizeinbase(v.get_mpz_t(), 2);
}

// True when the text, blanks dropped, is one decimal numeral as ReadNumber reads it.
bool IsPlainNumeral(const std::string& compact) {
    Numeral numeral;
    std::size_t end = 0;
    return ScanNumeral(compact, true, numeral, end) && end == compact.size();
}

// A recursive-descent reader that evaluates as it reads. Once a value fails (NotInteger,
// TooLarge) it only reads on, so the text is still decided to be complete or not.
class Evaluator {
public:
    Evaluator(std::string_view text, std::size_t max_digits)
        : text_(text),
          work_digits_(4 * max_digits + 20),
          work_bits_(static_cast<std::size_t>(static_cast<double>(work_digits_) * 3.3219281) + 1) {}

    bool Complete(mpz_class& out) { return Sum(out) && pos_ == text_.size(); }
    ExpressionStatus Status() const { return status_; }

private:
    bool Failed() const { return status_ != ExpressionStatus::Value; }
    void Fail(ExpressionStatus status) {
        if (!Failed()) status_ = status;
    }
    // The value just computed must stay within the working length.
    void Check(const mpz_class& v) {
        if (!Failed() && Bits(v) > work_bits_) Fail(ExpressionStatus::TooLarge);
    }
    bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool AtTimes() const { return text_.substr(pos_, kTimesSign.size()) == kTimesSign; }

    bool Sum(mpz_class& out) {
        if (!Product(out)) return false;
        while (At('+') || At('-')) {
            const bool minus = text_[pos_++] == '-';
            mpz_class rhs;
            if (!Product(rhs)) return false;
            if (Failed()) continue;
            if (minus) out -= rhs;
            if (!minus) out += rhs;
            Check(out);
        }
        return true;
    }

    bool Product(mpz_class& out) {
        if (!Signed(out)) return false;
        for (;;) {
            const bool times = At('*') || AtTimes();
            const bool divide = At('/');
            if (!times && !divide) return true;
            pos_ += AtTimes() ? kTimesSign.size() : 1;
            mpz_class rhs;
            if (!Signed(rhs)) return false;
            if (Failed()) continue;
            if (divide) {
                if (rhs == 0 || !mpz_divisible_p(out.get_mpz_t(), rhs.get_mpz_t())) {
                    Fail(ExpressionStatus::NotInteger);
                    continue;
                }
                mpz_divexact(out.get_mpz_t(), out.get_mpz_t(), rhs.get_mpz_t());
                continue;
            }
            if (out != 0 && rhs != 0 && Bits(out) + Bits(rhs) - 1 > work_bits_) {
                Fail(ExpressionStatus::TooLarge);
                continue;
            }
            out *= rhs;
            Check(out);
        }
    }

    // One sign at most: "--5" and "+-5" are not read as expressions.
    bool Signed(mpz_class& out) {
        const bool minus = At('-');
        if (minus || At('+')) ++pos_;
        if (At('+') || At('-')) return false;
        if (++depth_ > kMaxDepth) return false;
        const bool ok = Power(out);
        --depth_;
        if (minus) out = -out;
        return ok;
    }

    bool Power(mpz_class& out) {
        if (!Postfix(out)) return false;
        if (!At('^')) return true;
        ++pos_;
        mpz_class exponent;
        if (!Signed(exponent)) return false;
        if (!Failed()) Raise(out, exponent);
        return true;
    }

    void Raise(mpz_class& base, const mpz_class& exponent) {
        const bool odd = mpz_odd_p(exponent.get_mpz_t()) != 0;
        if (base == 1 || base == -1) {
            if (base == -1 && !odd) base = 1;
            return;
        }
        if (exponent < 0) {
            Fail(ExpressionStatus::NotInteger);  // 1/base^|exponent|, or a division by zero
            return;
        }
        if (exponent == 0) {
            base = 1;
            return;
        }
        if (base == 0) return;
        // |base| >= 2: every factor adds at least Bits(base) - 1 bits.
        if (exponent > work_bits_ || (Bits(base) - 1) * exponent.get_ui() + 1 > work_bits_) {
            Fail(ExpressionStatus::TooLarge);
            return;
        }
        mpz_pow_ui(base.get_mpz_t(), base.get_mpz_t(), exponent.get_ui());
        Check(base);
    }

    bool Postfix(mpz_class& out) {
        if (!Primary(out)) return false;
        while (At('!')) {
            ++pos_;
            if (!Failed()) Factorial(out);
        }
        return true;
    }

    void Factorial(mpz_class& n) {
        if (n < 0) {
            Fail(ExpressionStatus::NotInteger);
            return;
        }
        // n! has more than n bits from n = 8 on; below, lgamma bounds it from beneath.
        if (n > work_bits_ ||
            std::lgamma(n.get_d() + 1) / std::log(2.0) - 1 > static_cast<double>(work_bits_)) {
            Fail(ExpressionStatus::TooLarge);
            return;
        }
        mpz_fac_ui(n.get_mpz_t(), n.get_ui());
        Check(n);
    }

    bool Primary(mpz_class& out) {
        if (At('(')) {
            ++pos_;
            if (!Sum(out) || !At(')')) return false;
            ++pos_;
            return true;
        }
        Numeral numeral;
        std::size_t length = 0;
        if (pos_ >= text_.size() || text_[pos_] == '+' || text_[pos_] == '-' ||
            !ScanNumeral(text_.substr(pos_), true, numeral, length)) {
            return false;
        }
        pos_ += length;
        if (Failed()) return true;
        Normalise(numeral);
        if (numeral.digits.empty()) {
            out = 0;
            return true;
        }
        if (numeral.exponent < 0) {
            Fail(ExpressionStatus::NotInteger);
            return true;
        }
        if (static_cast<std::int64_t>(numeral.digits.size()) + numeral.exponent >
            static_cast<std::int64_t>(work_digits_)) {
            Fail(ExpressionStatus::TooLarge);
            return true;
        }
        out = mpz_class(numeral.digits, 10);
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(numeral.exponent));
        out *= power;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    ExpressionStatus status_ = ExpressionStatus::Value;
    std::size_t work_digits_;
    std::size_t work_bits_;
};

}  // namespace

ExpressionValue EvaluateExpression(std::string_view text, std::size_t max_digits) {
    // Most texts are plain numerals: without an operator character they are no expression.
    if (text.find_first_of("+-*/^!()\xC3") == std::string_view::npos) return {};
    const std::string compact = WithoutBlanks(text);
    if (compact.empty() || IsPlainNumeral(compact)) return {};
    Evaluator evaluator(compact, max_digits);
    ExpressionValue result;
    if (!evaluator.Complete(result.value)) return {};
    result.status = evaluator.Status();
    if (result.status != ExpressionStatus::Value) {
        result.value = 0;
        return result;
    }
    mpz_class limit;
    mpz_ui_pow_ui(limit.get_mpz_t(), 10, max_digits);
    if (abs(result.value) >= limit) {
        result.status = ExpressionStatus::TooLarge;
        result.value = 0;
    }
    return result;
}

}  // namespace numerel
