#include "ui/pages/search_layout.h"

#include <QHBoxLayout>

namespace numerel::ui {

namespace {
constexpr int kGroupSpacing = 16;
}  // namespace

QHBoxLayout* SpacedRow(const std::vector<std::vector<QWidget*>>& groups) {
    auto* row = new QHBoxLayout;
    bool first = true;
    for (const auto& group : groups) {
        if (!first) row->addSpacing(kGroupSpacing);
        first = false;
        for (QWidget* widget : group) row->addWidget(widget);
    }
    row->addStretch(1);
    return row;
}

}  // namespace numerel::ui
