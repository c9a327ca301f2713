// The pages' "显示进度(较慢)" boxes: a ticked box shows the progress frame, and the running
// tool of a ticked box reports its progress into the frame's bar.
#pragma once

#include <QCheckBox>
#include <QObject>
#include <QPointer>
#include <array>
#include <cstddef>

#include "core/tools/search_output.h"
#include "ui/run/progress_frame.h"

namespace numerel::ui {

inline constexpr int kProgressBoxCount = 7;

class ProgressBoxes : public QObject {
    Q_OBJECT
public:
    explicit ProgressBoxes(ProgressFrame* frame);

    // Box `index`: its click shows or hides the progress frame.
    void Register(int index, QCheckBox* box);
    QCheckBox* Box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
    // Unticks every box (a page change), which hides the frame.
    void UntickAll();
    // The progress callback of the running tool, callable from the worker: empty unless box
    // `index` is ticked.
    ProgressFn ProgressFor(int index);
    ProgressFrame* Frame() const { return frame_; }

private:
    void OnBoxClicked();

    QPointer<ProgressFrame> frame_;
    std::array<QCheckBox*, kProgressBoxCount> boxes_{};
};

}  // namespace numerel::ui
