#include "ui/platform/platform_prompter.h"

#include <QString>
#include <memory>

#include "ui/platform/platform.h"
#include "ui/platform/ui_call.h"

namespace numerel::ui {

bool PlatformPrompter::Show(const Message& message) {
    auto answer = std::make_shared<bool>(false);
    Platform* platform = &platform_;
    CallOnUiThread(ui_context_,
                   [platform, message, answer] { *answer = platform->ShowMessage(message); });
    return *answer;
}

std::optional<std::string> PlatformPrompter::Ask(const std::string& prompt,
                                                 const std::string& title) {
    auto answer = std::make_shared<std::optional<std::string>>();
    Platform* platform = &platform_;
    CallOnUiThread(ui_context_, [platform, prompt, title, answer] {
        const std::optional<QString> text =
            platform->AskText(QString::fromStdString(prompt), QString::fromStdString(title));
        if (text) *answer = text->toStdString();
    });
    return *answer;
}

}  // namespace numerel::ui
