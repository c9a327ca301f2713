// Where a pane may wrap a line besides its blanks: between the items of a result, never inside a
// number. The layout's own rules keep "(3,5)(5,7)" apart but run "2^2×3×5" and "18=5+13" together
// as one word, which is then cut anywhere, mid-number, when it is wider than the pane.
#pragma once

namespace numerel::ui {

// True when a line may end after `c` when `next` follows: after the "×" between factors, the "+"
// between summands, the "=" after the number, and between the pairs "(p,q)(r,s)".
constexpr bool BreaksAfter(char16_t c, char16_t next) {
    const bool item_follows = (next >= u'0' && next <= u'9') || next == u'(';
    switch (c) {
        case u'\u00D7':
        case u'+':
        case u'=':
            return item_follows;
        case u')':
            return next == u'(';
        default:
            return false;
    }
}

}  // namespace numerel::ui
