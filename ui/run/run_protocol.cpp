#include "ui/run/run_protocol.h"

#include <QPushButton>

#include "ui/platform/platform.h"

namespace numerel::ui {

std::optional<QString> PaneTextOf(const SearchSummary& summary) {
    if (summary.pane_text) return QString::fromStdString(*summary.pane_text);
    return std::nullopt;
}

RunProtocol::RunProtocol(QLabel* status_label, ProgressFrame* frame, Platform& platform,
                         const QString& result_directory)
    : platform_(platform),
      status_(status_label, frame, platform),
      boxes_(frame),
      file_run_(status_, platform, result_directory) {}

RunProtocol::~RunProtocol() = default;

void RunProtocol::SetStopButton(QPushButton* button) {
    lock_.SetStopButton(button, busy_);
    connect(button, &QPushButton::clicked, this, &RunProtocol::RequestStop);
}

void RunProtocol::Finish() {
    status_.ReportElapsed(status_.StartTime(), platform_.NowSeconds());
}

void RunProtocol::RunOnWorker(QWidget* page, std::function<void()> work,
                              std::function<void(const RunEnd&)> done) {
    if (busy_) return;
    busy_ = true;
    status_.BeginCounting();
    lock_.Lock(page);
    emit RunStarted();
    worker_.Start(std::move(work),
                  [this, done = std::move(done)](const RunEnd& end) { EndRun(end, done); });
}

void RunProtocol::EndRun(const RunEnd& end, const std::function<void(const RunEnd&)>& done) {
    status_.EndCounting();
    busy_ = false;
    lock_.Unlock();
    // The window's side of the guard.
    try {
        ShowFailure(platform_, end);
        if (done) done(end);
    } catch (const std::exception& error) {
        ShowFailure(platform_, EndingOf(error));
    }
    emit RunFinished();
}

bool RunProtocol::RunThroughResultFile(QWidget* page, OutputPane* pane, int box, FileWork work,
                                       std::function<void()> before_pane,
                                       std::function<void(bool shown)> after) {
    if (busy_) return false;
    status_.Start();
    std::optional<ResultFileRun::Halves> halves = file_run_.Prepare(
        pane, std::move(work), boxes_.ProgressFor(box), std::move(before_pane), std::move(after));
    if (!halves) return false;
    RunOnWorker(page, std::move(halves->work), std::move(halves->finish));
    return true;
}

}  // namespace numerel::ui
