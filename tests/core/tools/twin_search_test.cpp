#include "core/tools/twin_search.h"

#include <gtest/gtest.h>

#include <random>

#include "core/input/pick_path.h"
#include "core/nt/primality.h"
#include "reference_search.h"
#include "reference_search_check.h"

namespace numerel {
namespace {

using reference::ExpectSameRun;
using reference::FastRun;
using reference::RunFast;

FastRun RunTwins(uint128 from, uint128 to) {
    return RunFast([&](ResultSink& sink, const ProgressFn& progress) {
        return TwinsRun(TwinsBounds{from, to}, sink, progress);
    });
}

bool FlintIsPrimeOdd(uint128 n) {
    return IsPrimeOddDec(n);
}

struct RunCase {
    const char* name;
    uint128 from;
    uint128 to;
    const char* text;
    const char* caption;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class TwinsRunExamples : public testing::TestWithParam<RunCase> {};

TEST_P(TwinsRunExamples, WritesThePairsAndCount) {
    const RunCase& c = GetParam();
    const FastRun run = RunTwins(c.from, c.to);
    EXPECT_EQ(run.text, c.text);
    EXPECT_EQ(run.summary.caption, c.caption);
    if (run.summary.count == 0) {
        EXPECT_EQ(run.summary.pane_text, std::optional<std::string>("此区间内没有孪生素数对"));
    } else {
        EXPECT_FALSE(run.summary.pane_text.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Page, TwinsRunExamples,
    testing::Values(RunCase{"From2To7", 2, 7, "(3,5)(5,7)", "共2对"},
                    RunCase{"From3To20", 3, 20, "(3,5)(5,7)(11,13)(17,19)", "共4对"},
                    RunCase{"From4To13", 4, 13, "(5,7)(11,13)", "共2对"},
                    RunCase{"From5To7", 5, 7, "(5,7)", "共1对"},
                    RunCase{"From2To5OnlyTheFirstFits", 2, 5, "(3,5)", "共1对"},
                    RunCase{"From2To4None", 2, 4, "", "共0对"},
                    RunCase{"From6To12ScanStartsBeyond", 6, 12, "", "共0对"},
                    RunCase{"From100To110", 100, 110, "(101,103)(107,109)", "共2对"},
                    RunCase{"AboveTwoTo64", (uint128{1} << 64) + 1000, (uint128{1} << 64) + 6000,
                            "(18446744073709554149,18446744073709554151)", "共1对"}),
    [](const auto& info) { return std::string(info.param.name); });

// Published twin-pair counts, and random splits adding up to the whole.
TEST(TwinsRunCounts, PairsBelowPowersOfTen) {
    const struct {
        uint128 to;
        std::uint64_t pairs;
    } kPairs[] = {{1000, 35}, {100000, 1224}, {1000000, 8169}, {10000000, 58980}};
    for (const auto& row : kPairs) {
        SCOPED_TRACE(ToDecimalString(row.to));
        EXPECT_EQ(RunTwins(2, row.to).summary.count, row.pairs);
    }
}

TEST(TwinsRunCounts, RandomSplitsAddUpToTheWhole) {
    std::mt19937_64 rng(99);
    for (int trial = 0; trial < 5; ++trial) {
        std::uint64_t sum = 0;
        uint128 from = 2;
        while (from <= 1000000) {
            // Cut after some 6k + 3: neither it nor the number below starts a pair, so no pair
            // straddles the cut.
            uint128 to = from + 2 + rng() % 200000;
            to += (9 - to % 6) % 6;
            if (to > 1000000 || 1000000 - to < 3) to = 1000000;
            sum += RunTwins(from, to).summary.count;
            from = to + 1;
        }
        EXPECT_EQ(sum, 8169u) << "trial " << trial;
    }
}

TEST(TwinsRunDifferential, SeededRandomSmallIntervals) {
    std::mt19937_64 rng(11);
    for (int trial = 0; trial < 400; ++trial) {
        const uint128 from = trial < 200 ? 2 + rng() % 100 : 2 + rng() % 100000000;
        const uint128 to = from + 2 + rng() % (trial < 300 ? 200 : 20000);
        SCOPED_TRACE(ToDecimalString(from) + ".." + ToDecimalString(to));
        ExpectSameRun(RunTwins(from, to),
                      reference::Twins(from, to, reference::TrialDivisionIsPrimeOdd));
    }
}

TEST(TwinsRunDifferential, EveryStartAndWidthNearTheSmallEnd) {
    for (uint128 from = 2; from <= 40; ++from) {
        for (uint128 to = from + 2; to <= from + 40; ++to) {
            SCOPED_TRACE(ToDecimalString(from) + ".." + ToDecimalString(to));
            ExpectSameRun(RunTwins(from, to),
                          reference::Twins(from, to, reference::TrialDivisionIsPrimeOdd));
        }
    }
}

TEST(TwinsRunDifferential, AroundTypeBoundaries) {
    constexpr uint128 kMax96 = (uint128{1} << 96) - 1;
    const struct {
        const char* name;
        uint128 from;
    } kStarts[] = {{"2^53", uint128{1} << 53},
                   {"SmallLimit", 999999999999000},
                   {"2^64", (uint128{1} << 64) - 3000},
                   {"2^96", kMax96 - 6000}};
    for (const auto& row : kStarts) {
        SCOPED_TRACE(row.name);
        const uint128 to = std::min(row.from + 6000, kMax96);
        ExpectSameRun(RunTwins(row.from, to), reference::Twins(row.from, to, &FlintIsPrimeOdd));
    }
}

TEST(TwinsRunProgress, OneCandidateFillsTheBar) {
    // [11, 13]: x0 = 11 = b - 2, one candidate.
    const FastRun run = RunTwins(11, 13);
    EXPECT_EQ(run.text, "(11,13)");
    EXPECT_EQ(run.progress, std::vector<double>{1.0});
}

struct CheckCase {
    const char* name;
    const char* from;
    const char* to;
    bool accepted;
    uint128 want_from;
    uint128 want_to;
    bool over_limit;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class TwinsCheckTable : public testing::TestWithParam<CheckCase> {};

TEST_P(TwinsCheckTable, AcceptsOrRejectsAsThePage) {
    const CheckCase& c = GetParam();
    const TwinsChecked result = TwinsCheck(c.from, c.to);
    if (c.accepted) {
        const auto* bounds = std::get_if<TwinsBounds>(&result);
        ASSERT_NE(bounds, nullptr);
        EXPECT_TRUE(bounds->from == c.want_from && bounds->to == c.want_to)
            << ToDecimalString(bounds->from) << ".." << ToDecimalString(bounds->to);
        return;
    }
    const auto* rejection = std::get_if<Rejection>(&result);
    ASSERT_NE(rejection, nullptr);
    const Message expected = c.over_limit
                                 ? OverLimitMessage(InputLimit::Digits1000)
                                 : Message{"请输入两个≥2的整数!\r两数至少相差2.", "重新输入!",
                                           MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(rejection->message, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TwinsCheckTable,
    testing::Values(
        CheckCase{"From2To4", "2", "4", true, 2, 4, false},
        CheckCase{"LeadingNumeralRead", "12abc", "20", true, 12, 20, false},
        CheckCase{"From2To3", "2", "3", false, 0, 0, false},
        CheckCase{"From1To10", "1", "10", false, 0, 0, false},
        CheckCase{"FractionalFrom", "2.5", "10", false, 0, 0, false},
        CheckCase{"BothEmpty", "", "", false, 0, 0, false},
        CheckCase{"AboveSmallLimitReadExactly", "10000000000000001", "10000000000000061", true,
                  10000000000000001ULL, 10000000000000061ULL, false},
        CheckCase{"NumeralBeforeTextReadExactly", "10000000000000001x", "10000000000000061", true,
                  10000000000000001ULL, 10000000000000061ULL, false},
        CheckCase{"LargestInput", "79228162514264337593543950000", "79228162514264337593543950335",
                  true, (uint128{1} << 96) - 336, (uint128{1} << 96) - 1, false},
        CheckCase{"BeyondLimit", "2", "79228162514264337593543950336", false, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel
