// The change reaction of the integer input fields: which of a page's two action buttons (binary64
// or Decimal96) the typed values call for, and whether they exceed the 29-digit limit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/message.h"

namespace numerel {

enum class PathButton { Binary64, Decimal96 };

struct PathDecision {
    // The button to show and make default; nullopt when a field is not a number (the buttons
    // keep their state).
    std::optional<PathButton> button;
    // A field exceeded 2^96 - 1: the over-limit message and the instance's reset must follow.
    bool over_limit = false;
};

// Decides for the watched fields of one instance, read first to last. The condition of every
// instance is "all watched fields are non-empty"; when it fails the binary64 button is chosen.
// Cost: one ReadDecimal per field.
PathDecision PickPath(std::span<const std::string> fields);

// "很抱歉!,最大只能到" CR "79228162514264337593543950335(29位)", title "输入超限".
Message OverLimitMessage();

// How the page ends up after its fields are filled one after another (each fill runs the
// reaction on the fields as they stand then), starting from the binary64 button. nullopt when
// a fill hit the over-limit message (the CLI stops there).
std::optional<PathButton> ButtonAfterFilling(std::span<const std::string> fields);

}  // namespace numerel
