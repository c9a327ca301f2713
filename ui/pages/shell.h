// What a page gets from the main window: the desktop services, the keyboard model, the run
// protocol and the panes. No page reaches into another page.
#pragma once

#include <array>

namespace numerel::ui {

class Platform;
class KeyboardModel;
class RunProtocol;
class OutputPane;

inline constexpr int kPageCount = 9;

struct Shell {
    Platform& platform;
    KeyboardModel& keys;
    RunProtocol& run;
    std::array<OutputPane*, kPageCount> panes;
};

}  // namespace numerel::ui
