// The layouts the search pages share: the two bounds of an interval one above the other, and a
// row of control groups set 16 px apart.
#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numerel::ui {

class OutputPane;

// Groups of widgets side by side, 16 px between groups, then a stretch.
QHBoxLayout* SpacedRow(const std::vector<std::vector<QWidget*>>& groups);

// An interval search: "从" and "到" with their bound fields at the top left, below them the
// buttons, the progress box and the count, the pane filling the rest.
struct IntervalSearchControls {
    QLabel* from_caption;
    QLineEdit* from;
    QLabel* to_caption;
    QLineEdit* to;
    std::vector<QWidget*> buttons;
    QCheckBox* progress;
    QLabel* count;
};
void LayOutIntervalSearch(QWidget* page, const IntervalSearchControls& controls, OutputPane* pane);

}  // namespace numerel::ui
