// The status label and the alarms: "计时(算)器" when idle, the seconds while a run goes on, then
// the time it took with a message after ten seconds and a tune after a minute.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "ui/run/progress_frame.h"
#include "ui/run/run_end.h"

namespace numerel::ui {

class Platform;

inline constexpr const char* kIdleCaption = "计时(算)器";

class RunStatus : public QObject {
    Q_OBJECT
public:
    RunStatus(QLabel* status_label, ProgressFrame* frame, Platform& platform);

    // The idle caption (while a run goes on: its seconds).
    void Reset();
    // Reset, start time := now, bar width 0.
    void Start();
    std::int64_t StartTime() const { return start_time_; }
    // From now on the label counts the seconds of a run; Restore gives back what it showed.
    void BeginCounting();
    void EndCounting();
    void Restore();
    // "用时N秒" with its alarms, the bar full.
    void ReportElapsed(std::int64_t t0, std::int64_t t1);
    // "已停止,用时N秒".
    void ReportStopped(std::int64_t t0, std::int64_t t1);
    // For a run without the result file: true when it finished; a stopped run shows
    // "已停止,用时N秒" (from t0), a failed one puts the label back as it was.
    bool Completed(const RunEnd& end, std::int64_t t0);

private:
    QString LiveCaption() const;
    void Tick();

    QPointer<QLabel> status_label_;
    QPointer<ProgressFrame> frame_;
    Platform& platform_;
    std::int64_t start_time_ = 0;
    bool counting_ = false;
    QString status_before_;
    QElapsedTimer elapsed_;
    QTimer ticker_;
};

}  // namespace numerel::ui
