#include "ui/output_pane.h"

#include <QTextCursor>

#include "ui/fonts.h"

namespace numerel::ui {

OutputPane::OutputPane(int index, int point_size, QWidget* parent)
    : QTextEdit(parent), index_(index) {
    setObjectName(QString("RichTextBox1_%1").arg(index));
    setAcceptRichText(false);
    setFont(SongFont(point_size));
    // Pane text is a computation's output; long lines wrap at the pane's edge.
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void OutputPane::SetText(const QString& text) {
    // Rich-text panes keep CR LF as one paragraph break.
    QString plain = text;
    plain.replace("\r\n", "\n");
    plain.replace('\r', '\n');
    setPlainText(plain);
    setFont(font());
}

QString OutputPane::SelectedText() const {
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
    return text;
}

void OutputPane::Select(int start, int length) {
    // Text() and the document count positions alike: one unit per character or paragraph break.
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

}  // namespace numerel::ui
