#include "ui/pages/keyboard_model.h"

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

void KeyboardModel::SetCancel(QPushButton* button) {
    cancel_ = button;
}

void KeyboardModel::Watch(QLineEdit* field) {
    field->installEventFilter(this);
}

// A default or cancel button left behind on another page is not clicked: Enter on one page
// must never run (or Esc clear) a tool the user cannot see.
static bool Clickable(const QPushButton* button) {
    return button != nullptr && button->isEnabled() && button->isVisible();
}

void KeyboardModel::PressEnter() {
    if (Clickable(default_)) default_->click();
}

void KeyboardModel::PressEscape() {
    if (stop_ != nullptr && stop_->isEnabled()) {
        stop_->click();
        return;
    }
    if (Clickable(cancel_)) cancel_->click();
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
