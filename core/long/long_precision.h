// The precision prompt of division and square root: a notice box, then an input box.
#pragma once

#include <optional>
#include <string>

#include "core/prompter.h"

namespace numerel {

// Shows PrecisionNoticeMessage(), then asks with `prompt` and `title`. nullopt when the answer is
// empty or the box was cancelled.
std::optional<std::string> AskPrecision(Prompter& prompter, const char* prompt, const char* title);

// The numeric value of the answer's leading number (ReadLeadingNumber: blanks ignored, a text
// without a number is 0).
double PrecisionValue(const std::string& answer);

}  // namespace numerel
