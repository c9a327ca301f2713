#include "ui/pages/page4_goldbach.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/tools/goldbach.h"
#include "core/tools/goldbach_big.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pages/search_layout.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

// A tool's check and run on either path.
struct GoldbachPaths {
    GoldbachChecked (*check)(PathButton, std::string_view, GoldbachOptions);
    SearchSummary (*run)(const GoldbachRequest&, ResultSink&, const ProgressFn&);
    std::optional<GoldbachBigChecked> (*big_check)(std::string_view, GoldbachOptions);
    SearchSummary (*big_run)(const GoldbachBigRequest&, ResultSink&, const ProgressFn&);
};

// A tool's controls as the window's design names and captions them.
struct GoldbachToolDesign {
    const char* caption_name;
    const char* caption;
    const char* input;
    const char* digit_count;
    const char* search_button;
    const char* decimal_search_button;
    const char* clear_button;
    const char* one_result;
    int progress_box;
    const char* count;
};

namespace {
constexpr int kPane = 4;

constexpr GoldbachPaths kEvenPaths{&GoldbachEvenCheck, &GoldbachEvenRun, &GoldbachEvenCheckBig,
                                   &GoldbachEvenRunBig};
constexpr GoldbachPaths kOddPaths{&GoldbachOddCheck, &GoldbachOddRun, &GoldbachOddCheckBig,
                                  &GoldbachOddRunBig};

constexpr GoldbachToolDesign kEvenDesign{
    "Page4EvenCaption", "输入一个≥6的偶数", "Text11_0", "Label32", "Command11",
    "Command22",        "Command17",        "Check1",   3,         "Label14"};
constexpr GoldbachToolDesign kOddDesign{
    "Page4OddCaption", "输入一个≥9的奇数", "Text12_0", "Label33", "Command12",
    "Command23",       "Command18",        "Check2",   4,         "Label15"};
}  // namespace

Page4Goldbach::Page4Goldbach(Shell& shell, QWidget* parent) : Page(shell, parent) {
    MakeTool(even_, kEvenDesign);
    MakeTool(odd_, kOddDesign);
    even_.paths = &kEvenPaths;
    odd_.paths = &kOddPaths;
    // The even tool's count comes before the time report, whose message box already shows it;
    // the odd tool writes its count only after the report.
    even_.search.count_shown = CountShown::BeforePane;
    odd_.search.count_shown = CountShown::AfterReport;

    // Two rows per tool, the columns of both tools aligned.
    auto* tools = new QGridLayout;
    const auto add_tool = [tools](int row, const Tool& tool) {
        tools->addWidget(tool.caption, row, 0);
        tools->addWidget(tool.input, row, 1);
        tools->addWidget(tool.digitCount, row, 2);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(tool.searchButton);
        buttons->addWidget(tool.decimalSearchButton);
        buttons->addWidget(tool.clearButton);
        tools->addLayout(buttons, row, 3);
        tools->addLayout(SpacedRow({{tool.oneResult}, {tool.progressBox}, {tool.count}}), row + 1,
                         1, 1, 3);
    };
    add_tool(0, even_);
    tools->setRowMinimumHeight(2, 12);
    add_tool(3, odd_);
    tools->setColumnMinimumWidth(1, 280);
    tools->setColumnStretch(1, 1);
    tools->setColumnMinimumWidth(2, 24);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(Pane(kPane), 1);

    BindTool(even_);
    BindTool(odd_);
}

void Page4Goldbach::MakeTool(Tool& tool, const GoldbachToolDesign& design) {
    tool.caption = MakeLabel(design.caption_name, design.caption);
    tool.input = MakeField(design.input);
    tool.digitCount = MakeLabel(design.digit_count, "0");
    tool.searchButton = MakeRunButton(design.search_button, "计算");
    tool.decimalSearchButton = MakeRunButton(design.decimal_search_button, "计算");
    tool.decimalSearchButton->hide();
    tool.clearButton = MakeButton(design.clear_button, "清空");
    tool.oneResult = MakeCheck(design.one_result, "只计算一种结果");
    tool.progressBox = MakeProgressBox(design.progress_box);
    tool.count = MakeLabel(design.count, "共");
    tool.search = {.fields = {tool.input},
                   .pane = kPane,
                   .progress_box = design.progress_box,
                   .count = tool.count,
                   .shared_pane = true};
}

void Page4Goldbach::BindTool(Tool& tool) {
    // Editing a field makes its tool's clear button the cancel button.
    PickPathInstance instance;
    instance.fields = {tool.input};
    instance.binary_button = tool.searchButton;
    instance.decimal_button = tool.decimalSearchButton;
    instance.before = [this, &tool](QLineEdit*) {
        tool.digitCount->setText(QString::number(tool.input->text().length()));
        shell_.keys.SetCancel(tool.clearButton);
    };
    instance.reset = [&tool] { tool.input->clear(); };
    instance.limit = InputLimit::Digits1000;
    tool.input_change = BindPickPath(std::move(instance));

    connect(tool.searchButton, &QPushButton::clicked, this,
            [this, &tool] { Search(tool, PathButton::Binary64); });
    connect(tool.decimalSearchButton, &QPushButton::clicked, this,
            [this, &tool] { Search(tool, PathButton::Decimal96); });
    connect(tool.clearButton, &QPushButton::clicked, this,
            [this, &tool] { ClearTool({tool.input}, kPane); });
}

void Page4Goldbach::Activate() {
    FocusArriving(even_.input);
    shell_.keys.SetDefault(ShownOf(even_.searchButton, even_.decimalSearchButton));
    shell_.keys.SetCancel(even_.clearButton);
}

void Page4Goldbach::Search(const Tool& tool, PathButton button) {
    const GoldbachOptions options{tool.oneResult->isChecked(), tool.progressBox->isChecked()};
    const std::string text = tool.input->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<GoldbachBigChecked> big = tool.paths->big_check(text, options))
            return RunSearch(tool.search, *big, tool.paths->big_run);
    }
    RunSearch(tool.search, tool.paths->check(button, text, options), tool.paths->run);
}

}  // namespace numerel::ui
