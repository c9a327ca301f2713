// One default button (Enter in any single-line field clicks it) and one cancel button (Esc) per
// window. Qt's own default-button mechanism only works in dialogs, hence this small class.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

class QLineEdit;
class QWidget;

namespace numerel::ui {

class KeyboardModel : public QObject {
    Q_OBJECT
public:
    explicit KeyboardModel(QWidget* window);

    void SetDefault(QPushButton* button);
    void SetCancel(QPushButton* button);
    QPushButton* Default() const { return default_; }
    QPushButton* Cancel() const { return cancel_; }
    // While a run goes on this button is enabled, and Esc clicks it instead of the cancel button.
    void SetStopButton(QPushButton* button) { stop_ = button; }
    // Enter in this field clicks the default button.
    void Watch(QLineEdit* field);

    // What Enter and Esc do (also reachable from tests without synthesising keys).
    void PressEnter();
    void PressEscape();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
    QPointer<QPushButton> stop_;
};

}  // namespace numerel::ui
