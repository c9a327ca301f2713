// A Platform that records every call and answers from a script, so no test opens a real dialog.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/platform/platform.h"

namespace numerel::ui::testing {

class FakePlatform final : public Platform {
public:
    bool ShowMessage(const Message& message) override {
        messages.push_back(message);
        dialog_threads.push_back(std::this_thread::get_id());
        if (on_message) on_message(message);
        if (message.buttons == MessageButtons::Ok) return true;
        if (message_answers.empty()) return true;
        const bool answer = message_answers.front();
        message_answers.pop_front();
        return answer;
    }
    std::optional<QString> AskText(const QString& prompt, const QString& title) override {
        prompts.push_back({prompt, title});
        dialog_threads.push_back(std::this_thread::get_id());
        if (text_answers.empty()) return std::nullopt;
        const bool cancelled = !text_answers.front().has_value();
        const QString answer = cancelled ? QString() : *text_answers.front();
        text_answers.pop_front();
        if (cancelled) return std::nullopt;
        return answer;
    }
    std::optional<FontChoice> ChooseFont(const QFont& initial, const QColor&) override {
        font_requests.push_back(initial);
        return font_answer;
    }
    std::optional<QString> ChooseSaveFile(const QString& title,
                                          const QStringList& filters) override {
        save_requests.push_back({title, filters});
        return save_answer;
    }
    void PlayTone(int hertz, int milliseconds) override { tones.push_back({hertz, milliseconds}); }
    bool LaunchCalculator() override {
        ++calculator_launches;
        return calculator_available;
    }
    std::int64_t NowSeconds() override {
        const std::int64_t now = clock;
        clock += clock_step;
        return now;
    }

    struct Prompt {
        QString prompt;
        QString title;
    };
    struct SaveRequest {
        QString title;
        QStringList filters;
    };
    struct Tone {
        int hertz;
        int milliseconds;
        friend bool operator==(const Tone&, const Tone&) = default;
    };

    std::vector<Message> messages;
    std::vector<std::thread::id> dialog_threads;  // of every message box and input box
    std::function<void(const Message&)> on_message;
    std::deque<bool> message_answers;  // for OK/Cancel boxes; OK when empty
    std::vector<Prompt> prompts;
    std::deque<std::optional<QString>> text_answers;  // cancel when empty
    std::vector<QFont> font_requests;
    std::optional<FontChoice> font_answer;
    std::vector<SaveRequest> save_requests;
    std::optional<QString> save_answer;
    std::vector<Tone> tones;
    int calculator_launches = 0;
    bool calculator_available = true;
    std::int64_t clock = 1000;
    std::int64_t clock_step = 0;  // seconds added by every reading
};

}  // namespace numerel::ui::testing
