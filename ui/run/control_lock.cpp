#include "ui/run/control_lock.h"

#include <QApplication>
#include <QLineEdit>

namespace numerel::ui {

void ControlLock::AddRunButton(QAbstractButton* button) {
    run_buttons_.emplace_back(button);
}

void ControlLock::SetStopButton(QPushButton* button, bool running) {
    stop_button_ = button;
    stop_button_->setEnabled(running);
}

void ControlLock::Lock(QWidget* page) {
    focus_before_ = QApplication::focusWidget();
    running_page_ = page;
    locked_.clear();
    const auto lock = [this](QWidget* widget) {
        if (widget == nullptr || !widget->isEnabled()) return;
        widget->setEnabled(false);
        locked_.emplace_back(widget);
    };
    if (page != nullptr) {
        for (QLineEdit* field : page->findChildren<QLineEdit*>()) lock(field);
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) lock(button);
    }
    for (const QPointer<QAbstractButton>& button : run_buttons_) lock(button);
    if (stop_button_) stop_button_->setEnabled(true);
}

void ControlLock::Unlock() {
    for (const QPointer<QWidget>& widget : locked_)
        if (widget) widget->setEnabled(true);
    locked_.clear();
    if (stop_button_) stop_button_->setEnabled(false);
    // Disabling the focused field moved the focus on; give it back unless the user went to
    // another page meanwhile.
    if (focus_before_ && running_page_ && running_page_->isVisible() && focus_before_->isEnabled())
        focus_before_->setFocus();
}

}  // namespace numerel::ui
