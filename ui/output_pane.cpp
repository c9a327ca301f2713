#include "ui/output_pane.h"

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

}  // namespace numerel::ui
