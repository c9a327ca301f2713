// The questions that are part of a tool's flow (the calculator's precision prompt, the
// confirmation of a huge result), asked by the tool before or between its runs; the arithmetic
// never asks. The window implements it with real modal boxes, the CLI from its arguments, tests
// with fakes.
#pragma once

#include <optional>
#include <string>

#include "core/message.h"

namespace numerel {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message box; returns true for OK (an OK-only box always returns true).
    virtual bool Show(const Message& message) = 0;
    // A modal input box with an empty default; nullopt when cancelled.
    virtual std::optional<std::string> Ask(const std::string& prompt, const std::string& title) = 0;
};

}  // namespace numerel
