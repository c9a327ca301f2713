#include "ui/pages/page0_factor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"
#include "core/result_sink.h"
#include "core/tools/factor_one.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

Page0Factor::Page0Factor(Shell& shell, QWidget* parent) : Page(shell, parent) {
    inputCaption = MakeLabel("Label1", "输入一个正整数");
    factorInput = MakeField("Text1");
    factorInput->setMinimumWidth(280);
    inputLength = MakeLabel("Label18", "0");
    largestInput = MakeLabel("Label38", kLargestInput1000);
    largestInput->setToolTip("允许输入的最大数(1000位)");
    powerNote = MakeLabel("Label17", "注：a ^ n 表示 a 的 n 次幂");
    factorButton = MakeRunButton("Command1", "分解");
    decimalFactorButton = MakeRunButton("Command19", "分解");
    decimalFactorButton->hide();
    clearButton = MakeButton("Command2", "清空");
    progressBox = MakeProgressBox(0);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(inputCaption);
    input_row->addWidget(factorInput, 1);
    input_row->addWidget(inputLength);
    auto* limit_row = new QHBoxLayout;
    limit_row->addWidget(MakeLabel("LabelLimit", "最大:"));
    limit_row->addWidget(largestInput);
    limit_row->addStretch(1);
    auto* button_row = new QHBoxLayout;
    button_row->addWidget(factorButton);
    button_row->addWidget(decimalFactorButton);
    button_row->addWidget(clearButton);
    button_row->addSpacing(16);
    button_row->addWidget(progressBox);
    button_row->addStretch(1);
    button_row->addWidget(powerNote);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addLayout(limit_row);
    layout->addLayout(button_row);
    layout->addWidget(Pane(0), 1);

    PickPathInstance instance;
    instance.fields = {factorInput};
    instance.binary_button = factorButton;
    instance.decimal_button = decimalFactorButton;
    // The count follows an emptied field too (Esc, 清空): a stale count misleads.
    instance.before = [this](QLineEdit*) {
        inputLength->setText(QString::number(factorInput->text().length()));
    };
    instance.reset = [this] { factorInput->setText(largestInput->text()); };
    instance.limit = InputLimit::Digits1000;
    input_change_ = BindPickPath(std::move(instance));

    connect(factorButton, &QPushButton::clicked, this, &Page0Factor::FactorBinary);
    connect(decimalFactorButton, &QPushButton::clicked, this, &Page0Factor::FactorDecimal);
    connect(clearButton, &QPushButton::clicked, this, &Page0Factor::Clear);
    shell_.keys.SetCancel(clearButton);
}

void Page0Factor::Activate() {
    FocusArriving(factorInput);
    shell_.keys.SetDefault(ShownOf(factorButton, decimalFactorButton));
    shell_.keys.SetCancel(clearButton);
}

void Page0Factor::Factor(const FactorOneChecked& checked) {
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {factorInput}, 0);
        return;
    }
    const FactorOneInput input = std::get<FactorOneInput>(checked);
    shell_.run.Start();
    // The rewrite runs the change reaction again, as any change of factorInput does.
    if (input.rewritten) factorInput->setText(QString::fromStdString(input.text));
    auto result = std::make_shared<StringSink>();
    // Set by the worker when the run returned with its line written, stopped or not.
    auto written = std::make_shared<bool>(false);
    const ProgressFn progress = shell_.run.ProgressFor(0);
    // A long factorization shows what it has found while it runs.
    QPointer<OutputPane> pane = Pane(0);
    const FactorLiveFn live = [pane](const std::string& text) {
        QMetaObject::invokeMethod(
            pane,
            [pane, shown = QString::fromStdString(text)] {
                if (pane) pane->SetText(shown);
            },
            Qt::QueuedConnection);
    };
    shell_.run.RunOnWorker(
        this,
        [input, result, written, progress, live] {
            FactorOneRun(input, *result, progress, live);
            *written = true;
        },
        [this, result, written](const RunProtocol::RunEnd& end) {
            const bool completed = shell_.run.Completed(end, shell_.run.StartTime());
            // A stopped large factorization shows its proven primes and what is left unsplit;
            // a stopped trial division has nothing worth showing.
            const bool partial = end.ending == RunProtocol::Ending::Stopped && *written;
            Pane(0)->SetText(completed || partial ? QString::fromStdString(result->Text())
                                                  : QString());
            if (completed) shell_.run.Finish();
        });
}

void Page0Factor::FactorBinary() {
    Pane(0)->SetText(QString());
    Factor(FactorOneCheck(factorInput->text().toStdString()));
}

void Page0Factor::FactorDecimal() {
    Pane(0)->SetText(QString());
    Factor(FactorLargeCheck(factorInput->text().toStdString()));
}

void Page0Factor::Clear() {
    ClearTool({factorInput}, 0);
}

}  // namespace numerel::ui
