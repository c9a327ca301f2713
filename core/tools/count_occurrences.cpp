#include "core/tools/count_occurrences.h"

#include <vector>

namespace numerel {

namespace {

// border[k]: length of the longest proper border of needle[0, k] (the classic failure function).
std::vector<std::size_t> Borders(std::u16string_view needle) {
    std::vector<std::size_t> border(needle.size(), 0);
    std::size_t k = 0;
    for (std::size_t i = 1; i < needle.size(); ++i) {
        while (k > 0 && needle[i] != needle[k]) k = border[k - 1];
        if (needle[i] == needle[k]) ++k;
        border[i] = k;
    }
    return border;
}

}  // namespace

std::size_t CountOccurrences(std::u16string_view text, std::u16string_view needle) {
    if (needle.empty()) return text.size();
    if (needle.size() > text.size()) return 0;
    const std::vector<std::size_t> border = Borders(needle);
    std::size_t count = 0;
    std::size_t matched = 0;  // length of the needle prefix that ends at the current position
    for (const char16_t unit : text) {
        while (matched > 0 && unit != needle[matched]) matched = border[matched - 1];
        if (unit == needle[matched]) ++matched;
        if (matched == needle.size()) {
            ++count;
            // Falling back to the border keeps overlapping copies in play.
            matched = border[matched - 1];
        }
    }
    return count;
}

}  // namespace numerel
