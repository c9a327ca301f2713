#include "core/tools/divisors_search_big.h"

#include <queue>
#include <vector>

#include "core/input/read_big_integer.h"
#include "core/input/read_number.h"
#include "core/nt/factor_big.h"
#include "core/nt/lucas_lehmer.h"
#include "core/run_control.h"
#include "core/tools/search_output.h"

namespace numerel {

namespace {

// A bound as the button reads it: a non-negative integer (a negative one counts as 0, which the
// repair turns into 2), or why it is turned away.
struct Bound {
    enum class Kind { Value, NotInteger, OverLimit } kind = Kind::Value;
    mpz_class value;
};

Bound ReadBound(PathButton path, std::string_view text) {
    if (path == PathButton::Binary64) {
        const BigInteger read = ReadExactBigInteger(text);
        switch (read.status) {
            case ExactStatus::Exact:
                return {Bound::Kind::Value, read.value};
            case ExactStatus::Negative:
                return {Bound::Kind::Value, 0};
            case ExactStatus::Overflow:
                return {Bound::Kind::OverLimit, 0};
            case ExactStatus::Fraction:
                break;
        }
        return {Bound::Kind::NotInteger, 0};
    }
    const BigIntegerRead read = ReadBigInteger(text);
    switch (read.status) {
        case BigReadStatus::Ok:
            return {Bound::Kind::Value, read.value < 0 ? mpz_class(0) : read.value};
        case BigReadStatus::Overflow:
            return {Bound::Kind::OverLimit, 0};
        case BigReadStatus::NotANumber:
        case BigReadStatus::Fraction:
            break;
    }
    return {Bound::Kind::NotInteger, 0};
}

Rejection OverLimit() {
    return {.message = OverLimitMessage(InputLimit::Digits1000),
            .effect = FieldEffect::EmptyAllBackward};
}

std::optional<Rejection> Refusal(const Bound& bound) {
    switch (bound.kind) {
        case Bound::Kind::Value:
            return std::nullopt;
        case Bound::Kind::NotInteger:
            return Rejection{.message = DivisorsNotIntegerMessage(), .focus = FocusAfter::First};
        case Bound::Kind::OverLimit:
            return OverLimit();
    }
    return std::nullopt;
}

bool IsSmallPrime(unsigned p) {
    if (p < 2) return false;
    for (unsigned d = 2; d * d <= p; ++d)
        if (p % d == 0) return false;
    return true;
}

// sigma(n) from n's factorization.
mpz_class DivisorSum(const std::vector<BigPrimePower>& primes) {
    mpz_class sigma = 1, power;
    for (const BigPrimePower& f : primes) {
        mpz_pow_ui(power.get_mpz_t(), f.prime.get_mpz_t(),
                   static_cast<unsigned long>(f.exponent) + 1);
        sigma *= (power - 1) / (f.prime - 1);
    }
    return sigma;
}

// The divisors d <= limit of a number with the given factorization, one at a time in increasing
// order. Each divisor is a product of primes taken in increasing order, the first copies of each
// prime first; it is reached from exactly one smaller one: by one more copy of its last prime,
// by the first copy of the next prime, or (when it holds one copy of its last prime) by
// replacing that copy with the next prime. A heap hands them out smallest first and holds at
// most two more than were handed out.
class AscendingDivisors {
public:
    AscendingDivisors(const std::vector<BigPrimePower>& primes, mpz_class limit)
        : primes_(primes), limit_(std::move(limit)) {}

    // The next divisor into d; false when there is none.
    bool Next(mpz_class& d) {
        if (first_) {
            first_ = false;
            d = 1;
            if (!primes_.empty()) Push(primes_[0].prime, 0, 1);
            return d <= limit_;
        }
        if (heap_.empty()) return false;
        Node node = heap_.top();
        heap_.pop();
        const std::size_t last = node.prime;
        if (node.copies < primes_[last].exponent)
            Push(node.value * primes_[last].prime, last, node.copies + 1);
        if (last + 1 < primes_.size()) {
            const mpz_class& next = primes_[last + 1].prime;
            Push(node.value * next, last + 1, 1);
            if (node.copies == 1) Push(node.value / primes_[last].prime * next, last + 1, 1);
        }
        d = std::move(node.value);
        return true;
    }

private:
    struct Node {
        mpz_class value;
        std::size_t prime;  // the index of its largest prime
        int copies;         // of that prime
    };
    struct Larger {
        bool operator()(const Node& x, const Node& y) const { return x.value > y.value; }
    };

    void Push(mpz_class value, std::size_t prime, int copies) {
        // Every divisor reached from one above the limit is above it too.
        if (value <= limit_) heap_.push({std::move(value), prime, copies});
    }

    const std::vector<BigPrimePower>& primes_;
    const mpz_class limit_;
    bool first_ = true;
    std::priority_queue<Node, std::vector<Node>, Larger> heap_;
};

constexpr int kPairsPerPoll = 256;

}  // namespace

std::optional<DivisorsBigChecked> DivisorsCheckBig(PathButton path, std::string_view from_text,
                                                   std::string_view to_text, bool perfect_only) {
    static const mpz_class decimal96_max = (mpz_class(1) << 96) - 1;
    static const mpz_class beyond_limit = [] {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, kBigInputDigits);
        return power;
    }();
    const Bound lower = ReadBound(path, from_text);
    const Bound upper = ReadBound(path, to_text);
    const auto beyond = [&](const Bound& bound) {
        return bound.kind == Bound::Kind::OverLimit ||
               (bound.kind == Bound::Kind::Value && bound.value > decimal96_max);
    };
    DivisorsBigInput input;
    input.perfect_only = perfect_only;
    input.from = lower.value < 2 ? mpz_class(2) : lower.value;
    input.to = input.from >= upper.value ? mpz_class(input.from + 1) : upper.value;
    const bool repaired_beyond = lower.kind == Bound::Kind::Value &&
                                 upper.kind == Bound::Kind::Value && input.to > decimal96_max;
    if (!beyond(lower) && !beyond(upper) && !repaired_beyond) return std::nullopt;
    if (const auto refusal = Refusal(lower)) return *refusal;
    if (const auto refusal = Refusal(upper)) return *refusal;
    if (input.to >= beyond_limit) return OverLimit();
    if (input.from != lower.value) input.from_text = "2";
    if (input.to != upper.value) input.to_text = input.to.get_str();
    return input;
}

void ForEachPerfectNumber(const mpz_class& lo, const mpz_class& hi,
                          const std::function<void(const mpz_class&)>& visit) {
    // Euclid-Euler: an even n is perfect exactly when n = 2^(p-1)(2^p - 1) with 2^p - 1 prime,
    // and then p is prime. Odd perfect numbers: none below 10^1500 (P. Ochem, M. Rao, "Odd
    // perfect numbers are greater than 10^1500", Math. Comp. 81 (2012) 1869-1877).
    for (unsigned p = 2;; ++p) {
        if (!IsSmallPrime(p)) continue;
        PollStop();
        const mpz_class mersenne = (mpz_class(1) << p) - 1;
        const mpz_class n = mersenne << (p - 1);
        if (n > hi) return;
        if (n >= lo && IsMersennePrime(p)) visit(n);
    }
}

DivisorsOutcome DivisorsRunBig(const DivisorsBigInput& input, ResultSink& sink,
                               const ProgressFn& progress) {
    const mpz_class& a = input.from;
    const mpz_class& b = input.to;
    const mpz_class span = b - a;
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    DivisorsOutcome outcome;
    std::string summary;
    mpz_class kept;  // whole blocks listed before the budget ran out
    const auto perfect = [&](const mpz_class& n) {
        ++outcome.count;
        AppendDecimal(summary, n);
        summary += ',';
    };
    const auto perfect_line = [&](const mpz_class& n) {
        text += "●";
        AppendDecimal(text, n);
        text += "是完全数";
        out.EndLine();
    };
    try {
        if (input.perfect_only) {
            ForEachPerfectNumber(a, b, [&](const mpz_class& n) {
                perfect(n);
                perfect_line(n);
                if (progress) progress(FractionOf(n - a, span));
            });
        } else {
            mpz_class d, pairs_sum;
            for (mpz_class n = a; n <= b; ++n) {
                PollStop();
                if (out.Full()) {
                    outcome.cut = true;
                    kept = n - a;
                    ForEachPerfectNumber(n, b, perfect);
                    break;
                }
                text += ' ';
                AppendDecimal(text, n);
                text += " 的因数有:";
                out.Commit();
                const BigFactorization factors = FactorBig(n);
                if (factors.stopped) throw RunStopped();
                const bool is_perfect = DivisorSum(factors.primes) == 2 * n;
                AscendingDivisors divisors(factors.primes, sqrt(n));
                for (int listed = 0; divisors.Next(d); ++listed) {
                    if (listed % kPairsPerPoll == kPairsPerPoll - 1) PollStop();
                    text += '(';
                    AppendDecimal(text, d);
                    text += ',';
                    mpz_divexact(pairs_sum.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
                    AppendDecimal(text, pairs_sum);
                    text += ')';
                    out.Commit();
                    if (out.Full()) {
                        // The budget ran out inside the block: the rest of it is not listed.
                        outcome.cut = true;
                        kept = n - a;
                        break;
                    }
                }
                if (is_perfect) {
                    perfect(n);
                    if (!outcome.cut) perfect_line(n);
                }
                if (progress) progress(FractionOf(n - a, span));
                if (outcome.cut) {
                    ForEachPerfectNumber(n + 1, b, perfect);
                    break;
                }
                out.EndLine();
            }
        }
    } catch (const RunStopped&) {
        outcome.stopped = true;
    }
    if (outcome.stopped) {
        out.NoteLine(kStoppedLine);
    } else if (outcome.cut) {
        out.NoteLine(FullLine(sink, kept, mpz_class(span + 1), "个"));
    }
    out.Flush();
    outcome.summary =
        summary + CountCaption(static_cast<std::uint64_t>(outcome.count), "个", outcome.stopped);
    return outcome;
}

}  // namespace numerel
