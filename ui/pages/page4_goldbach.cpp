#include "ui/pages/page4_goldbach.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 4;
constexpr int kEvenProgressBox = 3;
constexpr int kOddProgressBox = 4;
}  // namespace

Page4Goldbach::Page4Goldbach(Shell& shell, QWidget* parent) : Page(shell, parent) {
    LabelEven = MakeLabel("Page4EvenCaption", "输入一个≥6的偶数");
    Text11_0 = MakeField("Text11_0");
    Label32 = MakeLabel("Label32", "0");
    Command11 = MakeRunButton("Command11", "计算");
    Command22 = MakeRunButton("Command22", "计算");
    Command22->hide();
    Command17 = MakeButton("Command17", "清空");
    Check1 = MakeCheck("Check1", "只计算一种结果");
    Check3_3 = MakeProgressBox(kEvenProgressBox);
    Label14 = MakeLabel("Label14", "共");

    LabelOdd = MakeLabel("Page4OddCaption", "输入一个≥9的奇数");
    Text12_0 = MakeField("Text12_0");
    Label33 = MakeLabel("Label33", "0");
    Command12 = MakeRunButton("Command12", "计算");
    Command23 = MakeRunButton("Command23", "计算");
    Command23->hide();
    Command18 = MakeButton("Command18", "清空");
    Check2 = MakeCheck("Check2", "只计算一种结果");
    Check3_4 = MakeProgressBox(kOddProgressBox);
    Label15 = MakeLabel("Label15", "共");

    // Two rows per tool, the columns of both tools aligned.
    auto* tools = new QGridLayout;
    const auto add_tool = [tools](int row, QLabel* caption, QLineEdit* field, QLabel* count,
                                  QPushButton* binary, QPushButton* decimal, QPushButton* clear,
                                  QCheckBox* one, QCheckBox* progress, QLabel* found) {
        tools->addWidget(caption, row, 0);
        tools->addWidget(field, row, 1);
        tools->addWidget(count, row, 2);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(binary);
        buttons->addWidget(decimal);
        buttons->addWidget(clear);
        tools->addLayout(buttons, row, 3);
        auto* options = new QHBoxLayout;
        options->addWidget(one);
        options->addSpacing(16);
        options->addWidget(progress);
        options->addSpacing(16);
        options->addWidget(found);
        options->addStretch(1);
        tools->addLayout(options, row + 1, 1, 1, 3);
    };
    add_tool(0, LabelEven, Text11_0, Label32, Command11, Command22, Command17, Check1, Check3_3,
             Label14);
    tools->setRowMinimumHeight(2, 12);
    add_tool(3, LabelOdd, Text12_0, Label33, Command12, Command23, Command18, Check2, Check3_4,
             Label15);
    tools->setColumnMinimumWidth(1, 280);
    tools->setColumnStretch(1, 1);
    tools->setColumnMinimumWidth(2, 24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(Pane(kPane), 1);

    // Editing a field makes its tool's clear button the cancel button.
    PickPathInstance even;
    even.fields = {Text11_0};
    even.binary_button = Command11;
    even.decimal_button = Command22;
    even.before = [this](QLineEdit*) {
        Label32->setText(QString::number(Text11_0->text().length()));
        shell_.keys.SetCancel(Command17);
    };
    even.reset = [this] { Text11_0->clear(); };
    even.limit = InputLimit::Digits1000;
    even_change_ = BindPickPath(std::move(even));

    PickPathInstance odd;
    odd.fields = {Text12_0};
    odd.binary_button = Command12;
    odd.decimal_button = Command23;
    odd.before = [this](QLineEdit*) {
        Label33->setText(QString::number(Text12_0->text().length()));
        shell_.keys.SetCancel(Command18);
    };
    odd.reset = [this] { Text12_0->clear(); };
    odd.limit = InputLimit::Digits1000;
    odd_change_ = BindPickPath(std::move(odd));

    connect(Command11, &QPushButton::clicked, this, &Page4Goldbach::Command11_Click);
    connect(Command22, &QPushButton::clicked, this, &Page4Goldbach::Command22_Click);
    connect(Command17, &QPushButton::clicked, this, &Page4Goldbach::Command17_Click);
    connect(Command12, &QPushButton::clicked, this, &Page4Goldbach::Command12_Click);
    connect(Command23, &QPushButton::clicked, this, &Page4Goldbach::Command23_Click);
    connect(Command18, &QPushButton::clicked, this, &Page4Goldbach::Command18_Click);
}

void Page4Goldbach::Activate() {
    Text11_0->setFocus();
    shell_.keys.SetDefault(ShownOf(Command11, Command22));
    shell_.keys.SetCancel(Command17);
}

void Page4Goldbach::ClearForRun() {
    shell_.run.ResetStatus();
    Pane(kPane)->SetText(QString());
    shell_.run.Frame()->SetBarWidth(0);
}

// The pane is emptied, with the status label and the bar, before any message; a rejection that
// keeps the pane does nothing at all.
bool Page4Goldbach::Pressed(const Rejection* rejection, QLineEdit* field) {
    if (rejection != nullptr && !rejection->empty_pane) return false;
    ClearForRun();
    if (rejection == nullptr) return true;
    Reject(*rejection, {field}, kPane);
    return false;
}

void Page4Goldbach::StartRun(bool even, ToolRun run) {
    (even ? Label14 : Label15)->setText("共");
    auto summary = std::make_shared<std::optional<SearchSummary>>();
    auto work = [run = std::move(run), summary](ResultSink& sink, const ProgressFn& progress) {
        *summary = run(sink, progress);
        return PaneTextOf(**summary);
    };
    if (even) {
        shell_.run.RunThroughResultFile(
            this, Pane(kPane), kEvenProgressBox, std::move(work),
            // Before the time report: its message box already shows the count.
            [this, summary] {
                if (*summary) Label14->setText(QString::fromStdString((*summary)->caption));
            });
    } else {
        shell_.run.RunThroughResultFile(
            this, Pane(kPane), kOddProgressBox, std::move(work), {},
            // The odd tool writes its count only after the time report.
            [this, summary](bool shown) {
                if (shown && *summary)
                    Label15->setText(QString::fromStdString((*summary)->caption));
            });
    }
}

void Page4Goldbach::Even(PathButton button) {
    const GoldbachOptions options{Check1->isChecked(), Check3_3->isChecked()};
    const std::string text = Text11_0->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<GoldbachBigChecked> big = GoldbachEvenCheckBig(text, options)) {
            if (!Pressed(std::get_if<Rejection>(&*big), Text11_0)) return;
            const GoldbachBigRequest request = std::get<GoldbachBigRequest>(*big);
            StartRun(true, [request](ResultSink& sink, const ProgressFn& progress) {
                return GoldbachEvenRunBig(request, sink, progress);
            });
            return;
        }
    }
    const GoldbachChecked check = GoldbachEvenCheck(button, text, options);
    if (!Pressed(std::get_if<Rejection>(&check), Text11_0)) return;
    const GoldbachRequest request = std::get<GoldbachRequest>(check);
    StartRun(true, [request](ResultSink& sink, const ProgressFn& progress) {
        return GoldbachEvenRun(request, sink, progress);
    });
}

void Page4Goldbach::Odd(PathButton button) {
    const GoldbachOptions options{Check2->isChecked(), Check3_4->isChecked()};
    const std::string text = Text12_0->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<GoldbachBigChecked> big = GoldbachOddCheckBig(text, options)) {
            if (!Pressed(std::get_if<Rejection>(&*big), Text12_0)) return;
            const GoldbachBigRequest request = std::get<GoldbachBigRequest>(*big);
            StartRun(false, [request](ResultSink& sink, const ProgressFn& progress) {
                return GoldbachOddRunBig(request, sink, progress);
            });
            return;
        }
    }
    const GoldbachChecked check = GoldbachOddCheck(button, text, options);
    if (!Pressed(std::get_if<Rejection>(&check), Text12_0)) return;
    const GoldbachRequest request = std::get<GoldbachRequest>(check);
    StartRun(false, [request](ResultSink& sink, const ProgressFn& progress) {
        return GoldbachOddRun(request, sink, progress);
    });
}

void Page4Goldbach::Command11_Click() {
    Even(PathButton::Binary64);
}

void Page4Goldbach::Command22_Click() {
    Even(PathButton::Decimal96);
}

void Page4Goldbach::Command12_Click() {
    Odd(PathButton::Binary64);
}

void Page4Goldbach::Command23_Click() {
    Odd(PathButton::Decimal96);
}

void Page4Goldbach::Command17_Click() {
    ClearTool({Text11_0}, kPane);
}

void Page4Goldbach::Command18_Click() {
    ClearTool({Text12_0}, kPane);
}

}  // namespace numerel::ui
