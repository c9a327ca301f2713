// Page 5, "批量找因数": the divisor pairs of every number of an interval and the perfect numbers
// among them. The ordinary button serves bounds up to 15 digits, the large one bounds up to 1000
// digits (exactly up to 2^96 - 1, then the large path); they share one place.
#pragma once

#include <functional>

#include "core/tools/divisors_search.h"
#include "ui/pages/page.h"
#include "ui/pages/search_tool.h"

namespace numerel::ui {

class Page5Divisors : public Page {
    Q_OBJECT
public:
    explicit Page5Divisors(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void OnSearchClicked();
    void OnLargeSearchClicked();
    void OnClearClicked();

private:
    using DivisorsWork = std::function<DivisorsOutcome(ResultSink&, const ProgressFn&)>;
    SearchTool Tool() const;
    void Search(PathButton path);
    // Shows the repaired bounds and runs the search.
    void StartSearch(const std::optional<std::string>& from_text,
                     const std::optional<std::string>& to_text, DivisorsWork work);
    // The over-limit reset of the fields' change reaction.
    void EmptyBounds();

    QLabel* fromLabel;
    QLineEdit* fromField;
    QLabel* fromDigits;
    QLabel* toLabel;
    QLineEdit* toField;
    QLabel* toDigits;
    QPushButton* searchButton;
    QPushButton* largeSearchButton;
    QPushButton* clearButton;
    QCheckBox* onlyPerfectCheck;
    QCheckBox* progressCheck;
    QLabel* summaryLabel;
    QLineEdit* summaryBox;
    PickPathBinding* bounds_change_;
};

}  // namespace numerel::ui
