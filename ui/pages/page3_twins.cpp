#include "ui/pages/page3_twins.h"

#include <QLineEdit>
#include <optional>

#include "core/tools/twin_search.h"
#include "core/tools/twin_search_big.h"

namespace numerel::ui {

namespace {
constexpr IntervalSearchDesign kDesign{.from_caption = "Label21",
                                       .to_caption = "Label22",
                                       .from = "Text13",
                                       .to = "Text14",
                                       .search_button = "Command13",
                                       .decimal_search_button = nullptr,
                                       .clear_button = "Command14",
                                       .progress_box = 5,
                                       .count = "Label11",
                                       .count_caption = "共",
                                       .pane = 3};
}  // namespace

Page3Twins::Page3Twins(Shell& shell, QWidget* parent)
    : IntervalSearchPage(shell, kDesign, parent) {}

void Page3Twins::Search(PathButton /*button*/) {
    const std::string from = lowerBound->text().toStdString();
    const std::string to = upperBound->text().toStdString();
    if (const std::optional<TwinsBigChecked> big = TwinsCheckBig(from, to))
        return RunSearch(search_, *big, &TwinsRunBig);
    RunSearch(search_, TwinsCheck(from, to), &TwinsRun);
}

}  // namespace numerel::ui
