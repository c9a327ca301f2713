#include "ui/pages/page5_divisors.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "core/input/pick_path.h"
#include "core/tools/divisors_search_big.h"
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
    fromLabel = MakeLabel("Label25", "从");
    fromField = MakeField("Text16");
    fromField->setMinimumWidth(kFieldWidth);
    fromDigits = MakeLabel("Label35", "0");
    fromDigits->setToolTip("位数");
    toLabel = MakeLabel("Label26", "到");
    toField = MakeField("Text17");
    toField->setMinimumWidth(kFieldWidth);
    toDigits = MakeLabel("Label36", "0");
    toDigits->setToolTip("位数");
    // Room for four digits (up to 1000), so the fields do not move while the user types.
    for (QLabel* count : {fromDigits, toDigits})
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance("0000"));
    searchButton = MakeRunButton("Command15", "计算");
    largeSearchButton = MakeRunButton("Command20", "计算");
    largeSearchButton->hide();
    clearButton = MakeButton("Command16", "清空");
    onlyPerfectCheck = MakeCheck("Check4", "只找完全数");
    progressCheck = MakeProgressBox(kProgressBox);
    summaryLabel = MakeLabel("Label28", "其中的完全数有");
    summaryBox = MakeField("Text9");
    summaryBox->setReadOnly(true);

    auto* input_row = new QHBoxLayout;
    input_row->addWidget(fromLabel);
    input_row->addWidget(fromField, 1);
    input_row->addWidget(fromDigits);
    input_row->addSpacing(8);
    input_row->addWidget(toLabel);
    input_row->addWidget(toField, 1);
    input_row->addWidget(toDigits);
    input_row->addSpacing(16);
    input_row->addWidget(searchButton);
    input_row->addWidget(largeSearchButton);
    input_row->addWidget(clearButton);
    auto* option_row = new QHBoxLayout;
    option_row->addWidget(onlyPerfectCheck);
    option_row->addSpacing(16);
    option_row->addWidget(progressCheck);
    option_row->addSpacing(16);
    option_row->addWidget(summaryLabel);
    option_row->addWidget(summaryBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input_row);
    layout->addLayout(option_row);
    layout->addWidget(Pane(kPane), 1);

    PickPathInstance instance;
    instance.fields = {fromField, toField};
    instance.binary_button = searchButton;
    instance.decimal_button = largeSearchButton;
    instance.limit = InputLimit::Digits1000;
    // A change of toField writes its own count, then runs fromField's reaction, which always
    // writes fromField's count: both fields are judged together.
    instance.before = [this](QLineEdit* changed) {
        if (changed == toField) toDigits->setText(CharacterCount(toField));
        fromDigits->setText(CharacterCount(fromField));
    };
    instance.reset = [this] { EmptyBounds(); };
    bounds_change_ = BindPickPath(std::move(instance));

    connect(searchButton, &QPushButton::clicked, this, &Page5Divisors::OnSearchClicked);
    connect(largeSearchButton, &QPushButton::clicked, this, &Page5Divisors::OnLargeSearchClicked);
    connect(clearButton, &QPushButton::clicked, this, &Page5Divisors::OnClearClicked);
}

void Page5Divisors::Activate() {
    FocusArriving(fromField);
    shell_.keys.SetDefault(ShownOf(searchButton, largeSearchButton));
    shell_.keys.SetCancel(clearButton);
}

void Page5Divisors::EmptyBounds() {
    toField->clear();
    fromField->clear();
}

SearchTool Page5Divisors::Tool() const {
    // A summary without its list would mislead.
    return {.fields = {fromField, toField},
            .pane = kPane,
            .progress_box = kProgressBox,
            .count = summaryBox,
            .count_while_running = QString(),
            .count_shown = CountShown::WithListOnly};
}

void Page5Divisors::Search(PathButton path) {
    const std::string from = fromField->text().toStdString();
    const std::string to = toField->text().toStdString();
    const bool perfect_only = onlyPerfectCheck->isChecked();
    if (const auto big = DivisorsCheckBig(path, from, to, perfect_only)) {
        if (!Admit(Tool(), std::get_if<Rejection>(&*big))) return;
        const DivisorsBigInput& input = std::get<DivisorsBigInput>(*big);
        return StartSearch(input.from_text, input.to_text,
                           [input](ResultSink& sink, const ProgressFn& progress) {
                               return DivisorsRunBig(input, sink, progress);
                           });
    }
    const DivisorsChecked checked = DivisorsCheck(path, from, to, perfect_only);
    if (!Admit(Tool(), std::get_if<Rejection>(&checked))) return;
    const DivisorsInput& input = std::get<DivisorsInput>(checked);
    StartSearch(input.from_text, input.to_text,
                [input](ResultSink& sink, const ProgressFn& progress) {
                    return DivisorsRun(input, sink, progress);
                });
}

void Page5Divisors::StartSearch(const std::optional<std::string>& from_text,
                                const std::optional<std::string>& to_text, DivisorsWork work) {
    // The repairs are shown in the fields; each runs the fields' change reaction.
    if (from_text) fromField->setText(QString::fromStdString(*from_text));
    if (to_text) toField->setText(QString::fromStdString(*to_text));
    RunSearch(Tool(), [work = std::move(work)](ResultSink& sink, const ProgressFn& progress) {
        SearchSummary summary;
        summary.caption = work(sink, progress).summary;
        return summary;
    });
}

void Page5Divisors::OnSearchClicked() {
    Search(PathButton::Binary64);
}

void Page5Divisors::OnLargeSearchClicked() {
    Search(PathButton::Decimal96);
}

void Page5Divisors::OnClearClicked() {
    ClearTool({fromField, summaryBox, toField}, kPane);
}

}  // namespace numerel::ui
