// Page 1, "分解一批数": factor every integer of an interval with bounds of up to 1000 digits, one
// line per number, listed through the temporary result file.
#pragma once

#include "core/tools/factor_range.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page1FactorRange : public Page {
    Q_OBJECT
public:
    explicit Page1FactorRange(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void OnFactorClicked();
    void OnClearClicked();

private:
    QLabel* fromLabel;
    QLineEdit* fromField;
    QLabel* toLabel;
    QLineEdit* toField;
    QPushButton* factorButton;
    QPushButton* clearButton;
    QCheckBox* progressBox;
};

}  // namespace numerel::ui
