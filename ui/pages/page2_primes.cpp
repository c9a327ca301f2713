#include "ui/pages/page2_primes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "core/tools/prime_search.h"
#include "core/tools/prime_search_big.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/pick_path_binding.h"
#include "ui/pages/search_layout.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 2;
constexpr int kProgressBox = 2;
}  // namespace

Page2Primes::Page2Primes(Shell& shell, QWidget* parent) : Page(shell, parent) {
    fromCaption = MakeLabel("Page2From", "从");
    toCaption = MakeLabel("Page2To", "到");
    primesFrom = MakeField("Text4");
    primesTo = MakeField("Text5");
    searchButton = MakeRunButton("Command5", "计算");
    decimalSearchButton = MakeRunButton("Command21", "计算");
    decimalSearchButton->hide();
    clearButton = MakeButton("Command6", "清空");
    progressBox = MakeProgressBox(kProgressBox);
    primesCount = MakeLabel("Label6", "共有");
    LayOutIntervalSearch(this,
                         {fromCaption,
                          primesFrom,
                          toCaption,
                          primesTo,
                          {searchButton, decimalSearchButton, clearButton},
                          progressBox,
                          primesCount},
                         Pane(kPane));
    primes_ = {.fields = {primesFrom, primesTo},
               .pane = kPane,
               .progress_box = kProgressBox,
               .count = primesCount};

    // A change of either bound judges both together.
    PickPathInstance instance;
    instance.fields = {primesFrom, primesTo};
    instance.binary_button = searchButton;
    instance.decimal_button = decimalSearchButton;
    instance.limit = InputLimit::Digits1000;
    instance.reset = [this] {
        primesTo->clear();
        primesFrom->clear();
    };
    bounds_change_ = BindPickPath(std::move(instance));

    connect(searchButton, &QPushButton::clicked, this, [this] { Search(PathButton::Binary64); });
    connect(decimalSearchButton, &QPushButton::clicked, this,
            [this] { Search(PathButton::Decimal96); });
    connect(clearButton, &QPushButton::clicked, this, &Page2Primes::Clear);
}

void Page2Primes::Activate() {
    primesFrom->setFocus();
    shell_.keys.SetDefault(ShownOf(searchButton, decimalSearchButton));
    shell_.keys.SetCancel(clearButton);
}

void Page2Primes::Search(PathButton button) {
    const std::string from = primesFrom->text().toStdString();
    const std::string to = primesTo->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<PrimesBigChecked> big = PrimesCheckBig(from, to))
            return RunSearch(primes_, *big, &PrimesRunBig);
    }
    RunSearch(primes_, PrimesCheck(button, from, to), &PrimesRun);
}

void Page2Primes::Clear() {
    primesCount->setText("共");
    ClearTool({primesFrom, primesTo}, kPane);
}

}  // namespace numerel::ui
