// Page 7, "分数工具": two tools in two frames. "循环小数化分数" turns a repeating decimal into a
// fraction and reduces a fraction (no pane, no time report); "最大公约数和最小公倍数" writes the
// greatest common divisor and least common multiple of two integers into the pane.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // 循环小数化分数: "化", "约分", "清空" and the boxes' change reactions.
    void ToFraction();
    void Reduce();
    void ClearFraction();
    void PeriodChanged();
    void NumeratorChanged();
    // 最大公约数和最小公倍数: "计算", "清空" and the boxes' change reaction.
    void GcdLcm();
    void ClearGcd();
    void GcdOperandsChanged();

    QGroupBox* BuildFractionFrame();
    QGroupBox* BuildGcdFrame();
    // The dots over the first and the last character of `period` as periodInput shows it.
    void PlaceDots(const QString& period);
    // The x of the middle of character `index` of `text` in periodInput, in periodInput's
    // coordinates.
    int CharacterCentre(const QString& text, int index) const;
    void CentreDotAt(QLabel* dot, int x_in_period);

    // 循环小数化分数
    QLabel* decimalCaption;
    QLineEdit* decimalInput;
    QLabel* periodCaption;
    QLineEdit* periodInput;
    QLabel* firstDot;
    QLabel* lastDot;
    QPushButton* toFractionButton;
    QLabel* numeratorCaption;
    QLineEdit* numeratorInput;
    QFrame* fractionBar;
    QLabel* denominatorCaption;
    QLineEdit* denominatorInput;
    QPushButton* reduceButton;
    QPushButton* fractionClearButton;
    // The period the second dot was last placed for (it stays there while periodInput is empty).
    QString dotted_period_;

    // 最大公约数和最小公倍数
    std::array<QLineEdit*, 2> gcdInputs{};
    std::array<QLabel*, 2> gcdLengths{};
    QPushButton* gcdButton;
    QPushButton* gcdClearButton;
};

}  // namespace numerel::ui
