#include "ui/run/result_file_run.h"

#include <QFile>
#include <QFileInfo>

#include "core/message.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/platform.h"
#include "ui/results/mapped_text.h"
#include "ui/results/stored_result.h"
#include "ui/run/run_status.h"

namespace numerel::ui {

struct ResultFileRun::Job {
    OutputPane* pane = nullptr;
    FileWork work;
    ProgressFn progress;
    std::function<void()> before_pane;
    std::function<void(bool shown)> after;
    qsizetype pane_limit = 0;
    // Set on the worker, read on the window's thread once it has ended.
    std::optional<QString> fixed_text;
    bool written = false;
    std::shared_ptr<const MappedText> mapped;
};

ResultFileRun::ResultFileRun(RunStatus& status, Platform& platform, const QString& result_directory)
    : status_(status),
      platform_(platform),
      directory_(result_directory),
      file_(directory_.Path()),
      pane_limit_(kPaneCharLimit) {}

std::optional<ResultFileRun::Halves> ResultFileRun::Prepare(OutputPane* pane, FileWork work,
                                                            ProgressFn progress,
                                                            std::function<void()> before_pane,
                                                            std::function<void(bool shown)> after) {
    auto job = std::make_shared<Job>();
    job->pane = pane;
    job->work = std::move(work);
    job->progress = std::move(progress);
    job->before_pane = std::move(before_pane);
    job->after = std::move(after);
    job->pane_limit = pane_limit_;
    // The last result goes at once: left on screen during the run it would pass for the new one.
    pane->SetText(QString());
    if (!file_.Open()) {
        GiveUp(*job, "无法创建临时结果文件 " + file_.Path());
        return std::nullopt;
    }
    return Halves{[this, job] { Write(file_, *job); },
                  [this, job](const RunEnd& end) { Finish(*job, end); }};
}

void ResultFileRun::Write(TempResultFile& file, Job& job) {
    {
        // The file is closed however the work ends.
        struct Closer {
            TempResultFile& file;
            bool& written;
            ~Closer() { written = file.Close(); }
        } closer{file, job.written};
        job.fixed_text = job.work(file, job.progress);
    }
    // A result longer than the pane holds is mapped and indexed here, off the window's thread (a
    // second or so a gigabyte).
    if (!job.fixed_text && job.written && file.UnstoredNote().isEmpty() &&
        QFileInfo(file.Path()).size() > job.pane_limit)
        job.mapped = MappedText::MapFile(file.Path());
}

void ResultFileRun::GiveUp(const Job& job, const QString& what) {
    file_.Close();
    file_.Remove();
    job.pane->SetText(QString());
    status_.Reset();
    if (!what.isEmpty())
        platform_.ShowMessage(Message{(what + "\n" + file_.Error()).toStdString(), kAppTitle,
                                      MessageIcon::Exclamation, MessageButtons::Ok});
    if (job.after) job.after(false);
}

QString ResultFileRun::KeepFor(const OutputPane* pane) {
    return file_.KeepAs(QString("pane%1-%2.txt").arg(pane->Index()).arg(++kept_files_));
}

QString ResultFileRun::ShowInPane(const Job& job) {
    OutputPane* pane = job.pane;
    if (job.fixed_text) {
        pane->SetText(*job.fixed_text);
        file_.Remove();
        return {};
    }
    // The closing line that a full disk did not take.
    const QString note = file_.UnstoredNote();
    // More bytes than the pane holds characters: shown from the file, mapped whole, which then
    // stays while the pane shows it.
    if (note.isEmpty() && QFileInfo(file_.Path()).size() > pane_limit_) {
        const QString kept = KeepFor(pane);
        if (pane->ShowStoredFile(kept, job.mapped)) return {};
        // Where it cannot be mapped, the pane shows its beginning.
        std::optional<PaneContent> content = ReadForPane(kept, pane_limit_);
        if (!content) {
            QFile::remove(kept);
            return "无法读取临时结果文件 " + kept;
        }
        pane->SetStoredText(content->text, kept);
        return {};
    }
    std::optional<PaneContent> content = ReadForPane(file_.Path(), pane_limit_);
    if (!content) return "无法读取临时结果文件 " + file_.Path();
    if (!note.isEmpty()) {
        if (!content->text.isEmpty() && !content->text.endsWith(u'\n')) content->text += u'\n';
        content->text += note + u'\n';
    }
    if (content->complete) {
        pane->SetText(content->text);
        file_.Remove();
    } else {
        pane->SetStoredText(content->text, KeepFor(pane));
    }
    return {};
}

void ResultFileRun::Finish(Job& job, const RunEnd& end) {
    const std::int64_t t1 = platform_.NowSeconds();
    if (end.ending == Ending::OutOfMemory || end.ending == Ending::Failed)
        return GiveUp(job, QString());
    if (!job.written) return GiveUp(job, "无法写入临时结果文件 " + file_.Path());
    if (job.before_pane) job.before_pane();
    if (const QString failure = ShowInPane(job); !failure.isEmpty()) return GiveUp(job, failure);
    if (end.ending == Ending::Stopped)
        status_.ReportStopped(status_.StartTime(), t1);
    else
        status_.ReportElapsed(status_.StartTime(), t1);
    if (job.after) job.after(true);
    // The list stops short but the count and summaries are exact: say why, after them.
    if (file_.OutOfSpace())
        platform_.ShowMessage(
            Message{("无法写入临时结果文件 " + file_.Path() + "\n" + file_.Error()).toStdString(),
                    kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace numerel::ui
