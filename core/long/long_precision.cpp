#include "core/long/long_precision.h"

#include "core/input/read_number.h"
#include "core/long/long_messages.h"

namespace numerel {

std::optional<std::string> AskPrecision(Prompter& prompter, const char* prompt, const char* title) {
    prompter.Show(PrecisionNoticeMessage());
    std::optional<std::string> answer = prompter.Ask(prompt, title);
    if (!answer || answer->empty()) return std::nullopt;
    return answer;
}

double PrecisionValue(const std::string& answer) {
    return ReadLeadingNumber(answer);
}

}  // namespace numerel
