// The row the search pages share: groups of controls set 16 px apart.
#pragma once

#include <QWidget>
#include <vector>

class QHBoxLayout;

namespace numerel::ui {

// Groups of widgets side by side, 16 px between groups, then a stretch.
QHBoxLayout* SpacedRow(const std::vector<std::vector<QWidget*>>& groups);

}  // namespace numerel::ui
