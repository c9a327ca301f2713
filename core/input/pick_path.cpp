#include "core/input/pick_path.h"

#include <algorithm>
#include <vector>

#include "core/input/expression.h"
#include "core/input/read_number.h"

namespace numerel {

namespace {

enum class FieldReading { NotANumber, Overflow, UpToSmallLimit, AboveSmallLimit };

FieldReading ReadField(const std::string& field, InputLimit limit) {
    const DecimalRead read = ReadDecimal(field);
    if (read.status == DecimalStatus::Ok) {
        return read.value > Decimal96::FromInteger(kSmallLimitInt) ? FieldReading::AboveSmallLimit
                                                                   : FieldReading::UpToSmallLimit;
    }
    if (read.status == DecimalStatus::NotANumber) return FieldReading::NotANumber;
    // An expression beyond the limit is refused when its button is clicked, not while it is
    // typed: "1000!" and "2^96" are on the way to "1000!/998!" and "2^96-1".
    const ExpressionStatus expression = EvaluateExpression(field).status;
    if (expression == ExpressionStatus::TooLarge ||
        (expression == ExpressionStatus::Value && limit == InputLimit::Decimal96))
        return FieldReading::AboveSmallLimit;
    if (limit == InputLimit::Decimal96) return FieldReading::Overflow;
    // Beyond 2^96 - 1 the field is read exactly, up to its own limit.
    const std::optional<BigInteger> big = ReadDecimalBigIntegerPart(field, kMaxInputDigits);
    if (!big || big->status == ExactStatus::Overflow) return FieldReading::Overflow;
    return big->value > 0 ? FieldReading::AboveSmallLimit : FieldReading::UpToSmallLimit;
}

}  // namespace

PathDecision PickPath(std::span<const std::string> fields, InputLimit limit) {
    const bool condition =
        std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); });
    if (!condition) return {PathButton::Binary64, false};
    bool above_small_limit = false;
    for (const std::string& field : fields) {
        const FieldReading reading = ReadField(field, limit);
        if (reading == FieldReading::Overflow) return {std::nullopt, true};
        if (reading == FieldReading::NotANumber) return {std::nullopt, false};
        if (reading == FieldReading::AboveSmallLimit) above_small_limit = true;
    }
    return {above_small_limit ? PathButton::Decimal96 : PathButton::Binary64, false};
}

Message OverLimitMessage(InputLimit limit) {
    const std::string largest = limit == InputLimit::Decimal96
                                    ? std::string(kLargestInput) + "(29位)"
                                    : std::string(kLargestInput1000) + "(1000位)";
    return Message{"很抱歉!,最大只能到\r" + largest, "输入超限", MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

std::optional<PathButton> ButtonAfterFilling(std::span<const std::string> fields,
                                             InputLimit limit) {
    PathButton button = PathButton::Binary64;
    std::vector<std::string> current(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        current[i] = fields[i];
        const PathDecision decision = PickPath(current, limit);
        if (decision.over_limit) return std::nullopt;
        if (decision.button) button = *decision.button;
    }
    return button;
}

}  // namespace numerel
