#include "ui/pages/search_layout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/pane/output_pane.h"

namespace numerel::ui {

namespace {
constexpr int kGroupSpacing = 16;
constexpr int kBoundFieldWidth = 280;
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

void LayOutIntervalSearch(QWidget* page, const IntervalSearchControls& controls, OutputPane* pane) {
    auto* bounds = new QGridLayout;
    bounds->addWidget(controls.from_caption, 0, 0);
    bounds->addWidget(controls.from, 0, 1);
    bounds->addWidget(controls.to_caption, 1, 0);
    bounds->addWidget(controls.to, 1, 1);
    bounds->setColumnMinimumWidth(1, kBoundFieldWidth);
    auto* top = new QHBoxLayout;
    top->addLayout(bounds);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(SpacedRow({controls.buttons, {controls.progress}, {controls.count}}));
    layout->addWidget(pane, 1);
}

}  // namespace numerel::ui
