#include "core/prime_search_input.h"

#include <cmath>

#include "core/read_number.h"

namespace numerel {

bool IsWhole(double x) {
    return std::isinf(x) || (std::isfinite(x) && std::floor(x) == x);
}

ExactInteger ReadExactInteger(std::string_view text, double read) {
    if (read <= kSmallLimit) {
        if (read < 0 || !IsWhole(read)) return {ExactStatus::Inexact, 0};
        return {ExactStatus::Exact, static_cast<uint128>(static_cast<std::uint64_t>(read))};
    }
    const DecimalRead exact = ReadDecimal(text);
    if (exact.status == DecimalStatus::Overflow) return {ExactStatus::Overflow, 0};
    if (exact.status != DecimalStatus::Ok || !exact.value.IsInteger() || exact.value.IsNegative()) {
        return {ExactStatus::Inexact, 0};
    }
    const std::optional<uint128> value = exact.value.ToUInt128();
    // Both readings must denote the same number (a locale form read by one reader only would not).
    if (!value || std::fabs(static_cast<double>(*value) - read) > read * 1e-12) {
        return {ExactStatus::Inexact, 0};
    }
    return {ExactStatus::Exact, *value};
}

}  // namespace numerel
