#include "ui/platform/platform_prompter.h"

#include <QString>

#include "ui/platform/platform.h"

namespace numerel::ui {

bool PlatformPrompter::Show(const Message& message) {
    return platform_.ShowMessage(message);
}

std::optional<std::string> PlatformPrompter::Ask(const std::string& prompt,
                                                 const std::string& title) {
    const std::optional<QString> text =
        platform_.AskText(QString::fromStdString(prompt), QString::fromStdString(title));
    if (!text) return std::nullopt;
    return text->toStdString();
}

}  // namespace numerel::ui
