#include "core/input/pick_path.h"

#include <algorithm>
#include <vector>

#include "core/input/read_number.h"

namespace numerel {

PathDecision PickPath(std::span<const std::string> fields) {
    const bool condition =
        std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return !f.empty(); });
    if (!condition) return {PathButton::Binary64, false};
    bool above_small_limit = false;
    for (const std::string& field : fields) {
        const DecimalRead read = ReadDecimal(field);
        if (read.status == DecimalStatus::Overflow) return {std::nullopt, true};
        if (read.status == DecimalStatus::NotANumber) return {std::nullopt, false};
        if (read.value > Decimal96::FromInteger(kSmallLimitInt)) above_small_limit = true;
    }
    return {above_small_limit ? PathButton::Decimal96 : PathButton::Binary64, false};
}

Message OverLimitMessage() {
    return Message{std::string("很抱歉!,最大只能到\r") + kLargestInput + "(29位)", "输入超限",
                   MessageIcon::Exclamation, MessageButtons::Ok};
}

std::optional<PathButton> ButtonAfterFilling(std::span<const std::string> fields) {
    PathButton button = PathButton::Binary64;
    std::vector<std::string> current(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        current[i] = fields[i];
        const PathDecision decision = PickPath(current);
        if (decision.over_limit) return std::nullopt;
        if (decision.button) button = *decision.button;
    }
    return button;
}

}  // namespace numerel
