// Page 2, "批量求素数": every prime of an interval [from, to] with its count, up to 15 digits
// with the binary64 search button and up to 1000 digits with the Decimal96 one, both in one place.
#pragma once

#include "core/input/pick_path.h"
#include "ui/pages/page.h"
#include "ui/pages/search_tool.h"

namespace numerel::ui {

class Page2Primes : public Page {
    Q_OBJECT
public:
    explicit Page2Primes(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

private:
    void Search(PathButton button);
    void Clear();

    QLabel* fromCaption;
    QLabel* toCaption;
    QLineEdit* primesFrom;
    QLineEdit* primesTo;
    QPushButton* searchButton;
    QPushButton* decimalSearchButton;
    QPushButton* clearButton;
    QCheckBox* progressBox;
    QLabel* primesCount;
    PickPathBinding* bounds_change_;
    SearchTool primes_;
};

}  // namespace numerel::ui
