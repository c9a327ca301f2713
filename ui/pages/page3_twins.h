// Page 3, "孪生素数": every pair of twin primes lying wholly inside [Text13, Text14], with the
// number of pairs. One button: bounds above 15 digits are searched exactly all the same, up to
// 1000 digits.
#pragma once

#include <functional>

#include "core/tools/search_output.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page3Twins : public Page {
    Q_OBJECT
public:
    explicit Page3Twins(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command13_Click();
    void Command14_Click();

private:
    using SearchRun = std::function<SearchSummary(ResultSink&, const ProgressFn&)>;
    // Shows the rejection, or clears the count and runs `run` through the result file.
    void StartSearch(const Rejection* rejection, SearchRun run);

    QLabel* Label21;
    QLabel* Label22;
    QLineEdit* Text13;
    QLineEdit* Text14;
    QPushButton* Command13;
    QPushButton* Command14;
    QCheckBox* Check3_5;
    QLabel* Label11;
};

}  // namespace numerel::ui
