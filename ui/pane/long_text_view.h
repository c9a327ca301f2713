// A read-only view of a long plain text (up to a gigabyte, one paragraph or millions of lines)
// that stays quick where a rich-text document would lay out for minutes: the text stays UTF-8
// (a stored result file is mapped, not loaded), lines are wrapped by a linear pass over cached
// character widths, only the visible lines are drawn, and the scroll bar counts lines. It keeps
// what a result pane needs: selection by mouse and keys, caret movement, styled ranges (the Find
// dialog's red hits, the font dialog's style and colour).
//
// Positions in its interface count UTF-16 code units of the text with LF line ends, as the
// pane's Text() does; inside they are byte offsets into the UTF-8.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "ui/results/mapped_text.h"

namespace numerel::ui {

class LongTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct Style {
        std::optional<QColor> color;
        std::optional<bool> bold;
        std::optional<bool> italic;
        std::optional<bool> underline;
    };

    explicit LongTextView(QWidget* parent = nullptr);

    // Replaces the text (line ends as LF); selection, styles and scrolling start afresh.
    void SetText(const QString& text);
    // Shows `content` (a mapped result file) the same way.
    void SetContent(std::shared_ptr<const MappedText> content);
    const std::shared_ptr<const MappedText>& Content() const { return text_; }
    // The whole text (twice its UTF-8 size in memory).
    QString Text() const { return text_->Whole(); }
    qint64 TextLength() const { return text_->Units(); }
    int SelectionStart() const;
    int SelectionLength() const;
    QString SelectedText() const;
    int CaretPosition() const;
    // Selects [start, start + length) and scrolls it into view, without taking the focus.
    void Select(int start, int length);
    // Styles [start, start + length); later styles win over earlier ones.
    void ApplyStyle(int start, int length, const Style& style);
    Style StyleAt(int position) const;
    int LineCount() const { return static_cast<int>(line_starts_.size()); }
    int FirstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct StyledRange {
        int start;
        int end;
        Style style;
    };

    void MeasureFont();
    qreal Advance(int position) const;
    void Relayout();
    void UpdateScrollBar();
    int LineOf(int position) const;
    int LineEnd(int line) const;  // the end of the line's text, without its line end
    int VisibleLines() const;
    int PositionAt(const QPoint& point) const;
    qreal XOf(int position) const;
    void MoveCaret(int position, bool keep_anchor);
    void EnsureVisible(int position);
    QFont StyledFont(const Style& style) const;
    // Character steps over the bytes: never inside a UTF-8 sequence or between CR and LF.
    int NextChar(int position) const;
    int PreviousChar(int position) const;
    int CharStart(int position) const;
    int ByteOf(int unit) const;
    char At(int position) const { return text_->Data()[position]; }
    int Size() const { return text_->Size(); }

    std::shared_ptr<const MappedText> text_;
    std::vector<int> line_starts_{0};
    int anchor_ = 0;
    int caret_ = 0;
    std::vector<StyledRange> styles_;
    std::array<qreal, 128> ascii_advance_{};
    mutable QHash<char32_t, qreal> other_advance_;
    qreal line_height_ = 16;
    qreal ascent_ = 12;
    int layout_width_ = -1;
    QTimer relayout_timer_;
};

}  // namespace numerel::ui
