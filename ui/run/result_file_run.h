// A search run through the temporary result file: the worker writes the list into the file,
// then, on the window's thread, the pane shows it (whole, its beginning, or mapped from the kept
// file when it is longer than a pane holds) and the status reports the time. A file that cannot
// be written or read, or a run that failed, gives a message and leaves the pane empty; the
// window stays usable.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/result_sink.h"
#include "core/tools/search_output.h"
#include "ui/results/result_directory.h"
#include "ui/results/temp_result_file.h"
#include "ui/run/run_end.h"

namespace numerel::ui {

class OutputPane;
class Platform;
class RunStatus;

class ResultFileRun {
public:
    // The search itself, on the worker: it may return a fixed pane text that replaces loading
    // the file.
    using FileWork = std::function<std::optional<QString>(ResultSink& sink, const ProgressFn&)>;
    struct Halves {
        std::function<void()> work;                 // on the worker
        std::function<void(const RunEnd&)> finish;  // on the window's thread, after the worker
    };

    ResultFileRun(RunStatus& status, Platform& platform, const QString& result_directory);

    // Empties the pane and opens the file for one run. Nullopt when the file cannot be opened:
    // then the message is shown and after(false) has run.
    std::optional<Halves> Prepare(OutputPane* pane, FileWork work, ProgressFn progress,
                                  std::function<void()> before_pane,
                                  std::function<void(bool shown)> after);

    TempResultFile& File() { return file_; }
    // How many characters of a result a pane holds (tests).
    void SetPaneLimit(qsizetype characters) { pane_limit_ = characters; }

private:
    struct Job;
    static void Write(TempResultFile& file, Job& job);
    void Finish(Job& job, const RunEnd& end);
    // Shows the closed file in the pane; what to say when it could not be read, else empty.
    QString ShowInPane(const Job& job);
    void GiveUp(const Job& job, const QString& what);
    // Moves the closed result file aside for `pane` to show and save; its new path.
    QString KeepFor(const OutputPane* pane);

    RunStatus& status_;
    Platform& platform_;
    ResultDirectory directory_;
    TempResultFile file_;
    int kept_files_ = 0;
    qsizetype pane_limit_;
};

}  // namespace numerel::ui
