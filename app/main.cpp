#include <QSettings>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "ui/platform/desktop_language.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/termination_signals.h"
#include "ui/run/run_protocol.h"
#include "ui/window/guarded_application.h"
#include "ui/window/main_window.h"
#include "ui/window/window_icon.h"

int main(int argc, char** argv) {
    numerel::ui::GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Numerel");
    QApplication::setApplicationVersion(NUMEREL_VERSION);
    // The desktop entry's name: the window is then grouped with its launcher.
    QGuiApplication::setDesktopFileName(NUMEREL_APP_ID);
    QApplication::setWindowIcon(numerel::ui::NumerelIcon());
    numerel::ui::UseChineseDesktop(app);
    numerel::ui::QuitOnTerminationSignals(app);
    numerel::ui::QtPlatform platform;
    app.SetReporter([&platform](const std::string& what) {
        platform.ShowMessage(numerel::Message{what, numerel::kAppTitle,
                                              numerel::MessageIcon::Exclamation,
                                              numerel::MessageButtons::Ok});
    });
    numerel::ui::MainWindow window(platform);
    // ~/.config/numerel/numerel.conf; --reset-settings forgets what the window remembered.
    auto settings = std::make_unique<QSettings>("numerel", "numerel");
    if (QCoreApplication::arguments().contains("--reset-settings")) settings->clear();
    window.RememberIn(std::move(settings));
    window.show();
    const int status = QApplication::exec();
    // Closing stopped the run; a kernel that has not answered within a second does not hold the
    // exit (the next start removes what it leaves in the temporary directory).
    if (!window.Run().StopAndJoin(std::chrono::seconds(1))) std::_Exit(status);
    return status;
}
