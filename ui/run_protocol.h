// The protocol around every computation: status label, start and end time, the progress bar of
// the page's "显示进度(较慢)" box, the temporary result file and the elapsed-time report with its
// alarms. Every page uses this one class.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/result_sink.h"
#include "ui/platform.h"
#include "ui/progress_frame.h"
#include "ui/temp_result_file.h"

class QCheckBox;

namespace numerel::ui {

class OutputPane;

inline constexpr const char* kIdleCaption = "计时(算)器";
inline constexpr int kProgressBoxCount = 7;

class RunProtocol : public QObject {
    Q_OBJECT
public:
    RunProtocol(QLabel* label9, ProgressFrame* frame, Platform& platform,
                const QString& result_directory = QString());

    // Check3(index): its click reaction shows or hides the progress frame.
    void RegisterProgressBox(int index, QCheckBox* box);
    QCheckBox* ProgressBox(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
    // Unticks every box (a page change), which hides the frame.
    void UntickAll();

    // Label9 := "计时(算)器".
    void ResetStatus();
    // Label9 reset, t0 := now, bar width 0.
    void Start();
    // The progress callback of the running tool: empty unless Check3(box) is ticked.
    ProgressFn ProgressFor(int box);
    // t1 := now, then ReportElapsed(t0, t1).
    void Finish();
    void ReportElapsed(std::int64_t t0, std::int64_t t1);

    // A search run through the temporary result file: Start, open the file, run the work
    // (which may return a fixed pane text that replaces loading the file), close, t1, load the
    // pane, delete the file, report. A file that cannot be written or read gives a message and
    // leaves the pane empty; the window stays usable. Returns false in that case.
    using FileWork = std::function<std::optional<QString>(ResultSink& sink, const ProgressFn&)>;
    bool RunThroughResultFile(OutputPane* pane, int box, const FileWork& work);

    TempResultFile& ResultFile() { return result_file_; }
    ProgressFrame* Frame() const { return frame_; }
    QLabel* StatusLabel() const { return label9_; }
    std::int64_t StartTime() const { return t0_; }

private:
    void OnBoxClicked();

    QPointer<QLabel> label9_;
    QPointer<ProgressFrame> frame_;
    Platform& platform_;
    std::array<QCheckBox*, kProgressBoxCount> boxes_{};
    std::int64_t t0_ = 0;
    TempResultFile result_file_;
};

}  // namespace numerel::ui
