#include "ui/pages/page2_primes.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "core/tools/prime_search.h"
#include "core/tools/prime_search_big.h"
#include "ui/pages/pick_path_binding.h"

namespace numerel::ui {

namespace {
constexpr IntervalSearchDesign kDesign{.from_caption = "Page2From",
                                       .to_caption = "Page2To",
                                       .from = "Text4",
                                       .to = "Text5",
                                       .search_button = "Command5",
                                       .decimal_search_button = "Command21",
                                       .clear_button = "Command6",
                                       .progress_box = 2,
                                       .count = "Label6",
                                       .count_caption = "共有",
                                       .pane = 2};
}  // namespace

Page2Primes::Page2Primes(Shell& shell, QWidget* parent)
    : IntervalSearchPage(shell, kDesign, parent) {
    // A change of either bound judges both together.
    PickPathInstance instance;
    instance.fields = {lowerBound, upperBound};
    instance.binary_button = searchButton;
    instance.decimal_button = decimalSearchButton;
    instance.limit = InputLimit::Digits1000;
    instance.reset = [this] {
        upperBound->clear();
        lowerBound->clear();
    };
    bounds_change_ = BindPickPath(std::move(instance));
}

void Page2Primes::Search(PathButton button) {
    const std::string from = lowerBound->text().toStdString();
    const std::string to = upperBound->text().toStdString();
    if (button == PathButton::Decimal96) {
        if (const std::optional<PrimesBigChecked> big = PrimesCheckBig(from, to))
            return RunSearch(search_, *big, &PrimesRunBig);
    }
    RunSearch(search_, PrimesCheck(button, from, to), &PrimesRun);
}

}  // namespace numerel::ui
