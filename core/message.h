// Message boxes as values: the core decides what to say, the window (or the CLI) shows it.
#pragma once

#include <string>

namespace numerel {

enum class MessageIcon { None, Information, Exclamation };
enum class MessageButtons { Ok, OkCancel };

// One message box: text, title and icon exactly as the user sees them.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;

    friend bool operator==(const Message&, const Message&) = default;
};

// The application title, used where a tool names none.
inline constexpr const char* kAppTitle = "Numerel";

}  // namespace numerel
