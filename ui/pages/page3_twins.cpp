#include "ui/pages/page3_twins.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/tools/twin_search.h"
#include "core/tools/twin_search_big.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 3;
constexpr int kProgressBox = 5;
}  // namespace

Page3Twins::Page3Twins(Shell& shell, QWidget* parent) : Page(shell, parent) {
    Label21 = MakeLabel("Label21", "从");
    Label22 = MakeLabel("Label22", "到");
    Text13 = MakeField("Text13");
    Text14 = MakeField("Text14");
    Command13 = MakeRunButton("Command13", "计算");
    Command14 = MakeButton("Command14", "清空");
    Check3_5 = MakeProgressBox(kProgressBox);
    Label11 = MakeLabel("Label11", "共");

    auto* bounds = new QGridLayout;
    bounds->addWidget(Label21, 0, 0);
    bounds->addWidget(Text13, 0, 1);
    bounds->addWidget(Label22, 1, 0);
    bounds->addWidget(Text14, 1, 1);
    bounds->setColumnMinimumWidth(1, 280);
    auto* top = new QHBoxLayout;
    top->addLayout(bounds);
    top->addStretch(1);
    auto* button_row = new QHBoxLayout;
    button_row->addWidget(Command13);
    button_row->addWidget(Command14);
    button_row->addSpacing(16);
    button_row->addWidget(Check3_5);
    button_row->addSpacing(16);
    button_row->addWidget(Label11);
    button_row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(button_row);
    layout->addWidget(Pane(kPane), 1);

    connect(Command13, &QPushButton::clicked, this, &Page3Twins::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &Page3Twins::Command14_Click);
}

void Page3Twins::Activate() {
    Text13->setFocus();
    shell_.keys.SetDefault(Command13);
    shell_.keys.SetCancel(Command14);
}

void Page3Twins::Command13_Click() {
    const std::string from = Text13->text().toStdString();
    const std::string to = Text14->text().toStdString();
    if (const std::optional<TwinsBigChecked> big = TwinsCheckBig(from, to)) {
        const auto* bounds = std::get_if<TwinsBigBounds>(&*big);
        return StartSearch(std::get_if<Rejection>(&*big),
                           [bounds = bounds ? *bounds : TwinsBigBounds{}](
                               ResultSink& sink, const ProgressFn& progress) {
                               return TwinsRunBig(bounds, sink, progress);
                           });
    }
    const TwinsChecked check = TwinsCheck(from, to);
    const auto* bounds = std::get_if<TwinsBounds>(&check);
    StartSearch(std::get_if<Rejection>(&check), [bounds = bounds ? *bounds : TwinsBounds{}](
                                                    ResultSink& sink, const ProgressFn& progress) {
        return TwinsRun(bounds, sink, progress);
    });
}

// The exact and the large search differ only in their check and run.
void Page3Twins::StartSearch(const Rejection* rejection, SearchRun run) {
    shell_.run.ResetStatus();
    if (rejection) {
        // The pane and Label11 keep what the last run left.
        Reject(*rejection, {Text13, Text14}, kPane);
        return;
    }
    Label11->setText("共");
    auto summary = std::make_shared<std::optional<SearchSummary>>();
    shell_.run.RunThroughResultFile(
        this, Pane(kPane), kProgressBox,
        [run = std::move(run), summary](ResultSink& sink, const ProgressFn& progress) {
            *summary = run(sink, progress);
            return PaneTextOf(**summary);
        },
        [this, summary] {
            if (*summary) Label11->setText(QString::fromStdString((*summary)->caption));
        });
}

void Page3Twins::Command14_Click() {
    Label11->setText("共");
    ClearTool({Text13, Text14}, kPane);
}

}  // namespace numerel::ui
