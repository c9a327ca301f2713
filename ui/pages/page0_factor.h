// Page 0, "分解一个数": factor one positive integer, up to 15 digits with Command1 (binary64) and
// up to 1000 digits with Command19 (Decimal96 up to 29 digits, the large path beyond), both in one
// place. The field takes integer expressions ("2^128+1").
#pragma once

#include "core/tools/factor_one.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page0Factor : public Page {
    Q_OBJECT
public:
    explicit Page0Factor(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command1_Click();
    void Command19_Click();
    void Command2_Click();

private:
    void Factor(const FactorOneChecked& checked);

    QLineEdit* Text1;
    QLabel* Label1;
    QLabel* Label38;
    QLabel* Label18;
    QLabel* Label17;
    QPushButton* Command1;
    QPushButton* Command19;
    QPushButton* Command2;
    QCheckBox* Check3_0;
    PickPathBinding* text1_change_;
};

}  // namespace numerel::ui
