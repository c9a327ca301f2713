// A page's output pane. Plain text in, plain text out; the pop-up menu and the
// text tools hang off it.
//
// A text of more than kLongPaneText characters goes to a LongTextView laid over the pane, since
// a rich-text document would lay it out for minutes: the pane is then read-only (no cut, paste,
// delete or typing) but keeps selection, copy, Find's red hits, count, length, font and save.
// A pane may also show a stored result file, mapped whole into the long view (or, where it
// cannot be mapped, only its beginning); "保存" writes that file, and the file goes when the
// pane's text is replaced or the pane goes.
//
// Lines wrap between a result's items (BreaksAfter): the document holds a zero-width space at
// each such place, which no text, position or copy the pane gives out contains.
#pragma once

#include <QTextCharFormat>
#include <QTextEdit>
#include <memory>

namespace numerel::ui {

class LongTextView;
class MappedText;

inline constexpr qsizetype kLongPaneText = qsizetype{1} << 15;

class OutputPane : public QTextEdit {
    Q_OBJECT
public:
    OutputPane(int index, int point_size, QWidget* parent = nullptr);
    ~OutputPane() override;

    int Index() const { return index_; }
    // Replaces the whole content.
    void SetText(const QString& text);
    // Replaces the whole content with `shown`, the part of the stored result file `stored` that
    // the pane holds; the file then belongs to the pane.
    void SetStoredText(const QString& shown, const QString& stored);
    // Shows the whole of the stored result file `stored`, which then belongs to the pane: as
    // `mapped` already holds it, or mapped here. False, with nothing changed, when the file
    // cannot be mapped.
    bool ShowStoredFile(const QString& stored, std::shared_ptr<const MappedText> mapped = nullptr);
    // The stored result file behind the pane, or an empty string.
    QString StoredFile() const { return stored_; }
    QString Text() const;
    // Text().size(), without building the text of a long pane.
    qint64 TextLength() const;
    // A long pane's text as its view holds it, shareable with a search thread; else nullptr.
    std::shared_ptr<const MappedText> LongContent() const;
    // The selected text in Text()'s form (line ends as LF).
    QString SelectedText() const;
    // The caret as a position in Text().
    int CaretPosition() const;
    // Selects `length` code units of Text() from `start` (0-based) without taking the focus.
    void Select(int start, int length);
    // Colours [start, start + length) pure red (a Find hit); it stays so.
    void MarkHit(int start, int length);
    // The style of the selected text (or at the caret), for the font dialog to start from.
    QTextCharFormat CurrentStyle() const;
    // The font dialog's choice: `whole` (face and size) for all of the text, `style` (weight,
    // italic, underline, colour) for the selection.
    void ApplyFontChoice(const QFont& whole, const QTextCharFormat& style);
    bool IsLong() const { return long_active_; }
    LongTextView* LongView() const { return long_view_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // The document position of Text() position `position`.
    int DocumentPosition(int position) const;
    void DropStoredFile();
    void ShowLong(bool on);

    int index_;
    LongTextView* long_view_;
    bool long_active_ = false;
    bool read_only_before_ = false;
    QString stored_;
};

}  // namespace numerel::ui
