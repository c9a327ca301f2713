// Page 2, "批量求素数": every prime of an interval [Text4, Text5] with its count, up to 15 digits
// with Command5 (binary64) and up to 1000 digits with Command21 (Decimal96), both in one place.
#pragma once

#include <functional>

#include "core/input/pick_path.h"
#include "core/tools/prime_search.h"
#include "core/tools/prime_search_big.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page2Primes : public Page {
    Q_OBJECT
public:
    explicit Page2Primes(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command5_Click();
    void Command21_Click();
    void Command6_Click();

private:
    void Search(PathButton button);
    using SearchRun = std::function<SearchSummary(ResultSink&, const ProgressFn&)>;
    // Shows the rejection, or clears the count and runs `run` through the result file.
    void StartSearch(const Rejection* rejection, SearchRun run);

    QLabel* LabelFrom;
    QLabel* LabelTo;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QPushButton* Command5;
    QPushButton* Command21;
    QPushButton* Command6;
    QCheckBox* Check3_2;
    QLabel* Label6;
    PickPathBinding* bounds_change_;
};

}  // namespace numerel::ui
