// Page 7, "分数工具": two tools in two frames. "循环小数化分数" turns a repeating decimal into a
// fraction and reduces a fraction (no pane, no time report); "最大公约数和最小公倍数" writes the
// greatest common divisor and least common multiple of two integers into RichTextBox1(7).
#pragma once

#include <QString>
#include <array>

#include "ui/pages/page.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numerel::ui {

class Page7Fractions : public Page {
    Q_OBJECT
public:
    explicit Page7Fractions(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    void Command10_Click();
    void Command9_Click();
    void Text19_Change();
    void Text20_Change();
    void Text10_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* BuildFractionFrame();
    QGroupBox* BuildGcdFrame();
    // The dots over the first and the last character of `period` as Text19 shows it.
    void PlaceDots(const QString& period);
    // The x of the middle of character `index` of `text` in Text19, in Text19's coordinates.
    int CharacterCentre(const QString& text, int index) const;
    void CentreDotAt(QLabel* dot, int x_in_text19);

    // 循环小数化分数
    QLabel* Label41;
    QLineEdit* Text18;
    QLabel* Label42;
    QLineEdit* Text19;
    QLabel* Label39;
    QLabel* Label40;
    QPushButton* Command24;
    QLabel* Label34;
    QLineEdit* Text20;
    QFrame* Line1;
    QLabel* Label47;
    QLineEdit* Text21;
    QPushButton* Command26;
    QPushButton* Command25;
    // The period the second dot was last placed for (it stays there while Text19 is empty).
    QString dotted_period_;

    // 最大公约数和最小公倍数
    std::array<QLineEdit*, 2> Text10{};
    std::array<QLabel*, 2> Label37{};
    QPushButton* Command10;
    QPushButton* Command9;
};

}  // namespace numerel::ui
