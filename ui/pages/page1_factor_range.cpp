#include "ui/pages/page1_factor_range.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "ui/pages/keyboard_model.h"
#include "ui/pages/search_tool.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 1;
constexpr int kProgressBox = 1;
constexpr int kFieldWidth = 100;
// What the fields take: numerals and integer expressions of up to 1000 digits.
constexpr const char* kLargestTip = "最大 10^1000-1(1000位),可输入算式,如 2^64+1";
}  // namespace

Page1FactorRange::Page1FactorRange(Shell& shell, QWidget* parent) : Page(shell, parent) {
    fromLabel = MakeLabel("LabelFrom1", "从");
    fromField = MakeField("Text2");
    fromField->setMinimumWidth(kFieldWidth);
    fromField->setToolTip(kLargestTip);
    toLabel = MakeLabel("LabelTo1", "到");
    toField = MakeField("Text3");
    toField->setMinimumWidth(kFieldWidth);
    toField->setToolTip(kLargestTip);
    factorButton = MakeRunButton("Command3", "分解");
    clearButton = MakeButton("Command4", "清空");
    progressBox = MakeProgressBox(kProgressBox);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(fromLabel);
    input_row->addWidget(fromField, 1);
    input_row->addSpacing(8);
    input_row->addWidget(toLabel);
    input_row->addWidget(toField, 1);
    input_row->addSpacing(16);
    input_row->addWidget(factorButton);
    input_row->addWidget(clearButton);
    input_row->addSpacing(16);
    input_row->addWidget(progressBox);
    input_row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addWidget(Pane(kPane), 1);

    connect(factorButton, &QPushButton::clicked, this, &Page1FactorRange::OnFactorClicked);
    connect(clearButton, &QPushButton::clicked, this, &Page1FactorRange::OnClearClicked);
}

void Page1FactorRange::Activate() {
    FocusArriving(fromField);
    shell_.keys.SetDefault(factorButton);
    shell_.keys.SetCancel(clearButton);
}

void Page1FactorRange::OnFactorClicked() {
    const FactorRangeChecked checked =
        FactorRangeCheck(fromField->text().toStdString(), toField->text().toStdString());
    const SearchTool tool{
        .fields = {fromField, toField}, .pane = kPane, .progress_box = kProgressBox};
    RunSearch(tool, checked,
              [](const FactorRangeInput& input, ResultSink& sink, const ProgressFn& progress) {
                  FactorRangeRun(input, sink, progress);
                  return SearchSummary{};
              });
}

void Page1FactorRange::OnClearClicked() {
    ClearTool({fromField, toField}, kPane);
}

}  // namespace numerel::ui
