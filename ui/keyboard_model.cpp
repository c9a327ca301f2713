#include "ui/keyboard_model.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace numerel::ui {

KeyboardModel::KeyboardModel(QWidget* window) : QObject(window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &KeyboardModel::PressEscape);
}

void KeyboardModel::SetDefault(QPushButton* button) {
    if (default_) default_->setDefault(false);
    default_ = button;
    // Only the look: the button is drawn as the default one.
    if (default_) default_->setDefault(true);
}

void KeyboardModel::SetCancel(QPushButton* button) { cancel_ = button; }

void KeyboardModel::Watch(QLineEdit* field) { field->installEventFilter(this); }

void KeyboardModel::PressEnter() {
    if (default_ && default_->isEnabled()) default_->click();
}

void KeyboardModel::PressEscape() {
    if (cancel_ && cancel_->isEnabled()) cancel_->click();
}

bool KeyboardModel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PressEnter();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace numerel::ui
