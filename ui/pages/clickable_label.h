// A label that reports a left click (the status label starts the calculator).
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace numerel::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit clicked();
        QLabel::mousePressEvent(event);
    }
};

}  // namespace numerel::ui
