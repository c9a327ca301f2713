#include "ui/pages/interval_search_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/keyboard_model.h"
#include "ui/pages/search_layout.h"
#include "ui/pane/output_pane.h"

namespace numerel::ui {

namespace {
constexpr int kBoundFieldWidth = 280;
}  // namespace

IntervalSearchPage::IntervalSearchPage(Shell& shell, const IntervalSearchDesign& design,
                                       QWidget* parent)
    : Page(shell, parent) {
    // Made in the design's tab order.
    fromCaption = MakeLabel(design.from_caption, "从");
    toCaption = MakeLabel(design.to_caption, "到");
    lowerBound = MakeField(design.from);
    upperBound = MakeField(design.to);
    searchButton = MakeRunButton(design.search_button, "计算");
    decimalSearchButton = nullptr;
    if (design.decimal_search_button != nullptr) {
        decimalSearchButton = MakeRunButton(design.decimal_search_button, "计算");
        decimalSearchButton->hide();
    }
    clearButton = MakeButton(design.clear_button, "清空");
    progressBox = MakeProgressBox(design.progress_box);
    count = MakeLabel(design.count, design.count_caption);
    search_ = {.fields = {lowerBound, upperBound},
               .pane = design.pane,
               .progress_box = design.progress_box,
               .count = count};

    auto* bounds = new QGridLayout;
    bounds->addWidget(fromCaption, 0, 0);
    bounds->addWidget(lowerBound, 0, 1);
    bounds->addWidget(toCaption, 1, 0);
    bounds->addWidget(upperBound, 1, 1);
    bounds->setColumnMinimumWidth(1, kBoundFieldWidth);
    auto* top = new QHBoxLayout;
    top->addLayout(bounds);
    top->addStretch(1);
    std::vector<QWidget*> buttons{searchButton};
    if (decimalSearchButton != nullptr) buttons.push_back(decimalSearchButton);
    buttons.push_back(clearButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(SpacedRow({buttons, {progressBox}, {count}}));
    layout->addWidget(Pane(design.pane), 1);

    connect(searchButton, &QPushButton::clicked, this, [this] { Search(PathButton::Binary64); });
    if (decimalSearchButton != nullptr)
        connect(decimalSearchButton, &QPushButton::clicked, this,
                [this] { Search(PathButton::Decimal96); });
    connect(clearButton, &QPushButton::clicked, this, &IntervalSearchPage::Clear);
}

void IntervalSearchPage::Activate() {
    FocusArriving(lowerBound);
    shell_.keys.SetDefault(
        decimalSearchButton != nullptr ? ShownOf(searchButton, decimalSearchButton) : searchButton);
    shell_.keys.SetCancel(clearButton);
}

void IntervalSearchPage::Clear() {
    count->setText("共");
    ClearTool({lowerBound, upperBound}, search_.pane);
}

}  // namespace numerel::ui
