#include "ui/run/progress_boxes.h"

#include <atomic>
#include <memory>

namespace numerel::ui {

ProgressBoxes::ProgressBoxes(ProgressFrame* frame) : frame_(frame) {}

void ProgressBoxes::Register(int index, QCheckBox* box) {
    boxes_.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QCheckBox::clicked, this, &ProgressBoxes::OnBoxClicked);
}

void ProgressBoxes::OnBoxClicked() {
    frame_->SetBarWidth(0);
    bool any = false;
    for (QCheckBox* box : boxes_) any = any || (box != nullptr && box->isChecked());
    frame_->setVisible(any);
}

void ProgressBoxes::UntickAll() {
    bool changed = false;
    for (QCheckBox* box : boxes_) {
        if (box != nullptr && box->isChecked()) {
            box->setChecked(false);
            changed = true;
        }
    }
    if (changed) OnBoxClicked();
}

ProgressFn ProgressBoxes::ProgressFor(int index) {
    QCheckBox* check = Box(index);
    if (check == nullptr || !check->isChecked()) return {};
    // The worker may report far more often than the window can draw: only the latest fraction
    // is drawn, with at most one drawing queued at a time.
    struct Latest {
        std::atomic<double> fraction{0};
        std::atomic<bool> queued{false};
    };
    auto latest = std::make_shared<Latest>();
    QPointer<ProgressFrame> frame = frame_;
    return [this, latest, frame](double fraction) {
        latest->fraction.store(fraction, std::memory_order_relaxed);
        if (latest->queued.exchange(true)) return;
        QMetaObject::invokeMethod(
            this,
            [latest, frame] {
                latest->queued.store(false);
                if (frame) frame->ShowFraction(latest->fraction.load(std::memory_order_relaxed));
            },
            Qt::QueuedConnection);
    };
}

}  // namespace numerel::ui
