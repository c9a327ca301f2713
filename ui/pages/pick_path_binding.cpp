#include "ui/pages/pick_path_binding.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "ui/pages/keyboard_model.h"
#include "ui/platform/platform.h"

namespace numerel::ui {

PickPathBinding::PickPathBinding(PickPathInstance instance, KeyboardModel& keys, Platform& platform,
                                 QObject* parent)
    : QObject(parent), instance_(std::move(instance)), keys_(keys), platform_(platform) {
    for (QLineEdit* field : instance_.fields)
        connect(field, &QLineEdit::textChanged, this, [this, field] { React(field); });
}

void PickPathBinding::ShowButton(bool decimal) {
    // Hide first so the two never stand side by side for a moment.
    (decimal ? instance_.binary_button : instance_.decimal_button)->hide();
    QPushButton* shown = decimal ? instance_.decimal_button : instance_.binary_button;
    shown->show();
    keys_.SetDefault(shown);
}

void PickPathBinding::React(QLineEdit* changed) {
    if (instance_.before) instance_.before(changed);
    std::vector<std::string> texts;
    for (QLineEdit* field : instance_.fields) texts.push_back(field->text().toStdString());
    const PathDecision decision = PickPath(texts, instance_.limit);
    if (decision.button) ShowButton(*decision.button == PathButton::Decimal96);
    if (decision.over_limit) {
        platform_.ShowMessage(OverLimitMessage(instance_.limit));
        if (instance_.reset) instance_.reset();
    }
}

}  // namespace numerel::ui
