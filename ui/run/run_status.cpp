#include "ui/run/run_status.h"

#include <array>
#include <utility>

#include "core/message.h"
#include "ui/platform/platform.h"

namespace numerel::ui {

RunStatus::RunStatus(QLabel* status_label, ProgressFrame* frame, Platform& platform)
    : status_label_(status_label), frame_(frame), platform_(platform) {
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &RunStatus::Tick);
}

QString RunStatus::LiveCaption() const {
    return QString("计算中…%1秒").arg(elapsed_.elapsed() / 1000);
}

void RunStatus::Reset() {
    const bool counted = counting_ && elapsed_.elapsed() >= 1000;
    status_label_->setText(counted ? LiveCaption() : QString(kIdleCaption));
}

void RunStatus::Tick() {
    if (counting_) status_label_->setText(LiveCaption());
}

void RunStatus::Start() {
    Reset();
    start_time_ = platform_.NowSeconds();
    frame_->SetBarWidth(0);
}

void RunStatus::BeginCounting() {
    status_before_ = status_label_->text();
    counting_ = true;
    elapsed_.start();
    ticker_.start();
}

void RunStatus::EndCounting() {
    ticker_.stop();
    counting_ = false;
}

void RunStatus::Restore() {
    status_label_->setText(status_before_);
}

void RunStatus::ReportElapsed(std::int64_t t0, std::int64_t t1) {
    const std::int64_t seconds = t1 - t0;
    status_label_->setText(QString("用时%1秒").arg(seconds));
    frame_->Fill();
    if (seconds > 60) {
        static constexpr std::array<std::pair<int, int>, 5> kTune{
            {{440, 600}, {352, 600}, {396, 600}, {264, 600}, {352, 1200}}};
        for (const auto& [hertz, milliseconds] : kTune) platform_.PlayTone(hertz, milliseconds);
    } else if (seconds > 10) {
        platform_.ShowMessage(Message{"计算完成!\n\n" + status_label_->text().toStdString(),
                                      kAppTitle, MessageIcon::Information, MessageButtons::Ok});
    }
}

void RunStatus::ReportStopped(std::int64_t t0, std::int64_t t1) {
    status_label_->setText(QString("已停止,用时%1秒").arg(t1 - t0));
}

bool RunStatus::Completed(const RunEnd& end, std::int64_t t0) {
    if (end.ending == Ending::Finished) return true;
    if (end.ending == Ending::Stopped)
        ReportStopped(t0, platform_.NowSeconds());
    else
        Restore();
    return false;
}

}  // namespace numerel::ui
