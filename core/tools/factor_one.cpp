#include "core/tools/factor_one.h"

#include <cmath>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
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

}  // namespace

Message CannotFactorMessage() {
    return Message{"您输入的数不能分解,请重新输入.", "输入错误", MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

FactorOneChecked FactorOneCheck(std::string_view text) {
    // ReadNumber's numeral, read exactly: its binary64 value may look whole only after rounding.
    const ExactInteger exact = ReadExactInteger(text);
    if (exact.status == ExactStatus::Overflow)
        return Rejection{.message = OverLimitMessage(),
                         .effect = FieldEffect::RewriteFirst,
                         .text = kLargestInput};
    if (exact.status != ExactStatus::Exact || exact.value < 1) return CannotFactor();
    FactorOneInput input;
    input.text = std::string(text);
    input.value = exact.value;
    return input;
}

FactorOneChecked FactorLargeCheck(std::string_view text) {
    if (text.empty()) return Rejection{};
    const DecimalRead read = ReadDecimal(text);
    if (read.status == DecimalStatus::Overflow)
        return Rejection{.message = OverLimitMessage(),
                         .effect = FieldEffect::RewriteFirst,
                         .text = kLargestInput};
    if (read.status != DecimalStatus::Ok) return CannotFactor();
    // The integer part of the text typed: the Decimal96 value may have rounded it (30 digits).
    const std::optional<ExactInteger> integer = ReadDecimalIntegerPart(text);
    if (!integer || integer->status != ExactStatus::Exact || integer->value < 1) {
        return CannotFactor();
    }
    FactorOneInput input;
    input.value = integer->value;
    input.text = ToDecimalString(integer->value);
    input.rewritten = true;
    return input;
}

void FactorOneRun(const FactorOneInput& input, ResultSink& pane, const ProgressFn& progress) {
    const uint128 v = input.value;
    if (v == 1) {
        pane.Append(kNeitherPrimeNorComposite);
        return;
    }
    for (const std::uint8_t small : kWheel210Fixed) {
        if (v == small) {
            AppendNumber(pane, v);
            pane.Append("=");
            pane.Append(kPrimeWord);
            return;
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
}

}  // namespace numerel
