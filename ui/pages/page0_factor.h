// Page 0, "分解一个数": factor one positive integer, up to 15 digits with the binary64 button and
// up to 1000 digits with the Decimal96 one (Decimal96 up to 29 digits, the large path beyond),
// both in one place. The field takes integer expressions ("2^128+1").
#pragma once

#include "core/tools/factor_one.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page0Factor : public Page {
    Q_OBJECT
public:
    explicit Page0Factor(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

private:
    // The two "分解" buttons (one shown at a time) and "清空".
    void FactorBinary();
    void FactorDecimal();
    void Clear();
    void Factor(const FactorOneChecked& checked);

    QLineEdit* factorInput;
    QLabel* inputCaption;
    QLabel* largestInput;
    QLabel* inputLength;
    QLabel* powerNote;
    QPushButton* factorButton;
    QPushButton* decimalFactorButton;
    QPushButton* clearButton;
    QCheckBox* progressBox;
    PickPathBinding* input_change_;
};

}  // namespace numerel::ui
