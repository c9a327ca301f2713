// A read-only view of a long plain text (millions of characters, one paragraph or a million
// lines) that stays quick where a rich-text document would lay out for minutes: lines are
// wrapped by a linear pass over cached character widths, only the visible lines are drawn, and
// the scroll bar counts lines. It keeps what a result pane needs: selection by mouse and keys,
// caret movement, styled ranges (the Find dialog's red hits, the font dialog's style and colour).
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <vector>

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
    void SetText(QString text);
    const QString& Text() const { return text_; }
    int SelectionStart() const { return std::min(anchor_, caret_); }
    QString SelectedText() const;
    int CaretPosition() const { return caret_; }
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

    QString text_;
    std::vector<int> line_starts_{0};
    int anchor_ = 0;
    int caret_ = 0;
    std::vector<StyledRange> styles_;
    std::array<qreal, 128> ascii_advance_{};
    mutable QHash<char16_t, qreal> other_advance_;
    qreal line_height_ = 16;
    qreal ascent_ = 12;
    int layout_width_ = -1;
};

}  // namespace numerel::ui
