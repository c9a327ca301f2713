#include "ui/window/guarded_application.h"

#include <new>

#include "ui/run/run_end.h"

namespace numerel::ui {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    std::string what;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        what = kOutOfMemoryText;
    } catch (const std::exception& error) {
        what = std::string("出错了:\n") + error.what();
    } catch (...) {
        what = "出错了:未知的错误";
    }
    if (report_) report_(what);
    return false;
}

}  // namespace numerel::ui
