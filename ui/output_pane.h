// RichTextBox1(i): a page's output pane. Plain text in, plain text out; the pop-up menu and the
// text tools hang off it.
#pragma once

#include <QTextEdit>

namespace numerel::ui {

class OutputPane : public QTextEdit {
    Q_OBJECT
public:
    OutputPane(int index, int point_size, QWidget* parent = nullptr);

    int Index() const { return index_; }
    // Replaces the whole content.
    void SetText(const QString& text);
    QString Text() const { return toPlainText(); }
    // Appends by reading the whole text, concatenating and writing it back.
    void AppendText(const QString& text) { SetText(Text() + text); }
    // The selected text in Text()'s form (line ends as LF).
    QString SelectedText() const;
    // Selects `length` code units of Text() from `start` (0-based) without taking the focus.
    void Select(int start, int length);

private:
    int index_;
};

}  // namespace numerel::ui
