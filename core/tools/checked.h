// The outcome of every page tool's check phase: the validated input, or a rejection that says
// what to show and what then happens to the tool's fields. The fields are named by the order the
// check reads them (the first and the last are the same field on a one-field tool), so the core
// names no widget; the page maps them onto its own.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/message.h"

namespace numerel {

// What the page does once the message has been answered.
enum class FieldEffect {
    None,              // the fields keep their text and the focus stays where it is
    FocusFirst,        // the fields keep their text; focus to the first
    EmptyAllAndPane,   // every field emptied, first to last, focus to the first; the pane emptied
    EmptyAllBackward,  // every field emptied, last to first (the fields' own over-limit reset)
    RewriteFirst,      // the first field := Rejection::text; its change reaction runs
};

struct Rejection {
    std::optional<Message> message;  // nullopt: the tool ends silently
    FieldEffect effect = FieldEffect::None;
    std::string text;  // the new text of a rewrite
};

template <class Input>
using Checked = std::variant<Rejection, Input>;

}  // namespace numerel
