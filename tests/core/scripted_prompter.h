// A Prompter for tests: records every box and answers the input boxes from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/prompter.h"

namespace numerel::testing {

class ScriptedPrompter final : public Prompter {
public:
    struct Call {
        bool is_input;       // an input box (Ask) rather than a message box (Show)
        Message message;     // for Show
        std::string prompt;  // for Ask
        std::string title;   // for Ask
    };

    ScriptedPrompter() = default;
    explicit ScriptedPrompter(std::vector<std::optional<std::string>> answers)
        : answers_(answers.begin(), answers.end()) {}

    // What Show returns for an OK/Cancel box (OK-only boxes always give true).
    void SetConfirm(bool confirm) { confirm_ = confirm; }

    bool Show(const Message& message) override {
        calls_.push_back({false, message, {}, {}});
        return message.buttons == MessageButtons::Ok || confirm_;
    }

    // Without a scripted answer left, the box counts as cancelled.
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title) override {
        calls_.push_back({true, {}, prompt, title});
        if (answers_.empty()) return std::nullopt;
        std::optional<std::string> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    const std::vector<Call>& Calls() const { return calls_; }

    // The texts of the message boxes shown, in order.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Call& call : calls_) {
            if (!call.is_input) texts.push_back(call.message.text);
        }
        return texts;
    }

    int InputCount() const {
        int count = 0;
        for (const Call& call : calls_) count += call.is_input ? 1 : 0;
        return count;
    }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<Call> calls_;
    bool confirm_ = true;
};

}  // namespace numerel::testing
