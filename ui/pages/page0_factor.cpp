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
    Label1 = MakeLabel("Label1", "输入一个正整数");
    Text1 = MakeField("Text1");
    Text1->setMinimumWidth(280);
    Label18 = MakeLabel("Label18", "0");
    Label38 = MakeLabel("Label38", kLargestInput1000);
    Label38->setToolTip("允许输入的最大数(1000位)");
    Label17 = MakeLabel("Label17", "注：a ^ n 表示 a 的 n 次幂");
    Command1 = MakeRunButton("Command1", "分解");
    Command19 = MakeRunButton("Command19", "分解");
    Command19->hide();
    Command2 = MakeButton("Command2", "清空");
    Check3_0 = MakeProgressBox(0);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(Label1);
    input_row->addWidget(Text1, 1);
    input_row->addWidget(Label18);
    auto* limit_row = new QHBoxLayout;
    limit_row->addWidget(MakeLabel("LabelLimit", "最大:"));
    limit_row->addWidget(Label38);
    limit_row->addStretch(1);
    auto* button_row = new QHBoxLayout;
    button_row->addWidget(Command1);
    button_row->addWidget(Command19);
    button_row->addWidget(Command2);
    button_row->addSpacing(16);
    button_row->addWidget(Check3_0);
    button_row->addStretch(1);
    button_row->addWidget(Label17);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addLayout(limit_row);
    layout->addLayout(button_row);
    layout->addWidget(Pane(0), 1);

    PickPathInstance instance;
    instance.fields = {Text1};
    instance.binary_button = Command1;
    instance.decimal_button = Command19;
    // The count follows an emptied field too (Esc, 清空): a stale count misleads.
    instance.before = [this](QLineEdit*) {
        Label18->setText(QString::number(Text1->text().length()));
    };
    instance.reset = [this] { Text1->setText(Label38->text()); };
    instance.limit = InputLimit::Digits1000;
    text1_change_ = BindPickPath(std::move(instance));

    connect(Command1, &QPushButton::clicked, this, &Page0Factor::Command1_Click);
    connect(Command19, &QPushButton::clicked, this, &Page0Factor::Command19_Click);
    connect(Command2, &QPushButton::clicked, this, &Page0Factor::Command2_Click);
    shell_.keys.SetCancel(Command2);
}

void Page0Factor::Activate() {
    Text1->setFocus();
    shell_.keys.SetDefault(ShownOf(Command1, Command19));
    shell_.keys.SetCancel(Command2);
}

void Page0Factor::Factor(const FactorOneChecked& checked) {
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {Text1}, 0);
        return;
    }
    const FactorOneInput input = std::get<FactorOneInput>(checked);
    shell_.run.Start();
    // The rewrite runs the change reaction again, as any change of Text1 does.
    if (input.rewritten) Text1->setText(QString::fromStdString(input.text));
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

void Page0Factor::Command1_Click() {
    Pane(0)->SetText(QString());
    Factor(FactorOneCheck(Text1->text().toStdString()));
}

void Page0Factor::Command19_Click() {
    Pane(0)->SetText(QString());
    Factor(FactorLargeCheck(Text1->text().toStdString()));
}

void Page0Factor::Command2_Click() {
    ClearTool({Text1}, 0);
}

}  // namespace numerel::ui
