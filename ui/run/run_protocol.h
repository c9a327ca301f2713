// The protocol around every computation: status label, start and end time, the progress bar of
// the page's "显示进度(较慢)" box, the temporary result file and the elapsed-time report with its
// alarms. Every page uses this one class.
//
// A run's check phase stays on the UI thread (the page's handler); its run phase goes to one
// worker thread at a time, inside a StopScope, while the window keeps working: the running
// page's fields and buttons and every page's run buttons are disabled, Label9 counts the
// seconds, "停止" and Esc ask the worker to stop. Progress and the end reach the widgets through
// queued calls only. A guard turns every exception of a run into a message.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/result_sink.h"
#include "core/run_control.h"
#include "core/tools/search_output.h"
#include "ui/platform/platform.h"
#include "ui/results/result_directory.h"
#include "ui/results/temp_result_file.h"
#include "ui/run/progress_frame.h"

class QAbstractButton;
class QCheckBox;
class QPushButton;

namespace numerel::ui {

class OutputPane;

inline constexpr const char* kIdleCaption = "计时(算)器";
inline constexpr const char* kOutOfMemoryText = "内存不足,计算已停止";
inline constexpr int kProgressBoxCount = 7;

// The fixed text a search gives when it found nothing to list, to show instead of the file.
std::optional<QString> PaneTextOf(const SearchSummary& summary);

class RunProtocol : public QObject {
    Q_OBJECT
public:
    RunProtocol(QLabel* label9, ProgressFrame* frame, Platform& platform,
                const QString& result_directory = QString());
    ~RunProtocol() override;

    // Check3(index): its click reaction shows or hides the progress frame.
    void RegisterProgressBox(int index, QCheckBox* box);
    QCheckBox* ProgressBox(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
    // Unticks every box (a page change), which hides the frame.
    void UntickAll();
    // A button that starts a run: disabled while any run goes on.
    void RegisterRunButton(QAbstractButton* button);
    // "停止": enabled only while a run goes on.
    void SetStopButton(QPushButton* button);

    // Label9 := "计时(算)器" (while a run goes on: its seconds).
    void ResetStatus();
    // Label9 reset, t0 := now, bar width 0.
    void Start();
    // The progress callback of the running tool, callable from the worker: empty unless
    // Check3(box) is ticked.
    ProgressFn ProgressFor(int box);
    // t1 := now, then ReportElapsed(t0, t1).
    void Finish();
    void ReportElapsed(std::int64_t t0, std::int64_t t1);
    // Label9 := "已停止,用时N秒".
    void ReportStopped(std::int64_t t0, std::int64_t t1);
    std::int64_t StartTime() const { return t0_; }

    // How a run phase ended.
    enum class Ending { Finished, Stopped, OutOfMemory, Failed };
    struct RunEnd {
        Ending ending = Ending::Finished;
        QString error;  // Failed: what went wrong
    };
    // Runs `work` on the worker thread with the controls of `page` locked; then, on the UI
    // thread, `done` with how it ended. OutOfMemory and Failed are shown as a message before
    // `done` runs. Does nothing while another run goes on.
    void RunOnWorker(QWidget* page, std::function<void()> work,
                     std::function<void(const RunEnd&)> done);
    bool Busy() const { return busy_; }
    // Asks the running worker to stop (Stop, Esc, closing the window).
    void RequestStop();
    // Stops the run and waits up to `limit` for its worker; true when no worker is left.
    bool StopAndJoin(std::chrono::milliseconds limit);
    // Label9 as it was when the running (or last) run started.
    void RestoreStatus();
    // For a run without the result file: true when it finished; a stopped run shows
    // "已停止,用时N秒" (from t0), a failed one puts Label9 back as it was.
    bool Completed(const RunEnd& end, std::int64_t t0);

    // A search run through the temporary result file: Start, open the file, run the work on the
    // worker (it may return a fixed pane text that replaces loading the file), close, then on
    // the UI thread: t1, before_pane, load the pane, report, after(shown). A file that cannot be
    // written or read, or a run that failed, gives a message and leaves the pane empty; the
    // window stays usable. Returns false when the file could not be opened (nothing ran).
    using FileWork = std::function<std::optional<QString>(ResultSink& sink, const ProgressFn&)>;
    bool RunThroughResultFile(OutputPane* pane, int box, FileWork work,
                              std::function<void()> before_pane = {},
                              std::function<void(bool shown)> after = {});

    TempResultFile& ResultFile() { return result_file_; }
    // How many characters of a result a pane holds (tests).
    void SetPaneLimit(qsizetype characters) { pane_limit_ = characters; }
    ProgressFrame* Frame() const { return frame_; }

signals:
    void RunStarted();
    void RunFinished();

private:
    void OnBoxClicked();
    void LockControls(QWidget* page);
    void UnlockControls();
    void Tick();
    QString LiveCaption() const;
    void EndRun(const RunEnd& end);
    bool ShowFailure(const RunEnd& end);
    // Moves the closed result file aside for `pane` to show and save; its new path.
    QString KeepResultFile(const OutputPane* pane);

    QPointer<QLabel> label9_;
    QPointer<ProgressFrame> frame_;
    Platform& platform_;
    std::array<QCheckBox*, kProgressBoxCount> boxes_{};
    std::vector<QPointer<QAbstractButton>> run_buttons_;
    QPointer<QPushButton> stop_button_;
    std::int64_t t0_ = 0;
    ResultDirectory directory_;
    TempResultFile result_file_;
    int kept_files_ = 0;
    qsizetype pane_limit_;

    // The current run.
    bool busy_ = false;
    std::shared_ptr<StopToken> token_;
    std::thread worker_;
    std::atomic<bool> worker_done_{true};
    std::function<void(const RunEnd&)> done_;
    std::vector<QPointer<QWidget>> locked_;
    QPointer<QWidget> focus_before_;
    QPointer<QWidget> running_page_;
    QString status_before_;
    QElapsedTimer elapsed_;
    QTimer ticker_;
};

}  // namespace numerel::ui
