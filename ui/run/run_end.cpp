#include "ui/run/run_end.h"

#include <new>

#include "core/message.h"
#include "core/run_control.h"
#include "ui/platform/platform.h"

namespace numerel::ui {

RunEnd GuardedRun(const std::function<void()>& work, const StopToken& token) {
    RunEnd end;
    try {
        const StopScope scope(token);
        work();
        if (token.StopRequested()) end.ending = Ending::Stopped;
    } catch (const RunStopped&) {
        end.ending = Ending::Stopped;
    } catch (const std::exception& error) {
        end = EndingOf(error);
    } catch (...) {
        end.ending = Ending::Failed;
        end.error = "未知的错误";
    }
    return end;
}

RunEnd EndingOf(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return {Ending::OutOfMemory, {}};
    return {Ending::Failed, QString::fromUtf8(error.what())};
}

bool ShowFailure(Platform& platform, const RunEnd& end) {
    if (end.ending == Ending::OutOfMemory) {
        platform.ShowMessage(
            Message{kOutOfMemoryText, kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        return true;
    }
    if (end.ending == Ending::Failed) {
        platform.ShowMessage(Message{"计算出错,已停止:\n" + end.error.toStdString(), kAppTitle,
                                     MessageIcon::Exclamation, MessageButtons::Ok});
        return true;
    }
    return false;
}

}  // namespace numerel::ui
