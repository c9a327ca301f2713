#include "core/tools/goldbach.h"

#include <gtest/gtest.h>

#include "core/nt/primality.h"
#include "reference_search.h"
#include "reference_search_check.h"

namespace numerel {
namespace {

using reference::ExpectSameRun;
using reference::FastRun;
using reference::RunFast;

enum class Tool { Even, Odd };

FastRun RunTool(Tool tool, uint128 n, std::string typed, GoldbachOptions options) {
    const GoldbachRequest request{n, std::move(typed), options};
    return RunFast([&](ResultSink& sink, const ProgressFn& progress) {
        return tool == Tool::Even ? GoldbachEvenRun(request, sink, progress)
                                  : GoldbachOddRun(request, sink, progress);
    });
}

FastRun RunTool(Tool tool, uint128 n, bool one_result) {
    return RunTool(tool, n, ToDecimalString(n), GoldbachOptions{one_result, false});
}

bool FlintIsPrimeOdd(uint128 n) {
    return IsPrimeOddDec(n);
}

constexpr uint128 kTen15 = 1000000000000000;

struct RunCase {
    const char* name;
    Tool tool;
    uint128 n;
    const char* typed;  // nullptr: n's digits
    GoldbachOptions options;
    const char* text;
    const char* caption;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldbachRunExamples : public testing::TestWithParam<RunCase> {};

TEST_P(GoldbachRunExamples, WritesThePartitionsAndCount) {
    const RunCase& c = GetParam();
    const FastRun run = RunTool(c.tool, c.n, c.typed ? c.typed : ToDecimalString(c.n), c.options);
    EXPECT_EQ(run.text, c.text);
    EXPECT_EQ(run.summary.caption, c.caption);
    EXPECT_FALSE(run.summary.pane_text.has_value());
}

constexpr GoldbachOptions kAll{false, false};
constexpr GoldbachOptions kOne{true, false};
constexpr GoldbachOptions kOneWithProgress{true, true};
constexpr GoldbachOptions kAllWithProgress{false, true};

INSTANTIATE_TEST_SUITE_P(
    Page, GoldbachRunExamples,
    testing::Values(
        RunCase{"Even18", Tool::Even, 18, nullptr, kAll, "18=5+13\r\n18=7+11\r\n", "共2种"},
        RunCase{"Even100", Tool::Even, 100, nullptr, kAll,
                "100=3+97\r\n100=11+89\r\n100=17+83\r\n100=29+71\r\n100=41+59\r\n100=47+53\r\n",
                "共6种"},
        RunCase{"Even100OneResult", Tool::Even, 100, nullptr, kOne, "100=3+97\r\n", "共1种"},
        RunCase{"Even16DigitsOneResult", Tool::Even, kTen15, nullptr, kOne,
                "1000000000000000=11+999999999999989\r\n", "共1种"},
        RunCase{"TypedLeftSideWithBothBoxes", Tool::Even, 18, "0018", kOneWithProgress,
                "0018=5+13\r\n", "共1种"},
        RunCase{"DigitsLeftSideWithOneResultOnly", Tool::Even, 18, "0018", kOne, "18=5+13\r\n",
                "共1种"},
        RunCase{"DigitsLeftSideWithProgressOnly", Tool::Even, 18, "0018", kAllWithProgress,
                "18=5+13\r\n18=7+11\r\n", "共2种"},
        RunCase{"LargestEvenOneResult", Tool::Even, (uint128{1} << 96) - 2, nullptr, kOne,
                "79228162514264337593543950334=163+79228162514264337593543950171\r\n", "共1种"},
        RunCase{"Odd9", Tool::Odd, 9, nullptr, kAll, "9=3+3+3\r\n", "共1种"},
        RunCase{"Odd15", Tool::Odd, 15, nullptr, kAll, "15=3+5+7\r\n15=5+5+5\r\n", "共2种"},
        RunCase{"Odd27", Tool::Odd, 27, nullptr, kAll,
                "27=3+5+19\r\n27=3+7+17\r\n27=3+11+13\r\n27=5+5+17\r\n27=5+11+11\r\n"
                "27=7+7+13\r\n",
                "共6种"},
        RunCase{"Odd16DigitsOneResult", Tool::Odd, kTen15 + 1, nullptr, kOne,
                "1000000000000001=3+421+999999999999577\r\n", "共1种"},
        RunCase{"OddLeftSideAlwaysDigits", Tool::Odd, 9, "009", kOneWithProgress, "9=3+3+3\r\n",
                "共1种"},
        RunCase{"LargestOddOneResult", Tool::Odd, (uint128{1} << 96) - 1, nullptr, kOne,
                "79228162514264337593543950335=3+13+79228162514264337593543950319\r\n", "共1种"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every even n <= 2000 and odd n <= 501, all partitions, against the page's loops with trial
// division: same lines, same count, progress only at values the loops set.
TEST(GoldbachDifferential, EveryEvenUpTo2000) {
    for (uint128 n = 6; n <= 2000; n += 2) {
        SCOPED_TRACE(ToDecimalString(n));
        ExpectSameRun(RunTool(Tool::Even, n, false),
                      reference::GoldbachEven(n, ToDecimalString(n), false,
                                              reference::TrialDivisionIsPrimeOdd));
    }
}

TEST(GoldbachDifferential, EveryOddUpTo501) {
    for (uint128 n = 9; n <= 501; n += 2) {
        SCOPED_TRACE(ToDecimalString(n));
        ExpectSameRun(RunTool(Tool::Odd, n, false),
                      reference::GoldbachOdd(n, false, reference::TrialDivisionIsPrimeOdd));
    }
}

TEST(GoldbachDifferential, OneResultSmallAndLarge) {
    const uint128 kEvens[] = {
        6, 8, 98, 1000, 123456, kTen15, (uint128{1} << 64) + 2, (uint128{1} << 96) - 2};
    for (const uint128 n : kEvens) {
        SCOPED_TRACE(ToDecimalString(n));
        ExpectSameRun(RunTool(Tool::Even, n, true),
                      reference::GoldbachEven(n, ToDecimalString(n), true, &FlintIsPrimeOdd));
    }
    const uint128 kOdds[] = {
        9, 11, 17, 999, 123457, kTen15 + 1, (uint128{1} << 64) + 1, (uint128{1} << 96) - 1};
    for (const uint128 n : kOdds) {
        SCOPED_TRACE(ToDecimalString(n));
        ExpectSameRun(RunTool(Tool::Odd, n, true),
                      reference::GoldbachOdd(n, true, &FlintIsPrimeOdd));
    }
}

TEST(GoldbachCounts, PublishedPartitionCounts) {
    EXPECT_EQ(RunTool(Tool::Even, 100, false).summary.count, 6u);
    EXPECT_EQ(RunTool(Tool::Even, 1000000, false).summary.count, 5402u);
    EXPECT_EQ(RunTool(Tool::Even, 10000000, false).summary.count, 38807u);
}

// Check phase.
struct CheckCase {
    const char* name;
    Tool tool;
    PathButton button;
    const char* text;
    bool accepted;
    uint128 want_n;
    const char* message;  // nullptr: neither accepted nor a message
    bool clears_pane;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldbachCheckTable : public testing::TestWithParam<CheckCase> {};

TEST_P(GoldbachCheckTable, AcceptsOrRejectsAsTheTool) {
    const CheckCase& c = GetParam();
    const GoldbachOptions options{true, true};
    const GoldbachChecked result = c.tool == Tool::Even
                                       ? GoldbachEvenCheck(c.button, c.text, options)
                                       : GoldbachOddCheck(c.button, c.text, options);
    if (c.accepted) {
        const auto* request = std::get_if<GoldbachRequest>(&result);
        ASSERT_NE(request, nullptr);
        EXPECT_TRUE(request->n == c.want_n) << ToDecimalString(request->n);
        EXPECT_EQ(request->typed_text, c.text);
        EXPECT_TRUE(request->options.one_result && request->options.show_progress);
        return;
    }
    const auto* rejection = std::get_if<Rejection>(&result);
    ASSERT_NE(rejection, nullptr);
    EXPECT_EQ(rejection->empty_pane, c.clears_pane);
    if (c.message == nullptr) {
        EXPECT_FALSE(rejection->message.has_value());
        EXPECT_EQ(rejection->effect, FieldEffect::None);
        return;
    }
    const std::string message = c.message;
    const Message expected =
        message == "over"
            ? OverLimitMessage()
            : Message{message, "重新输入", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(rejection->message, expected);
    EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
    EXPECT_EQ(rejection->focus, FocusAfter::First);
}

constexpr PathButton kB64 = PathButton::Binary64;
constexpr PathButton kD96 = PathButton::Decimal96;
constexpr const char* kEvenMessage = "请输入≥6的偶数";
constexpr const char* kOddMessage = "请输入≥9的奇数";

INSTANTIATE_TEST_SUITE_P(
    Fields, GoldbachCheckTable,
    testing::Values(
        CheckCase{"Even18", Tool::Even, kB64, "18", true, 18, nullptr, true},
        CheckCase{"EvenTypedWithZeros", Tool::Even, kB64, "0018", true, 18, nullptr, true},
        CheckCase{"Even4", Tool::Even, kB64, "4", false, 0, kEvenMessage, true},
        CheckCase{"Even6Point5", Tool::Even, kB64, "6.5", false, 0, kEvenMessage, true},
        CheckCase{"EvenEmptyBinary64", Tool::Even, kB64, "", false, 0, kEvenMessage, true},
        CheckCase{"EvenRoundedTextRefused", Tool::Even, kB64, "10000000000000001x", false, 0,
                  kEvenMessage, true},
        CheckCase{"EvenBeyondLimitBinary64", Tool::Even, kB64, "1e30", false, 0, "over", true},
        CheckCase{"EvenDecimal96", Tool::Even, kD96, "1000000000000000", true, kTen15, nullptr,
                  true},
        CheckCase{"EvenDecimal96Odd", Tool::Even, kD96, "1000000000000001", false, 0, kEvenMessage,
                  true},
        CheckCase{"EvenDecimal96Fraction", Tool::Even, kD96, "1000000000000000.5", false, 0,
                  kEvenMessage, true},
        CheckCase{"EvenDecimal96NotANumber", Tool::Even, kD96, "1000000000000000abc", false, 0,
                  kEvenMessage, true},
        CheckCase{"EvenDecimal96EmptyOnlyEmptiesPane", Tool::Even, kD96, "", false, 0, nullptr,
                  true},
        CheckCase{"Odd9", Tool::Odd, kB64, "9", true, 9, nullptr, true},
        CheckCase{"Odd10", Tool::Odd, kB64, "10", false, 0, kOddMessage, true},
        CheckCase{"OddDecimal96", Tool::Odd, kD96, "79228162514264337593543950335", true,
                  (uint128{1} << 96) - 1, nullptr, true},
        CheckCase{"OddDecimal96NotANumber", Tool::Odd, kD96, "1e15x", false, 0, kOddMessage, true},
        CheckCase{"OddDecimal96EmptyDoesNothing", Tool::Odd, kD96, "", false, 0, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel
