#include <QApplication>

#include "ui/form1.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Numerel");
    numerel::ui::QtPlatform platform;
    numerel::ui::Form1 window(platform);
    window.show();
    return QApplication::exec();
}
