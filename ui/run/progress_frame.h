// The progress frame and its bar. The bar's width is a share of the frame's
// width (BarFullWidth); a wider bar is clipped by the frame.
#pragma once

#include <QFrame>

class QLabel;

namespace numerel::ui {

class ProgressFrame : public QFrame {
    Q_OBJECT
public:
    explicit ProgressFrame(QWidget* parent = nullptr);

    int BarFullWidth() const { return bar_full_width_; }
    int BarWidth() const;
    void SetBarWidth(int width);
    // Width := fraction x BarFullWidth (fractions above 1 are clipped, below 0 give 0), drawn at
    // once: a run holds the event loop, and a repaint does not re-enter any handler.
    void ShowFraction(double fraction);
    void Fill() { SetBarWidth(bar_full_width_); }
    QLabel* Bar() const { return bar_; }

private:
    QLabel* bar_;
    int bar_full_width_;
};

}  // namespace numerel::ui
