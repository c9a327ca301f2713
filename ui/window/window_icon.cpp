#include "ui/window/window_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace numerel::ui {

QIcon NumerelIcon() {
    // Rendered here rather than through an image plugin, which a desktop may lack.
    QSvgRenderer renderer(QStringLiteral(":/numerel.svg"));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace numerel::ui
