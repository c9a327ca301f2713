#include "ui/run/progress_frame.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

namespace numerel::ui {

namespace {
constexpr int kFrameWidth = 240;
constexpr int kFrameHeight = 16;
}  // namespace

ProgressFrame::ProgressFrame(QWidget* parent) : QFrame(parent), bar_full_width_(kFrameWidth) {
    setObjectName("Picture1");
    setFixedSize(kFrameWidth, kFrameHeight);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setStyleSheet("#Picture1 { background: white; border: 1px solid #808080; }");
    bar_ = new QLabel(this);
    bar_->setObjectName("Label12");
    bar_->setStyleSheet("background: #000080;");
    bar_->setGeometry(0, 0, 0, kFrameHeight);
}

int ProgressFrame::BarWidth() const {
    return bar_->width();
}

void ProgressFrame::SetBarWidth(int width) {
    bar_->setGeometry(0, 0, std::max(0, width), kFrameHeight);
}

void ProgressFrame::ShowFraction(double fraction) {
    if (!(fraction > 0)) fraction = 0;  // also catches NaN
    fraction = std::min(fraction, 1.0);
    SetBarWidth(static_cast<int>(std::lround(fraction * bar_full_width_)));
    if (isVisible()) repaint();
}

}  // namespace numerel::ui
