// Page 1, "分解一批数": factor every integer of an interval of up to 15-digit numbers, one line
// per number, listed through the temporary result file.
#pragma once

#include "core/tools/factor_range.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page1FactorRange : public Page {
    Q_OBJECT
public:
    explicit Page1FactorRange(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command3_Click();
    void Command4_Click();

private:
    QLabel* LabelFrom;
    QLineEdit* Text2;
    QLabel* LabelTo;
    QLineEdit* Text3;
    QPushButton* Command3;
    QPushButton* Command4;
    QCheckBox* Check3_1;
};

}  // namespace numerel::ui
