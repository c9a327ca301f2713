#include "ui/pages/page6_calculator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/tools/calculator_tool.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/platform.h"
#include "ui/platform/platform_prompter.h"
#include "ui/platform/ui_call.h"
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
    Label43 = MakeLabel("Label43", "A");
    Label44 = MakeLabel("Label44", "B");
    Text22 = MakeField("Text22");
    Text23 = MakeField("Text23");
    Label45 = MakeLabel("Label45", "0");
    Label46 = MakeLabel("Label46", "0");
    // Room for a nine-digit count, so the fields keep their width while the user types.
    for (QLabel* count : {Label45, Label46}) {
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance("000000000"));
        count->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    auto* operands = new QGridLayout;
    operands->addWidget(Label43, 0, 0);
    operands->addWidget(Text22, 0, 1);
    operands->addWidget(Label45, 0, 2);
    operands->addWidget(Label44, 1, 0);
    operands->addWidget(Text23, 1, 1);
    operands->addWidget(Label46, 1, 2);
    operands->setColumnStretch(1, 1);

    auto* buttons = new QGridLayout;
    const auto& table = CalcButtons();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const CalcButton& design = table.at(static_cast<std::size_t>(i));
        QPushButton* button =
            MakeRunButton(QString("Command27_%1").arg(i), QString::fromUtf8(design.caption));
        if (*design.tooltip != '\0') button->setToolTip(QString::fromUtf8(design.tooltip));
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance("A mod B") + 24);
        Command27.at(static_cast<std::size_t>(i)) = button;
        buttons->addWidget(button, i / kButtonsPerRow, i % kButtonsPerRow);
        connect(button, &QPushButton::clicked, this, [this, i] { Command27_Click(i); });
    }
    Command28 = MakeButton("Command28", "清空");
    Command28->setMinimumWidth(Command27[0]->minimumWidth());
    buttons->addWidget(Command28, 1, kButtonsPerRow - 1);
    auto* button_row = new QHBoxLayout;
    button_row->addLayout(buttons);
    button_row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(operands);
    layout->addLayout(button_row);
    layout->addWidget(Pane(kPane), 1);
    // A result is one long run of digits: break it at the pane's edge rather than scroll.
    Pane(kPane)->setWordWrapMode(QTextOption::WrapAnywhere);

    connect(Text22, &QLineEdit::textChanged, this, &Page6Calculator::Text22_Change);
    connect(Text23, &QLineEdit::textChanged, this, &Page6Calculator::Text23_Change);
    connect(Command28, &QPushButton::clicked, this, &Page6Calculator::Command28_Click);
}

void Page6Calculator::Activate() {
    Text22->setFocus();
    shell_.keys.SetCancel(Command28);
}

void Page6Calculator::Text22_Change() {
    Label45->setText(QString::number(Text22->text().length()));
}

void Page6Calculator::Text23_Change() {
    Label46->setText(QString::number(Text23->text().length()));
}

void Page6Calculator::Command27_Click(int index) {
    // Only the start instant: a click that computes nothing leaves the status label and the bar
    // as they were.
    const std::int64_t t0 = shell_.platform.NowSeconds();
    const CalcOp op = CalcOpAt(static_cast<std::size_t>(index));
    std::string a = UnsignedOperand(Text22);  // A's box changes before B's
    std::string b = UnsignedOperand(Text23);
    CalcChecked check = CalcCheck(op, {std::move(a), std::move(b)});
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        Reject(*rejection, {Text22, Text23}, kPane);
        return;
    }
    auto outcome = std::make_shared<CalcOutcome>();
    Platform* platform = &shell_.platform;
    QObject* ui = this;
    const QPointer<QLineEdit> text22 = Text22;
    const QPointer<QLineEdit> text23 = Text23;
    // The prompts and the operand write-backs happen on the UI thread, in their order.
    CalcWriteBack write_back = [ui, text22, text23](CalcField field, const std::string& text) {
        CallOnUiThread(ui, [field, text, text22, text23] {
            QLineEdit* box = field == CalcField::A ? text22 : text23;
            if (box != nullptr) box->setText(QString::fromStdString(text));
        });
    };
    shell_.run.RunOnWorker(
        this,
        [op, operands = std::get<CalcOperands>(std::move(check)), outcome, platform, ui,
         write_back = std::move(write_back)] {
            PlatformPrompter prompter(*platform, ui);
            *outcome = RunCalculator(op, operands, prompter, write_back);
        },
        [this, outcome, t0](const RunProtocol::RunEnd& end) {
            if (!shell_.run.Completed(end, t0)) return;
            if (outcome->rejection) {
                shell_.run.RestoreStatus();
                Show(*outcome->rejection);
                return;
            }
            if (!outcome->result) {
                shell_.run.RestoreStatus();
                return;
            }
            Pane(kPane)->SetText(QString::fromStdString(*outcome->result));
            shell_.run.ReportElapsed(t0, shell_.platform.NowSeconds());
        });
}

void Page6Calculator::Command28_Click() {
    ClearTool({Text22, Text23}, kPane, ClearResets::Nothing, FocusAfter::Stays);
}

}  // namespace numerel::ui
