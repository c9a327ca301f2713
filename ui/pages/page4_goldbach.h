// Page 4, "哥氏猜想": an even number >= 6 as a sum of two primes (Text11(0)) and an odd number
// >= 9 as a sum of three (Text12(0)), each tool with a binary64 and a Decimal96 button in one
// place; both write into the shared pane RichTextBox1(4).
#pragma once

#include <functional>

#include "core/input/pick_path.h"
#include "core/tools/goldbach.h"
#include "core/tools/goldbach_big.h"
#include "ui/pages/page.h"

namespace numerel::ui {

class Page4Goldbach : public Page {
    Q_OBJECT
public:
    explicit Page4Goldbach(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command11_Click();
    void Command22_Click();
    void Command17_Click();
    void Command12_Click();
    void Command23_Click();
    void Command18_Click();

private:
    void Even(PathButton button);
    void Odd(PathButton button);
    // The start of a press: status label, bar and the shared pane.
    void ClearForRun();
    // What a press does before its run (rejection: nullptr when accepted); false when it ends
    // there.
    bool Pressed(const Rejection* rejection, QLineEdit* field);
    // A tool's run phase through the result file; `even` picks the box, count label and order.
    using ToolRun = std::function<SearchSummary(ResultSink&, const ProgressFn&)>;
    void StartRun(bool even, ToolRun run);

    QLabel* LabelEven;
    QLineEdit* Text11_0;
    QLabel* Label32;
    QPushButton* Command11;
    QPushButton* Command22;
    QPushButton* Command17;
    QCheckBox* Check1;
    QCheckBox* Check3_3;
    QLabel* Label14;

    QLabel* LabelOdd;
    QLineEdit* Text12_0;
    QLabel* Label33;
    QPushButton* Command12;
    QPushButton* Command23;
    QPushButton* Command18;
    QCheckBox* Check2;
    QCheckBox* Check3_4;
    QLabel* Label15;

    PickPathBinding* even_change_;
    PickPathBinding* odd_change_;
};

}  // namespace numerel::ui
