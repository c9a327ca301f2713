#include <QApplication>

#include "ui/desktop_language.h"
#include "ui/form1.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Numerel");
    QApplication::setApplicationVersion(NUMEREL_VERSION);
    // The desktop entry's name: the window is then grouped with its launcher.
    QGuiApplication::setDesktopFileName(NUMEREL_APP_ID);
    numerel::ui::UseChineseDesktop(app);
    numerel::ui::QtPlatform platform;
    numerel::ui::Form1 window(platform);
    window.show();
    return QApplication::exec();
}
