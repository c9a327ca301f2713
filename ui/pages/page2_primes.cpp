#include "ui/pages/page2_primes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/tools/prime_search_big.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 2;
constexpr int kProgressBox = 2;
}  // namespace

Page2Primes::Page2Primes(Shell& shell, QWidget* parent) : Page(shell, parent) {
    LabelFrom = MakeLabel("Page2From", "从");
    LabelTo = MakeLabel("Page2To", "到");
    Text4 = MakeField("Text4");
    Text5 = MakeField("Text5");
    Command5 = MakeRunButton("Command5", "计算");
    Command21 = MakeRunButton("Command21", "计算");
    Command21->hide();
    Command6 = MakeButton("Command6", "清空");
    Check3_2 = MakeProgressBox(2);
    Label6 = MakeLabel("Label6", "共有");

    auto* bounds = new QGridLayout;
    bounds->addWidget(LabelFrom, 0, 0);
    bounds->addWidget(Text4, 0, 1);
    bounds->addWidget(LabelTo, 1, 0);
    bounds->addWidget(Text5, 1, 1);
    bounds->setColumnMinimumWidth(1, 280);
    auto* top = new QHBoxLayout;
    top->addLayout(bounds);
    top->addStretch(1);
    auto* button_row = new QHBoxLayout;
    button_row->addWidget(Command5);
    button_row->addWidget(Command21);
    button_row->addWidget(Command6);
    button_row->addSpacing(16);
    button_row->addWidget(Check3_2);
    button_row->addSpacing(16);
    button_row->addWidget(Label6);
    button_row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(button_row);
    layout->addWidget(Pane(kPane), 1);

    // A change of either bound judges both together.
    PickPathInstance instance;
    instance.fields = {Text4, Text5};
    instance.binary_button = Command5;
    instance.decimal_button = Command21;
    instance.limit = InputLimit::Digits1000;
    instance.reset = [this] {
        Text5->clear();
        Text4->clear();
    };
    bounds_change_ = BindPickPath(std::move(instance));

    connect(Command5, &QPushButton::clicked, this, &Page2Primes::Command5_Click);
    connect(Command21, &QPushButton::clicked, this, &Page2Primes::Command21_Click);
    connect(Command6, &QPushButton::clicked, this, &Page2Primes::Command6_Click);
}

void Page2Primes::Activate() {
    Text4->setFocus();
    shell_.keys.SetDefault(ShownOf(Command5, Command21));
    shell_.keys.SetCancel(Command6);
}

// The small and the large search differ only in their check and run.
void Page2Primes::StartSearch(const Rejection* rejection, SearchRun run) {
    if (rejection) {
        // The Decimal96 button with an empty bound does nothing at all.
        if (!rejection->message) return;
        shell_.run.ResetStatus();
        Reject(*rejection, {Text4, Text5}, kPane);
        return;
    }
    shell_.run.ResetStatus();
    Label6->setText("共");
    auto summary = std::make_shared<std::optional<SearchSummary>>();
    shell_.run.RunThroughResultFile(
        this, Pane(kPane), kProgressBox,
        [run = std::move(run), summary](ResultSink& sink, const ProgressFn& progress) {
            *summary = run(sink, progress);
            return PaneTextOf(**summary);
        },
        [this, summary] {
            if (*summary) Label6->setText(QString::fromStdString((*summary)->caption));
        });
}

void Page2Primes::Search(PathButton button) {
    const std::string from = Text4->text().toStdString();
    const std::string to = Text5->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<PrimesBigChecked> big = PrimesCheckBig(from, to)) {
            const auto* bounds = std::get_if<PrimesBigBounds>(&*big);
            return StartSearch(std::get_if<Rejection>(&*big),
                               [bounds = bounds ? *bounds : PrimesBigBounds{}](
                                   ResultSink& sink, const ProgressFn& progress) {
                                   return PrimesRunBig(bounds, sink, progress);
                               });
        }
    }
    const PrimesChecked check = PrimesCheck(button, from, to);
    const auto* bounds = std::get_if<PrimesBounds>(&check);
    StartSearch(std::get_if<Rejection>(&check), [bounds = bounds ? *bounds : PrimesBounds{}](
                                                    ResultSink& sink, const ProgressFn& progress) {
        return PrimesRun(bounds, sink, progress);
    });
}

void Page2Primes::Command5_Click() {
    Search(PathButton::Binary64);
}

void Page2Primes::Command21_Click() {
    Search(PathButton::Decimal96);
}

void Page2Primes::Command6_Click() {
    Label6->setText("共");
    ClearTool({Text4, Text5}, kPane);
}

}  // namespace numerel::ui
