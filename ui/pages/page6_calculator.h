// Page 6, "高精度计算": the long-number calculator. Two operands of any length, nine operation
// buttons, the result in RichTextBox1(6).
#pragma once

#include <array>

#include "ui/pages/page.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numerel::ui {

class Page6Calculator : public Page {
    Q_OBJECT
public:
    explicit Page6Calculator(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command27_Click(int index);
    void Command28_Click();
    void Text22_Change();
    void Text23_Change();

private:
    QLabel* Label43;
    QLabel* Label44;
    QLineEdit* Text22;
    QLineEdit* Text23;
    QLabel* Label45;
    QLabel* Label46;
    std::array<QPushButton*, 9> Command27{};
    QPushButton* Command28;
};

}  // namespace numerel::ui
