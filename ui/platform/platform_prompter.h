// The questions of a tool's flow (the calculator's precision prompt and confirmations) as the
// window's modal dialogs (and the fakes' records in tests). Used on the window's thread only:
// a tool asks before or between its runs, never from a worker.
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
