#include "core/tools/factor_one.h"

#include <cmath>

#include "core/input/expression.h"
#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/input/uint128_mpz.h"
#include "core/nt/factor_exact.h"
#include "core/nt/wheel.h"
#include "core/run_control.h"
#include "core/tools/factor_text.h"

namespace numerel {

namespace {

// Trial division by Wheel210 runs while the divisor is below this; what is left then is
// factored at once.
constexpr std::uint64_t kTrialEnd = 1024;

Rejection CannotFactor() {
    return {.message = CannotFactorMessage(),
            .effect = FieldEffect::EmptyAll,
            .focus = FocusAfter::First,
            .empty_pane = true};
}

Rejection OverLimit() {
    return Rejection{.message = OverLimitMessage(InputLimit::Digits1000),
                     .effect = FieldEffect::RewriteFirst,
                     .text = kLargestInput1000};
}

// Values up to 2^96 - 1 keep the 128-bit path; above it the large path takes them.
void SetValue(FactorOneInput& input, const mpz_class& value) {
    if (value > ToMpz(Decimal96::kMaxMagnitude)) {
        input.large = value;
    } else {
        input.value = FromMpz(value);
    }
}

void AppendPower(std::string& line, const std::string& base, int exponent) {
    line += base;
    if (exponent <= 1) return;
    line += '^';
    line += std::to_string(exponent);
}

bool FactorLargeRun(const FactorOneInput& input, ResultSink& pane, const ProgressFn& progress,
                    const FactorLiveFn& live) {
    BigFactorProgressFn report;
    if (live) {
        report = [&](const BigFactorization& so_far, FactorStage stage) {
            live(FactorLargeLiveText(input.text, so_far, stage));
        };
    }
    const BigFactorization factors = FactorBig(input.large, report);
    pane.Append(FactorLargeText(input.text, factors));
    if (progress && !factors.stopped) progress(1.0);
    return factors.stopped;
}

}  // namespace

std::string FactorLargeText(std::string_view text, const BigFactorization& factors) {
    std::string line(text);
    line += "=";
    if (!factors.stopped && factors.primes.size() == 1 && factors.primes[0].exponent == 1 &&
        factors.unfactored.empty()) {
        return line + std::string(kPrimeWord);
    }
    bool first = true;
    const auto separate = [&] {
        if (!first) line += kTimes;
        first = false;
    };
    for (const BigPrimePower& factor : factors.primes) {
        separate();
        AppendPower(line, factor.prime.get_str(10), factor.exponent);
    }
    for (const BigPrimePower& part : factors.unfactored) {
        separate();
        AppendPower(line, "[未分解:" + part.prime.get_str(10) + "]", part.exponent);
    }
    return line;
}

std::string FactorLargeLiveText(std::string_view text, const BigFactorization& so_far,
                                FactorStage stage) {
    const char* name = "";
    switch (stage) {
        case FactorStage::TrialDivision:
            name = "试除";
            break;
        case FactorStage::Rho:
            name = "Pollard rho 法";
            break;
        case FactorStage::PMinus1:
            name = "p-1 法";
            break;
        case FactorStage::Ecm:
            name = "椭圆曲线法(ECM)";
            break;
        case FactorStage::Siqs:
            name = "二次筛法(SIQS)";
            break;
        case FactorStage::Proof:
            name = "素性证明";
            break;
    }
    BigFactorization shown = so_far;
    shown.stopped = true;  // never "=素数" before the end
    return FactorLargeText(text, shown) + "\n分解中,当前步骤:" + name;
}

Message CannotFactorMessage() {
    return Message{"您输入的数不能分解,请重新输入.", "输入错误", MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

FactorOneChecked FactorOneCheck(std::string_view text) {
    // ReadNumber's numeral, read exactly: its binary64 value may look whole only after rounding.
    const BigInteger exact = ReadExactBigInteger(text, kMaxInputDigits);
    if (exact.status == ExactStatus::Overflow) return OverLimit();
    if (exact.status != ExactStatus::Exact || exact.value < 1) return CannotFactor();
    FactorOneInput input;
    // What was not read is not on the left of "=": "12abc" factors 12, and says so.
    input.text = exact.rest_ignored ? exact.value.get_str(10) : std::string(text);
    SetValue(input, exact.value);
    return input;
}

FactorOneChecked FactorLargeCheck(std::string_view text) {
    if (text.empty()) return Rejection{};
    // The integer part of the text typed: the Decimal96 value may have rounded it (30 digits).
    const std::optional<BigInteger> integer = ReadDecimalBigIntegerPart(text, kMaxInputDigits);
    if (!integer) return CannotFactor();
    if (integer->status == ExactStatus::Overflow) return OverLimit();
    if (integer->status != ExactStatus::Exact || integer->value < 1) return CannotFactor();
    FactorOneInput input;
    SetValue(input, integer->value);
    const bool expression =
        EvaluateExpression(text, kMaxInputDigits).status != ExpressionStatus::NotExpression;
    input.text = expression ? std::string(text) : integer->value.get_str(10);
    input.rewritten = !expression;
    return input;
}

bool FactorOneRun(const FactorOneInput& input, ResultSink& pane, const ProgressFn& progress,
                  const FactorLiveFn& live) {
    if (input.large != 0) return FactorLargeRun(input, pane, progress, live);
    const uint128 v = input.value;
    if (v == 1) {
        pane.Append(kNeitherPrimeNorComposite);
        return false;
    }
    for (const std::uint8_t small : kWheel210Fixed) {
        if (v == small) {
            AppendNumber(pane, v);
            pane.Append("=");
            pane.Append(kPrimeWord);
            return false;
        }
    }
    pane.Append(input.text);
    pane.Append("=");
    uint128 m = v;
    for (const std::uint8_t d : kWheel210Fixed) {
        const int s = RemoveFactor<uint128>(m, d);
        AppendFactor(pane, s, d, m);
    }
    const double span = static_cast<double>(m);
    std::uint64_t d = kWheel210.front();
    while (static_cast<uint128>(d) * d <= m && d < kTrialEnd) {
        PollStop();
        for (const std::uint16_t offset : kWheel210) {
            const std::uint64_t divisor = d - kWheel210.front() + offset;
            const int s = RemoveFactor<uint128>(m, divisor);
            AppendFactor(pane, s, divisor, m);
        }
        d += kWheel210Round;
        if (progress) progress(static_cast<double>(d) * static_cast<double>(d) / span);
    }
    if (m != 1 && static_cast<uint128>(d) * d <= m) {
        // Trial division would go on to the square root of m; the factors it would find, in the
        // order it would find them, come from the exact factorization instead.
        const Factorization rest = FactorExact(m);
        const bool m_is_prime = rest.size() == 1 && rest.front().exponent == 1;
        if (!m_is_prime) {
            for (const PrimePower& factor : rest) {
                const int s = RemoveFactor<uint128>(m, factor.prime);
                AppendFactor(pane, s, factor.prime, m);
            }
        }
        if (progress) progress(1.0);
    }
    if (m != 1 && m != v) AppendNumber(pane, m);
    if (m == v) pane.Append(kPrimeWord);
    return false;
}

}  // namespace numerel
