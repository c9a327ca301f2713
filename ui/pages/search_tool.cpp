#include "ui/pages/search_tool.h"

#include <QLabel>
#include <QLineEdit>

namespace numerel::ui {

void CountTarget::SetText(const QString& text) const {
    if (label_ != nullptr) label_->setText(text);
    if (field_ != nullptr) field_->setText(text);
}

}  // namespace numerel::ui
