#include "ui/run_protocol.h"

#include <QCheckBox>

#include "ui/output_pane.h"

namespace numerel::ui {

RunProtocol::RunProtocol(QLabel* label9, ProgressFrame* frame, Platform& platform,
                         const QString& result_directory)
    : label9_(label9), frame_(frame), platform_(platform), result_file_(result_directory) {}

void RunProtocol::RegisterProgressBox(int index, QCheckBox* box) {
    boxes_.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QCheckBox::clicked, this, &RunProtocol::OnBoxClicked);
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

void RunProtocol::ResetStatus() {
    label9_->setText(kIdleCaption);
}

void RunProtocol::Start() {
    ResetStatus();
    t0_ = platform_.NowSeconds();
    frame_->SetBarWidth(0);
}

ProgressFn RunProtocol::ProgressFor(int box) {
    QCheckBox* check = boxes_.at(static_cast<std::size_t>(box));
    if (check == nullptr || !check->isChecked()) return {};
    QPointer<ProgressFrame> frame = frame_;
    return [frame](double fraction) {
        if (frame) frame->ShowFraction(fraction);
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

bool RunProtocol::RunThroughResultFile(OutputPane* pane, int box, const FileWork& work) {
    Start();
    const auto fail = [&](const QString& what) {
        result_file_.Close();
        result_file_.Remove();
        pane->SetText(QString());
        ResetStatus();
        platform_.ShowMessage(Message{(what + "\n" + result_file_.Error()).toStdString(), kAppTitle,
                                      MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    };
    if (!result_file_.Open()) return fail("无法创建临时结果文件 " + result_file_.Path());
    const std::optional<QString> fixed_text = work(result_file_, ProgressFor(box));
    const bool written = result_file_.Close();
    const std::int64_t t1 = platform_.NowSeconds();
    if (!written) return fail("无法写入临时结果文件 " + result_file_.Path());
    if (fixed_text) {
        pane->SetText(*fixed_text);
    } else {
        const std::optional<QString> content = result_file_.ReadAll();
        if (!content) return fail("无法读取临时结果文件 " + result_file_.Path());
        pane->SetText(*content);
    }
    // The file goes in every case: it lives in our private directory and must not pile up.
    result_file_.Remove();
    ReportElapsed(t0_, t1);
    return true;
}

}  // namespace numerel::ui
