#include "ui/run/run_protocol.h"

#include <flint/flint.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <new>

#include "ui/pages/page.h"
#include "ui/pane/output_pane.h"
#include "ui/results/mapped_text.h"
#include "ui/results/stored_result.h"

namespace numerel::ui {

namespace {

// The exceptions of a run phase, as an ending. RunStopped is a stop, not a failure.
RunProtocol::RunEnd Guarded(const std::function<void()>& work, const StopToken& token) {
    RunProtocol::RunEnd end;
    try {
        const StopScope scope(token);
        work();
        if (token.StopRequested()) end.ending = RunProtocol::Ending::Stopped;
    } catch (const RunStopped&) {
        end.ending = RunProtocol::Ending::Stopped;
    } catch (const std::bad_alloc&) {
        end.ending = RunProtocol::Ending::OutOfMemory;
    } catch (const std::exception& error) {
        end.ending = RunProtocol::Ending::Failed;
        end.error = QString::fromUtf8(error.what());
    } catch (...) {
        end.ending = RunProtocol::Ending::Failed;
        end.error = "未知的错误";
    }
    return end;
}

QWidget* PageOf(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (qobject_cast<Page*>(w) != nullptr) return w;
    return widget;
}

}  // namespace

std::optional<QString> PaneTextOf(const SearchSummary& summary) {
    if (summary.pane_text) return QString::fromStdString(*summary.pane_text);
    return std::nullopt;
}

RunProtocol::RunProtocol(QLabel* label9, ProgressFrame* frame, Platform& platform,
                         const QString& result_directory)
    : label9_(label9),
      frame_(frame),
      platform_(platform),
      directory_(result_directory),
      result_file_(directory_.Path()),
      pane_limit_(kPaneCharLimit) {
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &RunProtocol::Tick);
}

RunProtocol::~RunProtocol() {
    StopAndJoin(std::chrono::milliseconds::max());
}

void RunProtocol::RegisterProgressBox(int index, QCheckBox* box) {
    boxes_.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QCheckBox::clicked, this, &RunProtocol::OnBoxClicked);
}

void RunProtocol::RegisterRunButton(QAbstractButton* button) {
    run_buttons_.emplace_back(button);
}

void RunProtocol::SetStopButton(QPushButton* button) {
    stop_button_ = button;
    stop_button_->setEnabled(busy_);
    connect(button, &QPushButton::clicked, this, &RunProtocol::RequestStop);
}

void RunProtocol::OnBoxClicked() {
    frame_->SetBarWidth(0);
    bool any = false;
    for (QCheckBox* box : boxes_) any = any || (box != nullptr && box->isChecked());
    frame_->setVisible(any);
}

void RunProtocol::UntickAll() {
    bool changed = false;
    for (QCheckBox* box : boxes_) {
        if (box != nullptr && box->isChecked()) {
            box->setChecked(false);
            changed = true;
        }
    }
    if (changed) OnBoxClicked();
}

QString RunProtocol::LiveCaption() const {
    return QString("计算中…%1秒").arg(elapsed_.elapsed() / 1000);
}

void RunProtocol::ResetStatus() {
    const bool counting = busy_ && elapsed_.elapsed() >= 1000;
    label9_->setText(counting ? LiveCaption() : QString(kIdleCaption));
}

void RunProtocol::Tick() {
    if (busy_) label9_->setText(LiveCaption());
}

void RunProtocol::Start() {
    ResetStatus();
    t0_ = platform_.NowSeconds();
    frame_->SetBarWidth(0);
}

ProgressFn RunProtocol::ProgressFor(int box) {
    QCheckBox* check = boxes_.at(static_cast<std::size_t>(box));
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

void RunProtocol::Finish() {
    ReportElapsed(t0_, platform_.NowSeconds());
}

void RunProtocol::ReportElapsed(std::int64_t t0, std::int64_t t1) {
    const std::int64_t seconds = t1 - t0;
    label9_->setText(QString("用时%1秒").arg(seconds));
    frame_->Fill();
    if (seconds > 60) {
        static constexpr std::array<std::pair<int, int>, 5> kTune{
            {{440, 600}, {352, 600}, {396, 600}, {264, 600}, {352, 1200}}};
        for (const auto& [hertz, milliseconds] : kTune) platform_.PlayTone(hertz, milliseconds);
    } else if (seconds > 10) {
        platform_.ShowMessage(Message{"计算完成!\n\n" + label9_->text().toStdString(), kAppTitle,
                                      MessageIcon::Information, MessageButtons::Ok});
    }
}

void RunProtocol::ReportStopped(std::int64_t t0, std::int64_t t1) {
    label9_->setText(QString("已停止,用时%1秒").arg(t1 - t0));
}

void RunProtocol::RestoreStatus() {
    label9_->setText(status_before_);
}

bool RunProtocol::Completed(const RunEnd& end, std::int64_t t0) {
    if (end.ending == Ending::Finished) return true;
    if (end.ending == Ending::Stopped)
        ReportStopped(t0, platform_.NowSeconds());
    else
        RestoreStatus();
    return false;
}

void RunProtocol::LockControls(QWidget* page) {
    locked_.clear();
    const auto lock = [this](QWidget* widget) {
        if (widget == nullptr || !widget->isEnabled()) return;
        widget->setEnabled(false);
        locked_.emplace_back(widget);
    };
    if (page != nullptr) {
        for (QLineEdit* field : page->findChildren<QLineEdit*>()) lock(field);
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) lock(button);
    }
    for (const QPointer<QAbstractButton>& button : run_buttons_) lock(button);
    if (stop_button_) stop_button_->setEnabled(true);
}

void RunProtocol::UnlockControls() {
    for (const QPointer<QWidget>& widget : locked_)
        if (widget) widget->setEnabled(true);
    locked_.clear();
    if (stop_button_) stop_button_->setEnabled(false);
    // Disabling the focused field moved the focus on; give it back unless the user went to
    // another page meanwhile.
    if (focus_before_ && running_page_ && running_page_->isVisible() && focus_before_->isEnabled())
        focus_before_->setFocus();
}

void RunProtocol::RunOnWorker(QWidget* page, std::function<void()> work,
                              std::function<void(const RunEnd&)> done) {
    if (busy_) return;
    busy_ = true;
    done_ = std::move(done);
    token_ = std::make_shared<StopToken>();
    status_before_ = label9_->text();
    focus_before_ = QApplication::focusWidget();
    running_page_ = page;
    LockControls(page);
    elapsed_.start();
    ticker_.start();
    worker_done_.store(false);
    emit RunStarted();
    worker_ = std::thread([this, token = token_, work = std::move(work)] {
        const RunEnd end = Guarded(work, *token);
        // FLINT keeps caches per thread (factoring tables); without this each run's thread would
        // leave them behind.
        flint_cleanup();
        // The last thing the worker does; the queued call runs after every progress report.
        QMetaObject::invokeMethod(
            this, [this, end] { EndRun(end); }, Qt::QueuedConnection);
        worker_done_.store(true);
    });
}

void RunProtocol::RequestStop() {
    if (token_) token_->RequestStop();
}

bool RunProtocol::StopAndJoin(std::chrono::milliseconds limit) {
    if (!worker_.joinable()) return true;
    RequestStop();
    const auto start = std::chrono::steady_clock::now();
    while (!worker_done_.load()) {
        if (std::chrono::steady_clock::now() - start >= limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker_.join();
    return true;
}

bool RunProtocol::ShowFailure(const RunEnd& end) {
    if (end.ending == Ending::OutOfMemory) {
        platform_.ShowMessage(
            Message{kOutOfMemoryText, kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        return true;
    }
    if (end.ending == Ending::Failed) {
        platform_.ShowMessage(Message{"计算出错,已停止:\n" + end.error.toStdString(), kAppTitle,
                                      MessageIcon::Exclamation, MessageButtons::Ok});
        return true;
    }
    return false;
}

void RunProtocol::EndRun(const RunEnd& end) {
    if (worker_.joinable()) worker_.join();
    ticker_.stop();
    busy_ = false;
    UnlockControls();
    const auto done = std::move(done_);
    done_ = nullptr;
    // The UI side of the guard: loading a huge pane may run out of memory too.
    RunEnd shown = end;
    try {
        ShowFailure(end);
        if (done) done(end);
    } catch (const std::bad_alloc&) {
        shown.ending = Ending::OutOfMemory;
        ShowFailure(shown);
    } catch (const std::exception& error) {
        shown.ending = Ending::Failed;
        shown.error = QString::fromUtf8(error.what());
        ShowFailure(shown);
    }
    emit RunFinished();
}

QString RunProtocol::KeepResultFile(const OutputPane* pane) {
    return result_file_.KeepAs(QString("pane%1-%2.txt").arg(pane->Index()).arg(++kept_files_));
}

bool RunProtocol::RunThroughResultFile(OutputPane* pane, int box, FileWork work,
                                       std::function<void()> before_pane,
                                       std::function<void(bool shown)> after) {
    if (busy_) return false;
    Start();
    // The last result goes at once: left on screen during the run it would pass for the new one.
    pane->SetText(QString());
    const auto fail = [this, pane](const QString& what) {
        result_file_.Close();
        result_file_.Remove();
        pane->SetText(QString());
        ResetStatus();
        if (!what.isEmpty())
            platform_.ShowMessage(Message{(what + "\n" + result_file_.Error()).toStdString(),
                                          kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok});
    };
    if (!result_file_.Open()) {
        fail("无法创建临时结果文件 " + result_file_.Path());
        if (after) after(false);
        return false;
    }
    auto fixed_text = std::make_shared<std::optional<QString>>();
    auto written = std::make_shared<bool>(false);
    auto mapped = std::make_shared<std::shared_ptr<const MappedText>>();
    const ProgressFn progress = ProgressFor(box);
    RunOnWorker(
        PageOf(pane),
        [this, work = std::move(work), progress, fixed_text, written, mapped, limit = pane_limit_] {
            {
                // The file is closed however the work ends.
                struct Closer {
                    TempResultFile& file;
                    bool& written;
                    ~Closer() { written = file.Close(); }
                } closer{result_file_, *written};
                *fixed_text = work(result_file_, progress);
            }
            // A result longer than the pane holds is mapped and indexed here, off the window's
            // thread (a second or so a gigabyte).
            if (!*fixed_text && *written && result_file_.UnstoredNote().isEmpty() &&
                QFileInfo(result_file_.Path()).size() > limit)
                *mapped = MappedText::MapFile(result_file_.Path());
        },
        [this, pane, fixed_text, written, mapped, before_pane = std::move(before_pane),
         after = std::move(after), fail](const RunEnd& end) {
            const std::int64_t t1 = platform_.NowSeconds();
            const auto give_up = [&](const QString& what) {
                fail(what);
                if (after) after(false);
            };
            if (end.ending == Ending::OutOfMemory || end.ending == Ending::Failed)
                return give_up(QString());
            if (!*written) return give_up("无法写入临时结果文件 " + result_file_.Path());
            if (before_pane) before_pane();
            if (*fixed_text) {
                pane->SetText(**fixed_text);
                result_file_.Remove();
            } else {
                // The closing line that a full disk did not take.
                const QString note = result_file_.UnstoredNote();
                // More bytes than the pane holds characters: shown from the file, mapped whole,
                // which then stays while the pane shows it.
                if (note.isEmpty() && QFileInfo(result_file_.Path()).size() > pane_limit_) {
                    const QString kept = KeepResultFile(pane);
                    if (!pane->ShowStoredFile(kept, *mapped)) {
                        // Where it cannot be mapped, the pane shows its beginning.
                        std::optional<PaneContent> content = ReadForPane(kept, pane_limit_);
                        if (!content) {
                            QFile::remove(kept);
                            return give_up("无法读取临时结果文件 " + kept);
                        }
                        pane->SetStoredText(content->text, kept);
                    }
                } else {
                    std::optional<PaneContent> content =
                        ReadForPane(result_file_.Path(), pane_limit_);
                    if (!content) return give_up("无法读取临时结果文件 " + result_file_.Path());
                    if (!note.isEmpty()) {
                        if (!content->text.isEmpty() && !content->text.endsWith(u'\n'))
                            content->text += u'\n';
                        content->text += note + u'\n';
                    }
                    if (content->complete) {
                        pane->SetText(content->text);
                        result_file_.Remove();
                    } else {
                        pane->SetStoredText(content->text, KeepResultFile(pane));
                    }
                }
            }
            if (end.ending == Ending::Stopped)
                ReportStopped(t0_, t1);
            else
                ReportElapsed(t0_, t1);
            if (after) after(true);
            // The list stops short but the count and summaries are exact: say why, after them.
            if (result_file_.OutOfSpace())
                platform_.ShowMessage(Message{
                    ("无法写入临时结果文件 " + result_file_.Path() + "\n" + result_file_.Error())
                        .toStdString(),
                    kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        });
    return true;
}

}  // namespace numerel::ui
