#include "ui/pages/page5_divisors.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "core/input/pick_path.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 5;
constexpr int kProgressBox = 6;
constexpr int kFieldWidth = 140;

QString CharacterCount(const QLineEdit* field) {
    return QString::number(field->text().length());
}
}  // namespace

Page5Divisors::Page5Divisors(Shell& shell, QWidget* parent) : Page(shell, parent) {
    Label25 = MakeLabel("Label25", "从");
    Text16 = MakeField("Text16");
    Text16->setMinimumWidth(kFieldWidth);
    Label35 = MakeLabel("Label35", "0");
    Label35->setToolTip("位数");
    Label26 = MakeLabel("Label26", "到");
    Text17 = MakeField("Text17");
    Text17->setMinimumWidth(kFieldWidth);
    Label36 = MakeLabel("Label36", "0");
    Label36->setToolTip("位数");
    // Room for two digits, so the fields do not move while the user types.
    for (QLabel* count : {Label35, Label36})
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance("00"));
    Command15 = MakeRunButton("Command15", "计算");
    Command20 = MakeRunButton("Command20", "计算");
    Command20->hide();
    Command16 = MakeButton("Command16", "清空");
    Check4 = MakeCheck("Check4", "只找完全数");
    Check3_6 = MakeProgressBox(kProgressBox);
    Label28 = MakeLabel("Label28", "其中的完全数有");
    Text9 = MakeField("Text9");
    Text9->setReadOnly(true);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(Label25);
    input_row->addWidget(Text16, 1);
    input_row->addWidget(Label35);
    input_row->addSpacing(8);
    input_row->addWidget(Label26);
    input_row->addWidget(Text17, 1);
    input_row->addWidget(Label36);
    input_row->addSpacing(16);
    input_row->addWidget(Command15);
    input_row->addWidget(Command20);
    input_row->addWidget(Command16);
    auto* option_row = new QHBoxLayout;
    option_row->addWidget(Check4);
    option_row->addSpacing(16);
    option_row->addWidget(Check3_6);
    option_row->addSpacing(16);
    option_row->addWidget(Label28);
    option_row->addWidget(Text9, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addLayout(option_row);
    layout->addWidget(Pane(kPane), 1);

    PickPathInstance instance;
    instance.fields = {Text16, Text17};
    instance.binary_button = Command15;
    instance.decimal_button = Command20;
    // A change of Text17 writes its own count, then runs Text16's reaction, which always
    // writes Text16's count: both fields are judged together.
    instance.before = [this](QLineEdit* changed) {
        if (changed == Text17) Label36->setText(CharacterCount(Text17));
        Label35->setText(CharacterCount(Text16));
    };
    instance.reset = [this] { EmptyBounds(); };
    bounds_change_ = BindPickPath(std::move(instance));

    connect(Command15, &QPushButton::clicked, this, &Page5Divisors::Command15_Click);
    connect(Command20, &QPushButton::clicked, this, &Page5Divisors::Command20_Click);
    connect(Command16, &QPushButton::clicked, this, &Page5Divisors::Command16_Click);
}

void Page5Divisors::Activate() {
    Text16->setFocus();
    shell_.keys.SetDefault(ShownOf(Command15, Command20));
    shell_.keys.SetCancel(Command16);
}

void Page5Divisors::EmptyBounds() {
    Text17->clear();
    Text16->clear();
}

void Page5Divisors::Search(PathButton path) {
    shell_.run.ResetStatus();
    const DivisorsChecked checked = DivisorsCheck(
        path, Text16->text().toStdString(), Text17->text().toStdString(), Check4->isChecked());
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        Reject(*rejection, {Text16, Text17}, kPane);
        return;
    }
    const DivisorsInput input = std::get<DivisorsInput>(checked);
    // The repairs are shown in the fields; each runs the fields' change reaction.
    if (input.from_text) Text16->setText(QString::fromStdString(*input.from_text));
    if (input.to_text) Text17->setText(QString::fromStdString(*input.to_text));
    Text9->clear();
    auto outcome = std::make_shared<std::optional<DivisorsOutcome>>();
    shell_.run.RunThroughResultFile(
        this, Pane(kPane), kProgressBox,
        [input, outcome](ResultSink& sink, const ProgressFn& progress) -> std::optional<QString> {
            *outcome = DivisorsRun(input, sink, progress);
            return std::nullopt;
        },
        [this, outcome] {
            if (*outcome) Text9->setText(QString::fromStdString((*outcome)->summary));
        },
        // A summary without its list would mislead.
        [this](bool shown) {
            if (!shown) Text9->clear();
        });
}

void Page5Divisors::Command15_Click() {
    Search(PathButton::Binary64);
}

void Page5Divisors::Command20_Click() {
    Search(PathButton::Decimal96);
}

void Page5Divisors::Command16_Click() {
    ClearTool({Text16, Text9, Text17}, kPane);
}

}  // namespace numerel::ui
