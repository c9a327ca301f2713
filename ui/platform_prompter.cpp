#include "ui/platform_prompter.h"

#include <QString>

#include "ui/platform.h"

namespace numerel::ui {

bool PlatformPrompter::Show(const Message& message) {
    return platform_.ShowMessage(message);
}

std::optional<std::string> PlatformPrompter::Ask(const std::string& prompt,
                                                 const std::string& title) {
    const std::optional<QString> answer =
        platform_.AskText(QString::fromStdString(prompt), QString::fromStdString(title));
    if (!answer) return std::nullopt;
    return answer->toStdString();
}

}  // namespace numerel::ui
