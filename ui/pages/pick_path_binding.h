// Wires one instance of the integer fields' change reaction: on every change of a watched field
// it writes the digit counts, shows the binary64 or Decimal96 button and makes it default, and
// turns away values beyond the fields' limit with the over-limit message and the instance's reset.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "core/input/pick_path.h"

class QLineEdit;
class QPushButton;

namespace numerel::ui {

class KeyboardModel;
class Platform;

struct PickPathInstance {
    std::vector<QLineEdit*> fields;  // read first to last
    QPushButton* binary_button = nullptr;
    QPushButton* decimal_button = nullptr;
    // Step 1: digit counts and the extra step; gets the field that changed.
    std::function<void(QLineEdit* changed)> before;
    // After the over-limit message.
    std::function<void()> reset;
    InputLimit limit = InputLimit::Decimal96;
};

class PickPathBinding : public QObject {
    Q_OBJECT
public:
    PickPathBinding(PickPathInstance instance, KeyboardModel& keys, Platform& platform,
                    QObject* parent);
    // The reaction, as a change of `changed` runs it.
    void React(QLineEdit* changed);

private:
    void ShowButton(bool decimal);

    PickPathInstance instance_;
    KeyboardModel& keys_;
    Platform& platform_;
};

}  // namespace numerel::ui
