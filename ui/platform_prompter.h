// The core's Prompter on the window's Platform: the prompts and message boxes that a long-number
// operation opens while it runs become the window's modal dialogs (and the fakes' records in
// tests).
#pragma once

#include "core/prompter.h"

namespace numerel::ui {

class Platform;

class PlatformPrompter final : public Prompter {
public:
    explicit PlatformPrompter(Platform& platform) : platform_(platform) {}

    bool Show(const Message& message) override;
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title) override;

private:
    Platform& platform_;
};

}  // namespace numerel::ui
