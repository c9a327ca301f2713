// Page 6, "高精度计算": the long-number calculator. Two operands of any length, nine operation
// buttons, the result in the page's pane.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ui/pages/page.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numerel {
class CalcClick;
struct CalcOutcome;
}  // namespace numerel

namespace numerel::ui {

class Page6Calculator : public Page {
    Q_OBJECT
public:
    explicit Page6Calculator(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

private:
    // The operation button `index` (CalcOp's order).
    void Calculate(int index);
    // One computing step of the click on the worker, then what follows it on this thread.
    void RunStep(std::shared_ptr<CalcClick> click, std::int64_t t0);
    // The click's end: its rejection, or its result in the pane with the elapsed time. `ran`:
    // a run has saved the status text, which a click without a result puts back.
    void ShowOutcome(const CalcOutcome& outcome, std::int64_t t0, bool ran);
    void Clear();
    void CountOperands();

    QLabel* aCaption;
    QLabel* bCaption;
    QLineEdit* operandA;
    QLineEdit* operandB;
    QLabel* aLength;
    QLabel* bLength;
    std::array<QPushButton*, 9> operationButtons{};
    QPushButton* clearButton;
};

}  // namespace numerel::ui
