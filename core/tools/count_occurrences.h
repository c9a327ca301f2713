// Counting a string's occurrences in a pane's text, by UTF-16 code units.
#pragma once

#include <cstddef>
#include <string_view>

namespace numerel {

// How many positions i of `text` (every i in [0, text.size()), both ends included) start an exact,
// case-sensitive copy of `needle`; overlapping copies all count ("aa" in "aaaa" gives 3).
// Compares UTF-16 code units, so a Chinese character counts as one and no normalisation happens.
// Costs O(text.size() + needle.size()) time and O(needle.size()) memory, whatever the needle
// (no rescans). An empty needle matches at every position and gives text.size(); a needle
// longer than the text gives 0.
std::size_t CountOccurrences(std::u16string_view text, std::u16string_view needle);

}  // namespace numerel
