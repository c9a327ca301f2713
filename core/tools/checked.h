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

// What happens to the fields once the message has been answered, in this order: the fields'
// effect, the focus, the pane.
enum class FieldEffect {
    None,              // the fields keep their text
    EmptyAll,          // every field emptied, first to last
    EmptyAllBackward,  // every field emptied, last to first (the fields' own over-limit reset)
    RewriteFirst,      // the first field := Rejection::text; its change reaction runs
    RewriteLast,       // the last field := Rejection::text; its change reaction runs
};

enum class FocusAfter { Stays, First, Last };

// Built with designated initializers; what is left out keeps its default.
struct Rejection {
    std::optional<Message> message{};  // nullopt: the tool ends silently, nothing changes
    FieldEffect effect = FieldEffect::None;
    std::string text{};  // the new text of a rewrite
    FocusAfter focus = FocusAfter::Stays;
    bool empty_pane = false;
};

template <class Input>
using Checked = std::variant<Rejection, Input>;

}  // namespace numerel
