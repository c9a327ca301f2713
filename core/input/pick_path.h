// The change reaction of the integer input fields: which of a page's two action buttons (binary64
// or Decimal96) the typed values call for, and whether they exceed the fields' limit.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/message.h"

namespace numerel {

enum class PathButton { Binary64, Decimal96 };

// The largest value a page's integer fields admit.
enum class InputLimit {
    Decimal96,  // 2^96 - 1, 29 digits (pages 1-5)
    Digits1000  // 10^1000 - 1 (page 0); its large button factors beyond 2^96 - 1
};

// Page 0's largest admitted value as it shows it, and what its over-limit reset writes into the
// field: an expression of the largest value, which the field reads back.
inline constexpr const char* kLargestInput1000 = "10^1000-1";

struct PathDecision {
    // The button to show and make default; nullopt when a field is not a number (the buttons
    // keep their state).
    std::optional<PathButton> button;
    // A field exceeded the limit: the over-limit message and the instance's reset must follow.
    bool over_limit = false;
};

// Decides for the watched fields of one instance, read first to last. The condition of every
// instance is "all watched fields are non-empty"; when it fails the binary64 button is chosen.
// A complete expression counts as its value. With Digits1000 every value above SmallLimit (up
// to 1000 digits) calls for the Decimal96 button, which serves the large path too. Only a
// numeral beyond the limit is over it here; an expression beyond it calls for the Decimal96
// button, whose run refuses it with OverLimitMessage.
// Cost: one ReadDecimal per field (and an exact reading of a value beyond 2^96 - 1).
PathDecision PickPath(std::span<const std::string> fields,
                      InputLimit limit = InputLimit::Decimal96);

// "很抱歉!,最大只能到" CR "79228162514264337593543950335(29位)", title "输入超限"; with
// Digits1000 "10^1000-1(1000位)".
Message OverLimitMessage(InputLimit limit = InputLimit::Decimal96);

// How the page ends up after its fields are filled one after another (each fill runs the
// reaction on the fields as they stand then), starting from the binary64 button. nullopt when
// a fill hit the over-limit message (the CLI stops there).
std::optional<PathButton> ButtonAfterFilling(std::span<const std::string> fields,
                                             InputLimit limit = InputLimit::Decimal96);

}  // namespace numerel
