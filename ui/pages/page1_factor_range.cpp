#include "ui/pages/page1_factor_range.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 1;
constexpr int kProgressBox = 1;
constexpr int kFieldWidth = 100;
}  // namespace

Page1FactorRange::Page1FactorRange(Shell& shell, QWidget* parent) : Page(shell, parent) {
    LabelFrom = MakeLabel("LabelFrom1", "从");
    Text2 = MakeField("Text2");
    Text2->setMinimumWidth(kFieldWidth);
    Text2->setToolTip("最大 999999999999999");
    LabelTo = MakeLabel("LabelTo1", "到");
    Text3 = MakeField("Text3");
    Text3->setMinimumWidth(kFieldWidth);
    Text3->setToolTip("最大 999999999999999");
    Command3 = MakeRunButton("Command3", "分解");
    Command4 = MakeButton("Command4", "清空");
    Check3_1 = MakeProgressBox(kProgressBox);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(LabelFrom);
    input_row->addWidget(Text2, 1);
    input_row->addSpacing(8);
    input_row->addWidget(LabelTo);
    input_row->addWidget(Text3, 1);
    input_row->addSpacing(16);
    input_row->addWidget(Command3);
    input_row->addWidget(Command4);
    input_row->addSpacing(16);
    input_row->addWidget(Check3_1);
    input_row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addWidget(Pane(kPane), 1);

    connect(Command3, &QPushButton::clicked, this, &Page1FactorRange::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Page1FactorRange::Command4_Click);
}

void Page1FactorRange::Activate() {
    Text2->setFocus();
    shell_.keys.SetDefault(Command3);
    shell_.keys.SetCancel(Command4);
}

void Page1FactorRange::Command3_Click() {
    const FactorRangeChecked checked =
        FactorRangeCheck(Text2->text().toStdString(), Text3->text().toStdString());
    // The status label goes back to idle even when the bounds are turned away.
    shell_.run.ResetStatus();
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {Text2, Text3}, kPane);
        return;
    }
    const FactorRangeInput input = std::get<FactorRangeInput>(checked);
    shell_.run.RunThroughResultFile(
        this, Pane(kPane), kProgressBox,
        [input](ResultSink& sink, const ProgressFn& progress) -> std::optional<QString> {
            FactorRangeRun(input, sink, progress);
            return std::nullopt;
        });
}

void Page1FactorRange::Command4_Click() {
    ClearTool({Text2, Text3}, kPane);
}

}  // namespace numerel::ui
