// The core's Prompter on the window's Platform: the prompts and message boxes that a long-number
// operation opens while it runs become the window's modal dialogs (and the fakes' records in
// tests). From a run's worker thread they are opened on the UI thread, and the worker waits.
#pragma once

#include "core/prompter.h"

class QObject;

namespace numerel::ui {

class Platform;

class PlatformPrompter final : public Prompter {
public:
    // ui_context: an object of the UI thread; the dialogs open on its thread.
    PlatformPrompter(Platform& platform, QObject* ui_context)
        : platform_(platform), ui_context_(ui_context) {}

    bool Show(const Message& message) override;
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title) override;

private:
    Platform& platform_;
    QObject* ui_context_;
};

}  // namespace numerel::ui
