// Locking the controls while a run goes on: the running page's fields and buttons and every
// page's run buttons are disabled, "停止" is enabled; afterwards the same ones come back and the
// focus returns where it was.
#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <vector>

namespace numerel::ui {

class ControlLock {
public:
    // A button that starts a run: disabled while any run goes on.
    void AddRunButton(QAbstractButton* button);
    // "停止": enabled only while a run goes on.
    void SetStopButton(QPushButton* button, bool running);
    void Lock(QWidget* page);
    void Unlock();

private:
    std::vector<QPointer<QAbstractButton>> run_buttons_;
    QPointer<QPushButton> stop_button_;
    std::vector<QPointer<QWidget>> locked_;
    QPointer<QWidget> focus_before_;
    QPointer<QWidget> running_page_;
};

}  // namespace numerel::ui
