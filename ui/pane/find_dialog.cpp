#include "ui/pane/find_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "core/message.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/fonts.h"
#include "ui/platform/platform.h"
#include "ui/results/mapped_text.h"

namespace numerel::ui {

FindDialog::FindDialog(Platform& platform, PaneSource current_pane, QWidget* owner)
    : QDialog(owner), platform_(platform), current_pane_(std::move(current_pane)) {
    setObjectName("Dialog");
    setWindowTitle("查找");
    setFont(SongFont(kControlPointSize));
    setModal(false);

    auto* frame = new QGroupBox("查找方向", this);
    frame->setObjectName("Frame1");
    up_option_ = new QRadioButton("向上", frame);
    up_option_->setObjectName("Option1");
    down_option_ = new QRadioButton("向下", frame);
    down_option_->setObjectName("Option2");
    down_option_->setChecked(true);
    auto* directions = new QHBoxLayout(frame);
    directions->addWidget(up_option_);
    directions->addWidget(down_option_);

    text_label_ = new QLabel("查找内容:", this);
    text_label_->setObjectName("Label1");
    search_text_ = new QLineEdit(this);
    search_text_->setObjectName("Text1");
    search_text_->setToolTip("可以预先选中一个字符串");
    text_label_->setBuddy(search_text_);
    find_next_button_ = new QPushButton("查找下一个(&N)", this);
    find_next_button_->setObjectName("OKButton");
    find_next_button_->setDefault(true);  // Enter in the search text
    cancel_button_ = new QPushButton("取消(&C)", this);
    cancel_button_->setObjectName("CancelButton");
    cancel_button_->setAutoDefault(false);
    distance_label_ = new QLabel("距离第一个", this);
    distance_label_->setObjectName("Label2");

    auto* layout = new QGridLayout(this);
    layout->addWidget(text_label_, 0, 0);
    layout->addWidget(search_text_, 0, 1);
    layout->addWidget(find_next_button_, 0, 2);
    layout->addWidget(frame, 1, 0, 1, 2);
    layout->addWidget(cancel_button_, 1, 2, Qt::AlignTop);
    layout->addWidget(distance_label_, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(420);

    connect(find_next_button_, &QPushButton::clicked, this, &FindDialog::OnFindNext);
    connect(cancel_button_, &QPushButton::clicked, this, &FindDialog::OnCancel);
    connect(search_text_, &QLineEdit::textChanged, this, &FindDialog::OnSearchTextChanged);
    LoadSelection();
}

FindDialog::~FindDialog() {
    if (search_.joinable()) search_.join();
}

void FindDialog::LoadSelection() {
    const OutputPane* pane = current_pane_();
    search_text_->setText(pane != nullptr ? pane->SelectedText() : QString());
    OnSearchTextChanged();  // also when the text did not change (an empty selection)
}

void FindDialog::FocusSearchText() {
    search_text_->setFocus(Qt::OtherFocusReason);
}

void FindDialog::OnSearchTextChanged() {
    state_ = FindState{};
}

void FindDialog::OnFindNext() {
    FindNext(search_text_->text());
}

void FindDialog::OnCancel() {
    QWidget* owner = parentWidget();
    QDialog::reject();  // closes, and the window deletes itself
    if (owner != nullptr) {
        owner->show();
        owner->activateWindow();
    }
}

void FindDialog::reject() {
    OnCancel();
}

void FindDialog::FindNext(const QString& s) {
    if (searching_) return;
    OutputPane* pane = current_pane_();
    if (pane != nullptr && !s.isEmpty()) {
        if (std::shared_ptr<const MappedText> content = pane->LongContent()) {
            FindInLong(pane, std::move(content), s);
            return;
        }
    }
    const QString text = pane != nullptr ? pane->Text() : QString();
    const qsizetype n = text.size();
    const qsizetype length = s.size();
    // The last 0-based start a hit may have: there must be room for s, and even an empty s is
    // only tried at positions 1..n.
    const qsizetype last_start = n - std::max<qsizetype>(length, 1);
    qsizetype hit = -1;
    if (down_option_->isChecked()) {
        // Down: p = pos + 1, pos + 2, ..., that is 0-based starts from pos on.
        if (state_.pos <= last_start) {
            hit = text.indexOf(s, state_.pos, Qt::CaseSensitive);
            if (hit > last_start) hit = -1;
        }
    } else {
        // Up: p = pos - 1, pos - 2, ..., 1, that is 0-based starts from pos - 2 down to 0.
        const qsizetype from = std::min<qsizetype>(state_.pos - 2, last_start);
        if (from >= 0) hit = text.lastIndexOf(s, from, Qt::CaseSensitive);
    }
    ShowHit(pane, s, hit);
}

void FindDialog::FindInLong(OutputPane* pane, std::shared_ptr<const MappedText> content,
                            const QString& s) {
    const bool down = down_option_->isChecked();
    const qint64 pos = state_.pos;
    const qint64 last_start = content->Units() - s.size();
    if (search_.joinable()) search_.join();
    searching_ = true;
    find_next_button_->setEnabled(false);
    QPointer<FindDialog> self(this);
    QPointer<OutputPane> target(pane);
    search_ = std::thread([self, target, content, s, down, pos, last_start] {
        qint64 hit = -1;
        if (down) {
            if (pos <= last_start) hit = content->FindForward(s, pos);
        } else {
            const qint64 from = std::min(pos - 2, last_start);
            if (from >= 0) hit = content->FindBackward(s, from);
        }
        // The dialog waits for this thread before it goes, so `self` is still there to call.
        QMetaObject::invokeMethod(
            self.data(),
            [self, target, content, s, hit] {
                self->searching_ = false;
                self->find_next_button_->setEnabled(true);
                // A pane whose text changed meanwhile is left alone.
                if (target && target->LongContent() == content) self->ShowHit(target, s, hit);
            },
            Qt::QueuedConnection);
    });
}

void FindDialog::ShowHit(OutputPane* pane, const QString& s, qint64 hit) {
    if (hit < 0) {
        platform_.ShowMessage(Message{"找不到'" + s.toStdString() + "'", "未找到",
                                      MessageIcon::Information, MessageButtons::Ok});
        return;
    }

    const int start = static_cast<int>(hit);
    const int length = static_cast<int>(s.size());
    // Every hit stays red after the selection has moved on.
    pane->MarkHit(start, length);
    pane->Select(start, length);

    const int p = start + 1;
    state_.pos = p;
    if (!state_.first) state_.first = p;
    distance_label_->setText("距离第一个'" + s + "'" + QString::number(p - *state_.first) +
                             " 个字符");
}

}  // namespace numerel::ui
