// ReadExactInteger, the reader of every binary64 button: the exact value it gives is what
// ReadNumber rounds, and pages 0 (to 2^96 - 1; beyond, its own limit) and 5 take or refuse the
// text by it.
#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/tools/divisors_search.h"
#include "core/tools/factor_one.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    if (size > 256) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ExactInteger exact = ReadExactInteger(text);
    const double rounded = ReadNumber(text);
    const FactorOneChecked factor = FactorOneCheck(text);
    const DivisorsChecked divisors = DivisorsCheck(PathButton::Binary64, text, "2", false);
    const auto* factor_input = std::get_if<FactorOneInput>(&factor);
    const auto* divisors_input = std::get_if<DivisorsInput>(&divisors);
    switch (exact.status) {
        case ExactStatus::Exact:
            FUZZ_CHECK(exact.value <= Decimal96::kMaxMagnitude);
            // Conversion from 128 bits rounds to nearest, ties to even, as ReadNumber does.
            FUZZ_CHECK(static_cast<double>(exact.value) == rounded);
            FUZZ_CHECK((factor_input != nullptr) == (exact.value >= 1));
            if (factor_input) FUZZ_CHECK(factor_input->value == exact.value);
            // [2^96 - 1, 2] would be repaired to [2^96 - 1, 2^96]: over the limit.
            if (exact.value == Decimal96::kMaxMagnitude) {
                FUZZ_CHECK(std::get<Rejection>(divisors).message == OverLimitMessage());
                break;
            }
            FUZZ_CHECK(divisors_input != nullptr);
            FUZZ_CHECK(divisors_input->from == (exact.value < 2 ? 2 : exact.value));
            break;
        case ExactStatus::Negative:
            FUZZ_CHECK(rounded <= -1.0);
            FUZZ_CHECK(factor_input == nullptr);
            FUZZ_CHECK(divisors_input != nullptr && divisors_input->from == 2);
            break;
        case ExactStatus::Overflow:
            FUZZ_CHECK(rounded >= 0x1p96);
            // Page 0 goes on beyond 2^96 - 1, to 1000 digits.
            FUZZ_CHECK(factor_input != nullptr ? factor_input->large > 0
                                               : std::get<Rejection>(factor).message ==
                                                     OverLimitMessage(InputLimit::Digits1000));
            FUZZ_CHECK(divisors_input == nullptr &&
                       std::get<Rejection>(divisors).message == OverLimitMessage());
            break;
        case ExactStatus::Fraction:
            FUZZ_CHECK(factor_input == nullptr && divisors_input == nullptr);
            break;
    }
    // Command19's integer part of the whole text: there exactly when ReadDecimal reads a number,
    // and within one of the Decimal96 value's (which may have rounded up).
    const std::optional<ExactInteger> part = ReadDecimalIntegerPart(text);
    const DecimalRead decimal = ReadDecimal(text);
    FUZZ_CHECK(part.has_value() == (decimal.status != DecimalStatus::NotANumber));
    if (part && part->status == ExactStatus::Exact && decimal.status == DecimalStatus::Ok &&
        !decimal.value.IsNegative()) {
        const uint128 rounded_part = *decimal.value.IntegerPart().ToUInt128();
        FUZZ_CHECK(part->value <= rounded_part && rounded_part - part->value <= 1);
    }
    return 0;
}
