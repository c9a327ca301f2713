// How a run phase ended, and the guard that turns a run's exceptions into that ending.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace numerel {
class StopToken;
}

namespace numerel::ui {

class Platform;

inline constexpr const char* kOutOfMemoryText = "内存不足,计算已停止";

enum class Ending { Finished, Stopped, OutOfMemory, Failed };

struct RunEnd {
    Ending ending = Ending::Finished;
    QString error;  // Failed: what went wrong
};

// Runs `work` in a stop scope of `token`. RunStopped, or a stop asked for while the work ran, is
// a stop, not a failure; every other exception becomes OutOfMemory or Failed.
RunEnd GuardedRun(const std::function<void()>& work, const StopToken& token);

// The ending of an exception caught on the window's thread (loading a huge pane may run out of
// memory too).
RunEnd EndingOf(const std::exception& error);

// OutOfMemory and Failed as a message; true when one was shown.
bool ShowFailure(Platform& platform, const RunEnd& end);

}  // namespace numerel::ui
