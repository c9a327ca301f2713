// Page 3, "孪生素数": every pair of twin primes lying wholly inside [from, to], with the number of
// pairs. One search button: bounds above 15 digits are searched exactly all the same, up to 1000
// digits.
#pragma once

#include "ui/pages/page.h"
#include "ui/pages/search_tool.h"

namespace numerel::ui {

class Page3Twins : public Page {
    Q_OBJECT
public:
    explicit Page3Twins(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

private:
    void Search();
    void Clear();

    QLabel* fromCaption;
    QLabel* toCaption;
    QLineEdit* twinsFrom;
    QLineEdit* twinsTo;
    QPushButton* searchButton;
    QPushButton* clearButton;
    QCheckBox* progressBox;
    QLabel* pairsCount;
    SearchTool twins_;
};

}  // namespace numerel::ui
