#include "ui/pages/page6_calculator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/tools/calculator_tool.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/platform.h"
#include "ui/platform/platform_prompter.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kButtonsPerRow = 5;
constexpr int kPane = 6;

// The operand in `box` without its sign, written back where one was removed.
std::string UnsignedOperand(QLineEdit* box) {
    const std::string typed = box->text().toStdString();
    std::string operand = WithoutSign(typed);
    if (operand.size() != typed.size()) box->setText(QString::fromStdString(operand));
    return operand;
}
}  // namespace

Page6Calculator::Page6Calculator(Shell& shell, QWidget* parent) : Page(shell, parent) {
    aCaption = MakeLabel("Label43", "A");
    bCaption = MakeLabel("Label44", "B");
    operandA = MakeField("Text22");
    operandB = MakeField("Text23");
    aLength = MakeLabel("Label45", "0");
    bLength = MakeLabel("Label46", "0");
    // Room for a nine-digit count, so the fields keep their width while the user types.
    for (QLabel* count : {aLength, bLength}) {
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance("000000000"));
        count->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    auto* operands = new QGridLayout;
    operands->addWidget(aCaption, 0, 0);
    operands->addWidget(operandA, 0, 1);
    operands->addWidget(aLength, 0, 2);
    operands->addWidget(bCaption, 1, 0);
    operands->addWidget(operandB, 1, 1);
    operands->addWidget(bLength, 1, 2);
    operands->setColumnStretch(1, 1);

    auto* buttons = new QGridLayout;
    const auto& table = CalcButtons();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const CalcButton& design = table.at(static_cast<std::size_t>(i));
        QPushButton* button =
            MakeRunButton(QString("Command27_%1").arg(i), QString::fromUtf8(design.caption));
        if (*design.tooltip != '\0') button->setToolTip(QString::fromUtf8(design.tooltip));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance("A mod B") + 24);
        operationButtons.at(static_cast<std::size_t>(i)) = button;
        buttons->addWidget(button, i / kButtonsPerRow, i % kButtonsPerRow);
        connect(button, &QPushButton::clicked, this, [this, i] { Calculate(i); });
    }
    clearButton = MakeButton("Command28", "清空");
    clearButton->setMinimumWidth(operationButtons[0]->minimumWidth());
    buttons->addWidget(clearButton, 1, kButtonsPerRow - 1);
    auto* button_row = new QHBoxLayout;
    button_row->addLayout(buttons);
    button_row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(operands);
    layout->addLayout(button_row);
    layout->addWidget(Pane(kPane), 1);
    // A result is one long run of digits: break it at the pane's edge rather than scroll.
    Pane(kPane)->setWordWrapMode(QTextOption::WrapAnywhere);

    connect(operandA, &QLineEdit::textChanged, this, &Page6Calculator::CountOperands);
    connect(operandB, &QLineEdit::textChanged, this, &Page6Calculator::CountOperands);
    connect(clearButton, &QPushButton::clicked, this, &Page6Calculator::Clear);
}

void Page6Calculator::Activate() {
    FocusArriving(operandA);
    shell_.keys.SetCancel(clearButton);
}

void Page6Calculator::CountOperands() {
    aLength->setText(QString::number(operandA->text().length()));
    bLength->setText(QString::number(operandB->text().length()));
}

void Page6Calculator::Calculate(int index) {
    // Only the start instant: a click that computes nothing leaves the status label and the bar
    // as they were.
    const std::int64_t t0 = shell_.platform.NowSeconds();
    const CalcOp op = CalcOpAt(static_cast<std::size_t>(index));
    std::string a = UnsignedOperand(operandA);  // A's box changes before B's
    std::string b = UnsignedOperand(operandB);
    CalcChecked check = CalcCheck(op, {std::move(a), std::move(b)});
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        Reject(*rejection, {operandA, operandB}, kPane);
        return;
    }
    CalcWriteBack write_back = [this](CalcField field, const std::string& text) {
        (field == CalcField::A ? operandA : operandB)->setText(QString::fromStdString(text));
    };
    auto click = std::make_shared<CalcClick>(op, std::get<CalcOperands>(std::move(check)),
                                             std::move(write_back));
    PlatformPrompter prompter(shell_.platform);
    if (!click->Prepare(prompter)) {
        ShowOutcome(click->TakeOutcome(), t0, false);
        return;
    }
    RunStep(std::move(click), t0);
}

void Page6Calculator::RunStep(std::shared_ptr<CalcClick> click, std::int64_t t0) {
    shell_.run.RunOnWorker(
        this, [click] { click->Run(); },
        [this, click, t0](const RunProtocol::RunEnd& end) {
            if (!shell_.run.Completed(end, t0)) return;
            PlatformPrompter prompter(shell_.platform);
            if (click->AfterRun(prompter)) {
                // A question between two runs: the next run starts from the status the click
                // found.
                shell_.run.RestoreStatus();
                RunStep(click, t0);
                return;
            }
            ShowOutcome(click->TakeOutcome(), t0, true);
        });
}

void Page6Calculator::ShowOutcome(const CalcOutcome& outcome, std::int64_t t0, bool ran) {
    if (!outcome.result) {
        if (ran) shell_.run.RestoreStatus();
        if (outcome.rejection) Show(*outcome.rejection);
        return;
    }
    Pane(kPane)->SetText(QString::fromStdString(*outcome.result));
    shell_.run.ReportElapsed(t0, shell_.platform.NowSeconds());
}

void Page6Calculator::Clear() {
    ClearTool({operandA, operandB}, kPane, ClearResets::Nothing, FocusAfter::Stays);
}

}  // namespace numerel::ui
