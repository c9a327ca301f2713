// The protocol around every computation, which every page uses: one run at a time, its check
// phase on the window's thread (the page's handler), its run phase on the worker while the
// window keeps working. It puts together the parts that do the work: the status and alarms
// (RunStatus), the progress boxes, the locked controls, the worker and its guard, and the run
// through the result file.
#pragma once

#include <QCheckBox>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/tools/search_output.h"
#include "ui/results/temp_result_file.h"
#include "ui/run/control_lock.h"
#include "ui/run/progress_boxes.h"
#include "ui/run/result_file_run.h"
#include "ui/run/run_end.h"
#include "ui/run/run_status.h"
#include "ui/run/worker_run.h"

class QAbstractButton;
class QLabel;
class QPushButton;

namespace numerel::ui {

class OutputPane;
class Platform;
class ProgressFrame;

// The fixed text a search gives when it found nothing to list, to show instead of the file.
std::optional<QString> PaneTextOf(const SearchSummary& summary);

class RunProtocol : public QObject {
    Q_OBJECT
public:
    using Ending = numerel::ui::Ending;
    using RunEnd = numerel::ui::RunEnd;
    using FileWork = ResultFileRun::FileWork;

    RunProtocol(QLabel* status_label, ProgressFrame* frame, Platform& platform,
                const QString& result_directory = QString());
    ~RunProtocol() override;

    void RegisterProgressBox(int index, QCheckBox* box) { boxes_.Register(index, box); }
    QCheckBox* ProgressBox(int index) const { return boxes_.Box(index); }
    // Unticks every box (a page change), which hides the frame.
    void UntickAll() { boxes_.UntickAll(); }
    ProgressFn ProgressFor(int box) { return boxes_.ProgressFor(box); }
    ProgressFrame* Frame() const { return boxes_.Frame(); }
    void RegisterRunButton(QAbstractButton* button) { lock_.AddRunButton(button); }
    void SetStopButton(QPushButton* button);

    void ResetStatus() { status_.Reset(); }
    void Start() { status_.Start(); }
    std::int64_t StartTime() const { return status_.StartTime(); }
    // The time since Start, reported.
    void Finish();
    void ReportElapsed(std::int64_t t0, std::int64_t t1) { status_.ReportElapsed(t0, t1); }
    void ReportStopped(std::int64_t t0, std::int64_t t1) { status_.ReportStopped(t0, t1); }
    // The status as it was when the running (or last) run started.
    void RestoreStatus() { status_.Restore(); }
    bool Completed(const RunEnd& end, std::int64_t t0) { return status_.Completed(end, t0); }

    // Runs `work` on the worker with the controls of `page` locked; then, on the window's
    // thread, `done` with how it ended. OutOfMemory and Failed are shown as a message before
    // `done` runs. Does nothing while another run goes on.
    void RunOnWorker(QWidget* page, std::function<void()> work,
                     std::function<void(const RunEnd&)> done);
    bool Busy() const { return busy_; }
    void RequestStop() { worker_.RequestStop(); }
    bool StopAndJoin(std::chrono::milliseconds limit) { return worker_.StopAndJoin(limit); }

    // A search of `page` through the temporary result file into `pane`: Start, the work on the
    // worker, then before_pane, the pane loaded, the time reported, after(shown). Returns false
    // when nothing ran (another run goes on, or the file could not be opened).
    bool RunThroughResultFile(QWidget* page, OutputPane* pane, int box, FileWork work,
                              std::function<void()> before_pane = {},
                              std::function<void(bool shown)> after = {});

    TempResultFile& ResultFile() { return file_run_.File(); }
    void SetPaneLimit(qsizetype characters) { file_run_.SetPaneLimit(characters); }

signals:
    void RunStarted();
    void RunFinished();

private:
    void EndRun(const RunEnd& end, const std::function<void(const RunEnd&)>& done);

    Platform& platform_;
    RunStatus status_;
    ProgressBoxes boxes_;
    ControlLock lock_;
    ResultFileRun file_run_;
    bool busy_ = false;
    // Last: its destructor waits for a worker that may still report into the parts above.
    WorkerRun worker_;
};

}  // namespace numerel::ui
