#include "core/tools/count_occurrences.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace numerel {
namespace {

// The count as the pane's loop states it: try every position, compare the substring there.
std::size_t CountByEveryPosition(std::u16string_view text, std::u16string_view needle) {
    std::size_t count = 0;
    // Near the end fewer than needle.size() units remain and substr() comes out shorter.
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text.substr(i, needle.size()) == needle) ++count;
    return count;
}

TEST(CountOccurrences, CountsEveryPositionExactly) {
    const struct {
        const char* name;
        std::u16string text;
        std::u16string needle;
        std::size_t expected;
    } rows[] = {
        {"overlapping_pairs", u"aaaa", u"aa", 3},
        {"alternating", u"abab", u"ab", 2},
        {"case_sensitive", u"aaaa", u"A", 0},
        {"chinese_character_counts_as_one", u"素数，素数和素数，素数素数", u"素", 5},
        {"chinese_pair_overlapping", u"素素素", u"素素", 2},
        {"needle_longer_than_text", u"abc", u"abcd", 0},
        {"needle_is_whole_text", u"abc", u"abc", 1},
        {"absent", u"12=2^2×3", u"x", 0},
        {"times_sign", u"12=2^2×3×5", u"×", 2},
        {"at_both_ends", u"xabx", u"x", 2},
        {"empty_text", u"", u"a", 0},
        {"empty_needle_matches_every_position", u"abc", u"", 3},
        {"line_feeds", u"1\n2\n3\n", u"\n", 3},
        {"border_fallback", u"aabaabaaab", u"aabaaab", 1},
        {"periodic_needle_overlaps", u"abcabcabcabc", u"abcabc", 3},
        {"repeating_decimal_block", u"0.142857142857142857", u"142857", 3},
        {"surrogate_pair_by_code_units", u"\U0001F600\U0001F600", u"\xDE00\xD83D", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CountOccurrences(row.text, row.needle), row.expected);
    }
}

TEST(CountOccurrences, AgreesWithTheEveryPositionLoopOnRandomTexts) {
    std::mt19937 random(20240508);
    for (int round = 0; round < 3000; ++round) {
        // Small alphabets make long partial matches and overlaps common.
        const int alphabet = 1 + static_cast<int>(random() % 3);
        std::u16string text(random() % 60, u'a');
        for (char16_t& unit : text) unit = static_cast<char16_t>(u'a' + random() % alphabet);
        std::u16string needle(1 + random() % 8, u'a');
        for (char16_t& unit : needle) unit = static_cast<char16_t>(u'a' + random() % alphabet);
        SCOPED_TRACE(std::string(text.begin(), text.end()) + " / " +
                     std::string(needle.begin(), needle.end()));
        ASSERT_EQ(CountOccurrences(text, needle), CountByEveryPosition(text, needle));
    }
}

TEST(CountOccurrences, HandlesAPaneOfAMillionCharacters) {
    // A rescan at every position would compare about 10^9 code units here.
    const std::u16string text(1'000'000, u'9');
    EXPECT_EQ(CountOccurrences(text, std::u16string(1000, u'9')), 999'001u);
    std::u16string almost(1000, u'9');
    almost.back() = u'8';
    EXPECT_EQ(CountOccurrences(text, almost), 0u);
    EXPECT_EQ(CountOccurrences(text + u"8", almost), 1u);
}

}  // namespace
}  // namespace numerel
