#include "core/tools/divisors_search.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/input/read_number.h"
#include "core/nt/factor_exact.h"
#include "core/nt/factor_sieve.h"
#include "core/run_control.h"
#include "core/tools/factor_text.h"
#include "core/tools/search_output.h"

namespace numerel {

namespace {

// A bound as read: a non-negative integer (negative bounds count as 0, which the repair turns
// into 2) or a rejection.
using Bound = Checked<uint128>;

Rejection NotInteger() {
    return {.message = DivisorsNotIntegerMessage(), .focus = FocusAfter::First};
}
Rejection OverLimit() {
    return {.message = OverLimitMessage(), .effect = FieldEffect::EmptyAllBackward};
}

Bound ReadBinary64Bound(std::string_view text) {
    const ExactInteger exact = ReadExactInteger(text);
    switch (exact.status) {
        case ExactStatus::Exact:
            return exact.value;
        case ExactStatus::Negative:
            return uint128{0};
        case ExactStatus::Overflow:
            return OverLimit();
        case ExactStatus::Fraction:
            break;
    }
    return NotInteger();
}

Bound ReadDecimal96Bound(std::string_view text) {
    const DecimalRead read = ReadDecimal(text);
    if (read.status == DecimalStatus::Overflow) return OverLimit();
    if (read.status != DecimalStatus::Ok || !read.value.IsInteger()) return NotInteger();
    if (read.value.IsNegative()) return uint128{0};
    return *read.value.ToUInt128();
}

// Visits the factorization of every n in [lo, hi]: the sieve where the numbers fit 64 bits,
// FLINT and the quadratic sieve one by one above.
template <typename Visit>
void ForEachFactorization(uint128 lo, uint128 hi, Visit&& visit) {
    Factorization factors;
    if (lo <= UINT64_MAX) {
        const auto top = static_cast<std::uint64_t>(std::min<uint128>(hi, UINT64_MAX));
        ForEachPrimeDivisors(static_cast<std::uint64_t>(lo), top,
                             [&](std::uint64_t n, std::span<const std::uint64_t> primes) {
                                 factors.clear();
                                 std::uint64_t c = n;
                                 for (const std::uint64_t p : primes)
                                     factors.push_back({p, RemoveFactor(c, p)});
                                 if (c > 1) factors.push_back({c, 1});
                                 visit(uint128{n}, factors);
                             });
        if (hi <= UINT64_MAX) return;
        lo = uint128{UINT64_MAX} + 1;
    }
    for (uint128 n = lo;; ++n) {
        visit(n, FactorExact(n));
        if (n == hi) break;
    }
}

// The divisors d <= sqrt(n) in increasing order.
void SmallDivisors(uint128 n, const Factorization& factors, std::vector<uint128>& out) {
    const uint128 root = IntegerSqrt(n);
    out.assign(1, 1);
    for (const PrimePower& f : factors) {
        const std::size_t count = out.size();
        uint128 power = 1;
        for (int e = 1; e <= f.exponent; ++e) {
            power *= f.prime;  // divides n: no overflow
            // Divisors above the root are not kept, nor built upon; the test avoids the product.
            for (std::size_t i = 0; i < count; ++i)
                if (out[i] <= root / power) out.push_back(out[i] * power);
        }
    }
    std::sort(out.begin(), out.end());
}

// The sum over the pairs (d, n/d) with d <= sqrt(n): the divisor sum, plus sqrt(n) once more
// when n is a square (its pair adds the root twice).
uint128 PairSum(uint128 n, const Factorization& factors) {
    uint128 sigma = 1;
    bool square = true;
    for (const PrimePower& f : factors) {
        uint128 term = 1, power = 1;
        for (int e = 1; e <= f.exponent; ++e) {
            power *= f.prime;
            term += power;
        }
        sigma *= term;
        square = square && f.exponent % 2 == 0;
    }
    return square ? sigma + IntegerSqrt(n) : sigma;
}

}  // namespace

Message DivisorsNotIntegerMessage() {
    return Message{"请输入两个整数!", "输入错误", MessageIcon::Exclamation, MessageButtons::Ok};
}

DivisorsChecked DivisorsCheck(PathButton path, std::string_view from_text, std::string_view to_text,
                              bool perfect_only) {
    const auto read = path == PathButton::Binary64 ? ReadBinary64Bound : ReadDecimal96Bound;
    const Bound lower = read(from_text);
    if (const auto* rejection = std::get_if<Rejection>(&lower)) return *rejection;
    const Bound upper = read(to_text);
    if (const auto* rejection = std::get_if<Rejection>(&upper)) return *rejection;
    DivisorsInput input;
    input.path = path;
    input.perfect_only = perfect_only;
    input.from = std::get<uint128>(lower);
    input.to = std::get<uint128>(upper);
    if (input.from < 2) {
        input.from = 2;
        input.from_text = "2";
    }
    if (input.from >= input.to) {
        // Repairing the largest lower bound would write 2^96 into the upper field, which the field
        // turns away as it turns away any value beyond 29 digits.
        if (input.from == Decimal96::kMaxMagnitude) return OverLimit();
        input.to = input.from + 1;
        input.to_text = ToDecimalString(input.to);
    }
    return input;
}

DivisorsOutcome DivisorsRun(const DivisorsInput& input, ResultSink& sink,
                            const ProgressFn& progress) {
    const std::string_view separator = input.path == PathButton::Binary64 ? "、" : ",";
    const uint128 a = input.from;
    const uint128 b = input.to;
    DivisorsOutcome outcome;
    StringSink summary;
    std::vector<uint128> divisors;
    std::uint64_t kept = 0;  // numbers listed before the budget ran out
    try {
        ForEachFactorization(a, b, [&](uint128 n, const Factorization& factors) {
            PollStop();
            // Past the sink's budget the walk goes on for the perfect numbers only. The
            // perfect-only list (a handful of lines below 2^96) never fills a budget.
            if (!input.perfect_only && !outcome.cut && sink.Full()) {
                outcome.cut = true;
                kept = static_cast<std::uint64_t>(n - a);
            }
            const bool list = !input.perfect_only && !outcome.cut;
            uint128 sum = 0;
            if (!list) {
                sum = PairSum(n, factors);
            } else {
                sink.Append(" ");
                AppendNumber(sink, n);
                sink.Append(" 的因数有:");
                SmallDivisors(n, factors, divisors);
                for (const uint128 d : divisors) {
                    sink.Append("(");
                    AppendNumber(sink, d);
                    sink.Append(",");
                    AppendNumber(sink, n / d);
                    sink.Append(")");
                    sum += d + n / d;
                }
            }
            // sum < 2^102 and 2n <= 2^97 for every admitted n: no overflow.
            if (sum == 2 * n) {
                ++outcome.count;
                if (!outcome.cut) {
                    sink.Append("●");
                    AppendNumber(sink, n);
                    sink.Append("是完全数");
                    sink.EndLine();
                }
                AppendNumber(summary, n);
                summary.Append(separator);
            }
            if (progress) progress(static_cast<double>(n - a) / static_cast<double>(b - a));
            if (list) sink.EndLine();
        });
    } catch (const RunStopped&) {
        outcome.stopped = true;
    }
    if (outcome.stopped) {
        sink.NoteLine(kStoppedLine);
    } else if (outcome.cut) {
        sink.NoteLine(FullLine(sink, kept, static_cast<std::uint64_t>(b - a + 1), "个"));
    }
    outcome.summary = summary.Text() + CountCaption(static_cast<std::uint64_t>(outcome.count), "个",
                                                    outcome.stopped);
    return outcome;
}

}  // namespace numerel
