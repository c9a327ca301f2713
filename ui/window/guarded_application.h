// The application object of the window: an exception that escapes an event handler (outside a
// run, whose own guard catches it) becomes a message instead of ending the program.
#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace numerel::ui {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    // Shows what went wrong; without one the exception is only swallowed.
    void SetReporter(std::function<void(const std::string&)> report) {
        report_ = std::move(report);
    }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const std::string&)> report_;
};

}  // namespace numerel::ui
