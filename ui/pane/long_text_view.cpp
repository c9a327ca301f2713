#include "ui/pane/long_text_view.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "ui/pane/item_breaks.h"

namespace numerel::ui {

namespace {
constexpr int kMargin = 4;
// Above this many bytes a resize wraps the text anew only once the size rests.
constexpr int kLargeText = 4 << 20;
}  // namespace

LongTextView::LongTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName("LongTextView");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    text_ = MappedText::FromString(QString());
    MeasureFont();
    relayout_timer_.setSingleShot(true);
    relayout_timer_.setInterval(200);
    connect(&relayout_timer_, &QTimer::timeout, this, [this] {
        if (viewport()->width() - 2 * kMargin != layout_width_) {
            Relayout();
            viewport()->update();
        }
    });
}

void LongTextView::SetText(const QString& text) {
    SetContent(MappedText::FromString(text));
}

void LongTextView::SetContent(std::shared_ptr<const MappedText> content) {
    text_ = content ? std::move(content) : MappedText::FromString(QString());
    anchor_ = caret_ = 0;
    styles_.clear();
    layout_width_ = -1;
    relayout_timer_.stop();
    Relayout();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int LongTextView::SelectionStart() const {
    return static_cast<int>(text_->UnitsBefore(std::min(anchor_, caret_)));
}

int LongTextView::SelectionLength() const {
    return static_cast<int>(text_->UnitsBefore(std::max(anchor_, caret_)) -
                            text_->UnitsBefore(std::min(anchor_, caret_)));
}

QString LongTextView::SelectedText() const {
    return text_->Decode(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

int LongTextView::CaretPosition() const {
    return static_cast<int>(text_->UnitsBefore(caret_));
}

int LongTextView::ByteOf(int unit) const {
    return CharStart(text_->ByteOfUnit(unit));
}

int LongTextView::CharStart(int position) const {
    position = std::clamp(position, 0, Size());
    while (position < Size() && MappedText::IsContinuation(At(position))) ++position;
    // A CR LF is one line end: its place is before the CR.
    if (position > 0 && position < Size() && At(position) == '\n' && At(position - 1) == '\r')
        --position;
    return position;
}

int LongTextView::NextChar(int position) const {
    if (position >= Size()) return Size();
    if (At(position) == '\r' && position + 1 < Size() && At(position + 1) == '\n')
        return position + 2;
    ++position;
    while (position < Size() && MappedText::IsContinuation(At(position))) ++position;
    return position;
}

int LongTextView::PreviousChar(int position) const {
    if (position <= 0) return 0;
    --position;
    while (position > 0 && MappedText::IsContinuation(At(position))) --position;
    if (position > 0 && At(position) == '\n' && At(position - 1) == '\r') --position;
    return position;
}

void LongTextView::Select(int start, int length) {
    anchor_ = ByteOf(std::max(0, start));
    caret_ = ByteOf(std::max(0, start + length));
    EnsureVisible(caret_);
    EnsureVisible(anchor_);
    viewport()->update();
}

void LongTextView::ApplyStyle(int start, int length, const Style& style) {
    if (length <= 0) return;
    styles_.push_back({ByteOf(start), ByteOf(start + length), style});
    viewport()->update();
}

LongTextView::Style LongTextView::StyleAt(int unit) const {
    const int position = ByteOf(unit);
    Style merged;
    for (const StyledRange& range : styles_) {
        if (position < range.start || position >= range.end) continue;
        if (range.style.color) merged.color = range.style.color;
        if (range.style.bold) merged.bold = range.style.bold;
        if (range.style.italic) merged.italic = range.style.italic;
        if (range.style.underline) merged.underline = range.style.underline;
    }
    return merged;
}

int LongTextView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

void LongTextView::MeasureFont() {
    QFont plain = font();
    plain.setKerning(false);  // drawn widths then equal the sums the wrapping uses
    const QFontMetricsF metrics(plain);
    for (char16_t c = 0; c < ascii_advance_.size(); ++c)
        ascii_advance_[c] = c < 32 ? 0 : metrics.horizontalAdvance(QChar(c));
    ascii_advance_[u'\t'] = 4 * ascii_advance_[u' '];
    other_advance_.clear();
    line_height_ = std::ceil(metrics.lineSpacing());
    ascent_ = metrics.ascent();
}

qreal LongTextView::Advance(int position) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text_->Data());
    const unsigned char c = bytes[position];
    if (c < ascii_advance_.size()) return ascii_advance_[c];
    if ((c & 0xC0) == 0x80) return 0;  // measured with the first byte of its character
    const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    char32_t code = c & (0x7F >> length);
    for (int k = 1; k < length && position + k < Size(); ++k)
        code = (code << 6) | (bytes[position + k] & 0x3F);
    auto found = other_advance_.constFind(code);
    if (found != other_advance_.constEnd()) return *found;
    QFont plain = font();
    plain.setKerning(false);
    const qreal advance = QFontMetricsF(plain).horizontalAdvance(QString::fromUcs4(&code, 1));
    other_advance_.insert(code, advance);
    return advance;
}

void LongTextView::Relayout() {
    const int width = std::max(1, viewport()->width() - 2 * kMargin);
    const int first_char =
        line_starts_.empty()
            ? 0
            : line_starts_[static_cast<std::size_t>(std::min(FirstVisibleLine(), LineCount() - 1))];
    layout_width_ = width;
    line_starts_.assign(1, 0);
    const int size = Size();
    const auto* units = reinterpret_cast<const unsigned char*>(text_->Data());
    int line_start = 0;
    int last_break = -1;  // just after the last blank of the line
    qreal x = 0;
    qreal since_break = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char c = units[i];
        if (c == '\n') {
            line_start = i + 1;
            line_starts_.push_back(line_start);
            x = since_break = 0;
            last_break = -1;
            continue;
        }
        const qreal w = c < ascii_advance_.size() ? ascii_advance_[c] : Advance(i);
        // A blank never starts a new line: it may hang over the edge, as in any editor. Nor does
        // the inside of a character or a CR.
        if (c != ' ' && c != '\r' && (c & 0xC0) != 0x80 && x + w > width && i > line_start) {
            if (last_break > line_start) {
                line_start = last_break;
                x = since_break;
            } else {
                line_start = i;
                x = 0;
            }
            line_starts_.push_back(line_start);
            last_break = -1;
            since_break = x;
        }
        x += w;
        // The text is UTF-8: "×" is the two bytes C3 97, and may end a line after its second.
        const char16_t unit = c == 0x97 && i > 0 && units[i - 1] == 0xC3 ? u'\u00D7' : c;
        if (c == ' ' || (i + 1 < size && BreaksAfter(unit, units[i + 1]))) {
            last_break = i + 1;
            since_break = 0;
        } else {
            since_break += w;
        }
    }
    UpdateScrollBar();
    verticalScrollBar()->setValue(LineOf(first_char));
}

void LongTextView::UpdateScrollBar() {
    const int visible = VisibleLines();
    verticalScrollBar()->setRange(0, std::max(0, LineCount() - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
}

int LongTextView::LineOf(int position) const {
    const auto after = std::upper_bound(line_starts_.begin(), line_starts_.end(), position);
    return std::max(0, static_cast<int>(after - line_starts_.begin()) - 1);
}

int LongTextView::LineEnd(int line) const {
    const auto next = static_cast<std::size_t>(line) + 1;
    if (next >= line_starts_.size()) return Size();
    int end = line_starts_[next];
    if (end > 0 && At(end - 1) == '\n') --end;
    if (end > 0 && At(end - 1) == '\r') --end;
    return end;
}

int LongTextView::VisibleLines() const {
    return std::max(1, static_cast<int>((viewport()->height() - 2 * kMargin) / line_height_));
}

qreal LongTextView::XOf(int position) const {
    const int line = LineOf(position);
    qreal x = kMargin;
    for (int i = line_starts_[static_cast<std::size_t>(line)]; i < position; ++i) x += Advance(i);
    return x;
}

int LongTextView::PositionAt(const QPoint& point) const {
    const int row = static_cast<int>(std::floor((point.y() - kMargin) / line_height_));
    const int line = std::clamp(FirstVisibleLine() + row, 0, LineCount() - 1);
    const int end = LineEnd(line);
    qreal x = kMargin;
    int i = line_starts_[static_cast<std::size_t>(line)];
    for (; i < end; ++i) {
        const qreal w = Advance(i);
        if (point.x() < x + w / 2) break;
        x += w;
    }
    return i;
}

void LongTextView::EnsureVisible(int position) {
    const int line = LineOf(position);
    const int first = FirstVisibleLine();
    const int visible = VisibleLines();
    if (line < first)
        verticalScrollBar()->setValue(line);
    else if (line >= first + visible)
        verticalScrollBar()->setValue(line - visible + 1);
}

void LongTextView::MoveCaret(int position, bool keep_anchor) {
    caret_ = CharStart(position);
    if (!keep_anchor) anchor_ = caret_;
    EnsureVisible(caret_);
    viewport()->update();
}

QFont LongTextView::StyledFont(const Style& style) const {
    QFont styled = font();
    styled.setKerning(false);
    if (style.bold) styled.setBold(*style.bold);
    if (style.italic) styled.setItalic(*style.italic);
    if (style.underline) styled.setUnderline(*style.underline);
    return styled;
}

void LongTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    const int first = FirstVisibleLine();
    const int last = std::min(LineCount() - 1, first + VisibleLines());
    const int selection_start = SelectionStart();
    const int selection_end = std::max(anchor_, caret_);
    // The styled ranges that reach the visible lines.
    const int top = line_starts_[static_cast<std::size_t>(first)];
    const int bottom = LineEnd(last);
    std::vector<const StyledRange*> visible_styles;
    for (const StyledRange& range : styles_)
        if (range.end > top && range.start < bottom) visible_styles.push_back(&range);
    const auto style_at = [&](int position) {
        Style merged;
        for (const StyledRange* range : visible_styles) {
            if (position < range->start || position >= range->end) continue;
            if (range->style.color) merged.color = range->style.color;
            if (range->style.bold) merged.bold = range->style.bold;
            if (range->style.italic) merged.italic = range->style.italic;
            if (range->style.underline) merged.underline = range->style.underline;
        }
        return merged;
    };

    for (int line = first; line <= last; ++line) {
        const qreal y = kMargin + (line - first) * line_height_;
        const int end = LineEnd(line);
        qreal x = kMargin;
        int i = line_starts_[static_cast<std::size_t>(line)];
        while (i < end) {
            // One run: the same selection state and style throughout.
            const bool selected = i >= selection_start && i < selection_end;
            const Style style = visible_styles.empty() ? Style{} : style_at(i);
            int j = i + 1;
            qreal width = Advance(i);
            while (j < end && (j >= selection_start && j < selection_end) == selected &&
                   (visible_styles.empty() || [&] {
                       const Style other = style_at(j);
                       return other.color == style.color && other.bold == style.bold &&
                              other.italic == style.italic && other.underline == style.underline;
                   }())) {
                width += Advance(j);
                ++j;
            }
            if (selected) painter.fillRect(QRectF(x, y, width, line_height_), colours.highlight());
            painter.setFont(StyledFont(style));
            painter.setPen(selected      ? colours.highlightedText().color()
                           : style.color ? *style.color
                                         : colours.text().color());
            painter.drawText(QPointF(x, y + ascent_), text_->Decode(i, j));
            x += width;
            i = j;
        }
        // A selected line end shows as a little selected room.
        if (end < selection_end && end >= selection_start && end < Size())
            painter.fillRect(QRectF(x, y, ascii_advance_[u' '], line_height_), colours.highlight());
    }
    if (hasFocus()) {
        const int line = LineOf(caret_);
        if (line >= first && line <= last) {
            const qreal x = XOf(caret_);
            const qreal y = kMargin + (line - first) * line_height_;
            painter.setPen(colours.text().color());
            painter.drawLine(QPointF(x, y), QPointF(x, y + line_height_ - 1));
        }
    }
}

void LongTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBar();
    if (viewport()->width() - 2 * kMargin == layout_width_) return;
    // Wrapping a gigabyte takes a second or more: while the window is being dragged larger or
    // smaller, the lines wrap anew once it rests.
    if (Size() > kLargeText)
        relayout_timer_.start();
    else
        Relayout();
}

void LongTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureFont();
        Relayout();
        viewport()->update();
    }
}

void LongTextView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int line = LineOf(caret_);
    const auto to_line = [&](int target) {
        target = std::clamp(target, 0, LineCount() - 1);
        // Keep the caret's horizontal place as well as the line allows.
        const qreal x = XOf(caret_);
        const int row = target - FirstVisibleLine();
        MoveCaret(PositionAt(QPoint(static_cast<int>(x),
                                    static_cast<int>(kMargin + row * line_height_ + 1))),
                  shift);
    };
    switch (event->key()) {
        case Qt::Key_Left:
            MoveCaret(PreviousChar(caret_), shift);
            break;
        case Qt::Key_Right:
            MoveCaret(NextChar(caret_), shift);
            break;
        case Qt::Key_Up:
            to_line(line - 1);
            break;
        case Qt::Key_Down:
            to_line(line + 1);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const int step = event->key() == Qt::Key_PageUp ? -VisibleLines() : VisibleLines();
            verticalScrollBar()->setValue(FirstVisibleLine() + step);
            to_line(line + step);
            break;
        }
        case Qt::Key_Home:
            MoveCaret(control ? 0 : line_starts_[static_cast<std::size_t>(line)], shift);
            break;
        case Qt::Key_End:
            MoveCaret(control ? Size() : LineEnd(line), shift);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void LongTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    MoveCaret(PositionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LongTextView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    MoveCaret(PositionAt(event->position().toPoint()), true);
}

void LongTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // One item of a list: what lies between blanks or line ends.
    const int at = PositionAt(event->position().toPoint());
    const auto separator = [](char c) { return c == ' ' || c == '\n' || c == '\r'; };
    int start = at;
    while (start > 0 && !separator(At(start - 1))) --start;
    int end = at;
    while (end < Size() && !separator(At(end))) ++end;
    anchor_ = start;
    caret_ = end;
    EnsureVisible(caret_);
    EnsureVisible(anchor_);
    viewport()->update();
}

void LongTextView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LongTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LongTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

}  // namespace numerel::ui
