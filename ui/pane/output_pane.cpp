#include "ui/pane/output_pane.h"

#include <QFile>
#include <QMimeData>
#include <QTextCursor>

#include "ui/pane/item_breaks.h"
#include "ui/pane/long_text_view.h"
#include "ui/platform/fonts.h"
#include "ui/results/stored_result.h"

namespace numerel::ui {

namespace {

constexpr QChar kItemBreak(0x200B);

QString WithItemBreaks(const QString& text) {
    QString shown;
    shown.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (i + 1 < text.size() && BreaksAfter(text[i].unicode(), text[i + 1].unicode()))
            shown += kItemBreak;
    }
    return shown;
}

QString WithoutItemBreaks(QString text) {
    text.remove(kItemBreak);
    return text;
}

}  // namespace

OutputPane::OutputPane(int index, int point_size, QWidget* parent)
    : QTextEdit(parent), index_(index), long_view_(new LongTextView(this)) {
    setObjectName(QString("RichTextBox1_%1").arg(index));
    setAcceptRichText(false);
    setFont(SongFont(point_size));
    // Pane text is a computation's output; long lines wrap at the pane's edge.
    setLineWrapMode(QTextEdit::WidgetWidth);
    long_view_->hide();
}

OutputPane::~OutputPane() {
    DropStoredFile();
}

void OutputPane::DropStoredFile() {
    if (!stored_.isEmpty()) QFile::remove(stored_);
    stored_.clear();
}

void OutputPane::ShowLong(bool on) {
    if (on == long_active_) return;
    const bool had_focus = hasFocus();
    long_active_ = on;
    if (on) {
        read_only_before_ = isReadOnly();
        setReadOnly(true);
        long_view_->setGeometry(rect());
        long_view_->show();
        long_view_->raise();
        setFocusProxy(long_view_);
    } else {
        setFocusProxy(nullptr);
        long_view_->hide();
        long_view_->SetText(QString());
        setReadOnly(read_only_before_);
    }
    if (had_focus) setFocus();
}

void OutputPane::SetText(const QString& text) {
    DropStoredFile();
    // Rich-text panes keep CR LF as one paragraph break.
    QString plain = text;
    CrLfAndCrToLf(plain);
    if (plain.size() > kLongPaneText) {
        setPlainText(QString());
        ShowLong(true);
        long_view_->SetText(std::move(plain));
        return;
    }
    ShowLong(false);
    setPlainText(WithItemBreaks(plain));
    setFont(font());
}

void OutputPane::SetStoredText(const QString& shown, const QString& stored) {
    SetText(shown);
    stored_ = stored;
}

bool OutputPane::ShowStoredFile(const QString& stored, std::shared_ptr<const MappedText> mapped) {
    std::shared_ptr<const MappedText> content =
        mapped ? std::move(mapped) : MappedText::MapFile(stored);
    if (!content) return false;
    DropStoredFile();
    setPlainText(QString());
    ShowLong(true);
    long_view_->SetContent(std::move(content));
    stored_ = stored;
    return true;
}

QString OutputPane::Text() const {
    return long_active_ ? long_view_->Text() : WithoutItemBreaks(toPlainText());
}

qint64 OutputPane::TextLength() const {
    return long_active_ ? long_view_->TextLength() : toPlainText().size();
}

std::shared_ptr<const MappedText> OutputPane::LongContent() const {
    return long_active_ ? long_view_->Content() : nullptr;
}

QString OutputPane::SelectedText() const {
    if (long_active_) return long_view_->SelectedText();
    // The cursor reports breaks as U+2029, U+2028 or frame marks, and keeps no-break spaces;
    // Text() has LF and a blank there. Same length either way.
    QString text = textCursor().selectedText();
    for (QChar& c : text) {
        switch (c.unicode()) {
            case QChar::ParagraphSeparator:
            case QChar::LineSeparator:
            case 0xFDD0:  // beginning of a frame
            case 0xFDD1:  // end of a frame
                c = u'\n';
                break;
            case QChar::Nbsp:
                c = u' ';
                break;
            default:
                break;
        }
    }
    return WithoutItemBreaks(std::move(text));
}

int OutputPane::DocumentPosition(int position) const {
    const QString shown = toPlainText();
    int seen = 0;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown[i] == kItemBreak) continue;
        if (seen == position) return i;
        ++seen;
    }
    return static_cast<int>(shown.size());
}

int OutputPane::CaretPosition() const {
    if (long_active_) return long_view_->CaretPosition();
    const int caret = textCursor().position();
    return caret - static_cast<int>(toPlainText().left(caret).count(kItemBreak));
}

QMimeData* OutputPane::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(SelectedText());
    return data;
}

void OutputPane::Select(int start, int length) {
    if (long_active_) {
        long_view_->Select(start, length);
        return;
    }
    // Text() and the document count alike (one unit per character or paragraph break) but for
    // the item breaks.
    QTextCursor cursor(document());
    cursor.setPosition(DocumentPosition(start));
    cursor.setPosition(DocumentPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void OutputPane::MarkHit(int start, int length) {
    if (length <= 0) return;
    if (long_active_) {
        long_view_->ApplyStyle(start, length, {QColor(255, 0, 0), {}, {}, {}});
        return;
    }
    QTextCursor mark(document());
    mark.setPosition(DocumentPosition(start));
    mark.setPosition(DocumentPosition(start + length), QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    mark.mergeCharFormat(red);
}

QTextCharFormat OutputPane::CurrentStyle() const {
    if (!long_active_) return currentCharFormat();
    const LongTextView::Style style = long_view_->StyleAt(long_view_->SelectionStart());
    QTextCharFormat format;
    format.setFontWeight(style.bold.value_or(false) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic.value_or(false));
    format.setFontUnderline(style.underline.value_or(false));
    if (style.color) format.setForeground(*style.color);
    return format;
}

void OutputPane::ApplyFontChoice(const QFont& whole, const QTextCharFormat& style) {
    setFont(whole);
    if (long_active_) {
        long_view_->ApplyStyle(long_view_->SelectionStart(), long_view_->SelectionLength(),
                               {style.foreground().color(), style.fontWeight() >= QFont::Bold,
                                style.fontItalic(), style.fontUnderline()});
        return;
    }
    // Face and size belong to the whole pane, including text that carries its own.
    QTextCharFormat face;
    face.setFontFamilies(whole.families());
    if (whole.pointSizeF() > 0) face.setFontPointSize(whole.pointSizeF());
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    if (all.hasSelection()) all.mergeCharFormat(face);
    // The style and colour go to the selection, or to what is typed next at the caret.
    mergeCurrentCharFormat(style);
}

void OutputPane::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    if (long_active_) long_view_->setGeometry(rect());
}

}  // namespace numerel::ui
