#include "core/tools/prime_search.h"

#include <gtest/gtest.h>

#include <random>

#include "core/nt/primality.h"
#include "reference_search.h"
#include "reference_search_check.h"

namespace numerel {
namespace {

using reference::ExpectSameRun;
using reference::FastRun;
using reference::RunFast;

constexpr uint128 kTen15 = 1000000000000000;
constexpr uint128 kMax96 = (uint128{1} << 96) - 1;

FastRun RunPrimes(uint128 from, uint128 to, PathButton path) {
    return RunFast([&](ResultSink& sink, const ProgressFn& progress) {
        return PrimesRun(PrimesBounds{from, to, path}, sink, progress);
    });
}

bool FlintIsPrimeOdd(uint128 n) {
    return IsPrimeOddDec(n);
}

struct RunCase {
    const char* name;
    uint128 from;
    uint128 to;
    PathButton path;
    const char* text;
    const char* caption;
    const char* pane_text;  // nullptr: the streamed text is shown
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class PrimesRunExamples : public testing::TestWithParam<RunCase> {};

TEST_P(PrimesRunExamples, WritesTheListAndCount) {
    const RunCase& c = GetParam();
    const FastRun run = RunPrimes(c.from, c.to, c.path);
    EXPECT_EQ(run.text, c.text);
    EXPECT_EQ(run.summary.caption, c.caption);
    EXPECT_EQ(run.summary.pane_text,
              c.pane_text ? std::optional<std::string>(c.pane_text) : std::nullopt);
}

constexpr PathButton kB64 = PathButton::Binary64;
constexpr PathButton kD96 = PathButton::Decimal96;

INSTANTIATE_TEST_SUITE_P(
    Page, PrimesRunExamples,
    testing::Values(RunCase{"From1To7", 1, 7, kB64, "2 3 5 7 ", "共4个", nullptr},
                    RunCase{"From2To8", 2, 8, kB64, "2 3 5 7 ", "共4个", nullptr},
                    RunCase{"From3To9", 3, 9, kB64, "3 5 7 ", "共3个", nullptr},
                    RunCase{"From90To96HasNone", 90, 96, kB64, "", "共0个", "此区间内没有素数"},
                    RunCase{"From1To30UpperEndFinds29", 1, 30, kB64, "2 3 5 7 11 13 17 19 23 29 ",
                            "共10个", nullptr},
                    RunCase{"From11To17AlignmentAndUpperEnd", 11, 17, kB64, "11 13 17 ", "共3个",
                            nullptr},
                    RunCase{"Decimal96MainLoopNumberItems", kTen15, kTen15 + 100, kD96,
                            " 1000000000000037  1000000000000091 ", "共2个", nullptr},
                    RunCase{"Decimal96AlignmentTextItem", kTen15 + 37, kTen15 + 100, kD96,
                            "1000000000000037  1000000000000091 ", "共2个", nullptr},
                    RunCase{"Decimal96SmallStartTextThenNumberItems", 1, 40, kD96,
                            "2 3 5 7  11  13  17  19  23  29  31  37 ", "共12个", nullptr},
                    RunCase{"Decimal96UpperEndTextItem", 1, 29, kD96,
                            "2 3 5 7  11  13  17  19  23 29 ", "共10个", nullptr},
                    RunCase{"LargestDecimal96Window", kMax96 - 200, kMax96, kD96,
                            " 79228162514264337593543950147  79228162514264337593543950171 "
                            " 79228162514264337593543950189  79228162514264337593543950243 "
                            " 79228162514264337593543950249  79228162514264337593543950319 ",
                            "共6个", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Published prime counts, and sums over randomly split intervals equal to the whole.
TEST(PrimesRunCounts, PiOfPowersOfTen) {
    const struct {
        uint128 to;
        std::uint64_t pi;
    } kPi[] = {{10, 4}, {100, 25}, {1000, 168}, {100000, 9592}, {1000000, 78498}};
    for (const auto& row : kPi) {
        SCOPED_TRACE(ToDecimalString(row.to));
        EXPECT_EQ(RunPrimes(1, row.to, kB64).summary.count, row.pi);
    }
}

TEST(PrimesRunCounts, RandomSplitsAddUpToTheWhole) {
    std::mt19937_64 rng(20240601);
    for (int trial = 0; trial < 5; ++trial) {
        std::uint64_t sum = 0;
        uint128 from = 1;
        while (from <= 1000000) {
            uint128 to = from + 6 + rng() % 150000;
            if (to > 1000000 || 1000000 - to < 7) to = 1000000;
            sum += RunPrimes(from, to, trial % 2 ? kD96 : kB64).summary.count;
            from = to + 1;
        }
        EXPECT_EQ(sum, 78498u) << "trial " << trial;
    }
}

// The fast search against the literal page loop with trial division.
TEST(PrimesRunDifferential, SeededRandomSmallIntervals) {
    std::mt19937_64 rng(7);
    for (int trial = 0; trial < 400; ++trial) {
        const uint128 from = trial < 200 ? 1 + rng() % 200 : 1 + rng() % 100000000;
        const uint128 to = from + 6 + rng() % (trial < 300 ? 300 : 20000);
        const PathButton path = trial % 2 ? kD96 : kB64;
        SCOPED_TRACE(ToDecimalString(from) + ".." + ToDecimalString(to));
        ExpectSameRun(
            RunPrimes(from, to, path),
            reference::Primes(from, to, path == kD96, reference::TrialDivisionIsPrimeOdd));
    }
}

TEST(PrimesRunDifferential, EveryStartAndWidthNearTheSmallEnd) {
    for (uint128 from = 1; from <= 40; ++from) {
        for (uint128 to = from + 6; to <= from + 30; ++to) {
            SCOPED_TRACE(ToDecimalString(from) + ".." + ToDecimalString(to));
            ExpectSameRun(RunPrimes(from, to, kD96),
                          reference::Primes(from, to, true, reference::TrialDivisionIsPrimeOdd));
        }
    }
}

// Around the boundaries of the number types the page's loop runs with the proven test.
TEST(PrimesRunDifferential, AroundTypeBoundaries) {
    const struct {
        const char* name;
        uint128 centre;
    } kCentres[] = {{"2^32", uint128{1} << 32},       {"2^53", uint128{1} << 53},
                    {"SmallLimit", kTen15 - 1},       {"2^63", uint128{1} << 63},
                    {"2^64", uint128{1} << 64},       {"2^64+2^17", (uint128{1} << 64) + (1 << 18)},
                    {"10^28", kTen15 * kTen15 / 100}, {"2^96-1", kMax96 - 601}};
    for (const auto& row : kCentres) {
        for (const PathButton path : {kB64, kD96}) {
            SCOPED_TRACE(row.name);
            const uint128 from = row.centre - 600;
            const uint128 to = std::min(row.centre + 600, kMax96);
            ExpectSameRun(RunPrimes(from, to, path),
                          reference::Primes(from, to, path == kD96, &FlintIsPrimeOdd));
        }
    }
}

// Check phase: messages and what the page does with its fields.
enum class Reset {
    ClearAll,    // fields and pane emptied, focus to the lower field
    RaiseUpper,  // the upper field := lower + 6
    OverLimit,   // fields emptied upper first, focus to the lower field
};

struct CheckCase {
    const char* name;
    PathButton button;
    const char* from;
    const char* to;
    // Accepted bounds, or the rejection's title and reset.
    bool accepted;
    uint128 want_from;
    uint128 want_to;
    const char* title;
    Reset reset;
    const char* upper_text;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class PrimesCheckTable : public testing::TestWithParam<CheckCase> {};

TEST_P(PrimesCheckTable, AcceptsOrRejectsAsThePage) {
    const CheckCase& c = GetParam();
    const PrimesChecked result = PrimesCheck(c.button, c.from, c.to);
    if (c.accepted) {
        const auto* bounds = std::get_if<PrimesBounds>(&result);
        ASSERT_NE(bounds, nullptr);
        EXPECT_TRUE(bounds->from == c.want_from && bounds->to == c.want_to)
            << ToDecimalString(bounds->from) << ".." << ToDecimalString(bounds->to);
        EXPECT_EQ(bounds->path, c.button);
        return;
    }
    const auto* rejection = std::get_if<Rejection>(&result);
    ASSERT_NE(rejection, nullptr);
    if (c.title == nullptr) {  // nothing happens at all
        EXPECT_FALSE(rejection->message.has_value());
        EXPECT_EQ(rejection->effect, FieldEffect::None);
        return;
    }
    ASSERT_TRUE(rejection->message.has_value());
    EXPECT_EQ(rejection->message->title, c.title);
    EXPECT_EQ(rejection->message->icon, MessageIcon::Exclamation);
    if (c.reset == Reset::ClearAll) {
        EXPECT_EQ(rejection->message->text, "请输入两个正整数!\r并且两数至少相差6.");
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
        EXPECT_TRUE(rejection->empty_pane);
    }
    if (c.reset == Reset::RaiseUpper) {
        EXPECT_EQ(rejection->message->text, "下边的数要比上边的至少大6");
        EXPECT_EQ(rejection->effect, FieldEffect::RewriteLast);
        EXPECT_EQ(rejection->text, c.upper_text);
        EXPECT_EQ(rejection->focus, FocusAfter::Stays);
        EXPECT_FALSE(rejection->empty_pane);
    }
    if (c.reset == Reset::OverLimit) {
        EXPECT_EQ(rejection->message, OverLimitMessage());
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAllBackward);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
        EXPECT_FALSE(rejection->empty_pane);
    }
}

constexpr Reset kClear = Reset::ClearAll;

INSTANTIATE_TEST_SUITE_P(
    Fields, PrimesCheckTable,
    testing::Values(
        CheckCase{"OneToSeven", kB64, "1", "7", true, 1, 7, nullptr, kClear, nullptr},
        CheckCase{"LeadingNumeralRead", kB64, "12abc", "30", true, 12, 30, nullptr, kClear,
                  nullptr},
        CheckCase{"DifferenceFive", kB64, "10", "15", false, 0, 0, "重新输入!", kClear, nullptr},
        CheckCase{"FromZero", kB64, "0", "10", false, 0, 0, "重新输入!", kClear, nullptr},
        CheckCase{"FromFraction", kB64, "1.5", "10", false, 0, 0, "重新输入!", kClear, nullptr},
        CheckCase{"BothEmpty", kB64, "", "", false, 0, 0, "重新输入!", kClear, nullptr},
        CheckCase{"Binary64LargeReadExactly", kB64, "5x", "10000000000000001", true, 5,
                  10000000000000001ULL, nullptr, kClear, nullptr},
        // The numeral before the letter is read exactly, as page 0 reads it.
        CheckCase{"Binary64NumeralBeforeTextReadExactly", kB64, "5", "10000000000000001x", true, 5,
                  10000000000000001ULL, nullptr, kClear, nullptr},
        CheckCase{"Binary64FractionRoundingToWholeRefused", kB64, "1",
                  "9999999999.9999999999999999977", false, 0, 0, "重新输入!", kClear, nullptr},
        CheckCase{"Binary64BeyondLimit", kB64, "5x", "1e30", false, 0, 0, "输入超限",
                  Reset::OverLimit, nullptr},
        CheckCase{"Decimal96Accepted", kD96, "1000000000000000", "1000000000000100", true, kTen15,
                  kTen15 + 100, nullptr, kClear, nullptr},
        CheckCase{"Decimal96DifferenceFive", kD96, "1000000000000000", "1000000000000005", false, 0,
                  0, "重新输入", Reset::RaiseUpper, "1000000000000006"},
        CheckCase{"Decimal96UpperBelowLower", kD96, "1000000000000000", "-3", false, 0, 0,
                  "重新输入", Reset::RaiseUpper, "1000000000000006"},
        CheckCase{"Decimal96NotANumber", kD96, "1000000000000000x", "1000000000000100", false, 0, 0,
                  "重新输入!", kClear, nullptr},
        CheckCase{"Decimal96Fraction", kD96, "1000000000000000.5", "1000000000000100", false, 0, 0,
                  "重新输入!", kClear, nullptr},
        CheckCase{"Decimal96EmptyDoesNothing", kD96, "", "1000000000000100", false, 0, 0, nullptr,
                  kClear, nullptr},
        CheckCase{"Decimal96RaiseBeyondLimit", kD96, "79228162514264337593543950330",
                  "79228162514264337593543950335", false, 0, 0, "重新输入", Reset::RaiseUpper,
                  "79228162514264337593543950336"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel
