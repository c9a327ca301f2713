// Page 5, "批量找因数": the divisor pairs of every number of an interval and the perfect numbers
// among them; Command15 (up to 15 digits) and Command20 (up to 29 digits) share one place.
#pragma once

#include "core/tools/divisors_search.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page5Divisors : public Page {
    Q_OBJECT
public:
    explicit Page5Divisors(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command15_Click();
    void Command20_Click();
    void Command16_Click();

private:
    void Search(PathButton path);
    // The over-limit reset of the fields' change reaction.
    void EmptyBounds();

    QLabel* Label25;
    QLineEdit* Text16;
    QLabel* Label35;
    QLabel* Label26;
    QLineEdit* Text17;
    QLabel* Label36;
    QPushButton* Command15;
    QPushButton* Command20;
    QPushButton* Command16;
    QCheckBox* Check4;
    QCheckBox* Check3_6;
    QLabel* Label28;
    QLineEdit* Text9;
    PickPathBinding* bounds_change_;
};

}  // namespace numerel::ui
