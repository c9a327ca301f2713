#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/tools/divisors_search.h"
#include "reference_factor.h"

namespace numerel {
namespace {

struct Result {
    std::string text;
    std::string summary;
};

DivisorsInput Accepted(PathButton path, const char* from, const char* to, bool perfect_only) {
    const DivisorsChecked checked = DivisorsCheck(path, from, to, perfect_only);
    EXPECT_TRUE(std::holds_alternative<DivisorsInput>(checked));
    return std::get<DivisorsInput>(checked);
}

Result Search(const DivisorsInput& input, std::vector<double>* progress = nullptr) {
    StringSink sink;
    ProgressFn report;
    if (progress) report = [progress](double f) { progress->push_back(f); };
    const DivisorsOutcome outcome = DivisorsRun(input, sink, report);
    return {sink.Text(), outcome.summary};
}

Result Search(PathButton path, const char* from, const char* to, bool perfect_only) {
    return Search(Accepted(path, from, to, perfect_only));
}

struct PageCase {
    const char* name;
    PathButton path;
    const char* from;
    const char* to;
    bool perfect_only;
    const char* text;
    const char* summary;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class DivisorsExamples : public testing::TestWithParam<PageCase> {};

TEST_P(DivisorsExamples, WriteTheListAndTheSummary) {
    const PageCase& c = GetParam();
    const Result result = Search(c.path, c.from, c.to, c.perfect_only);
    EXPECT_EQ(result.text, c.text);
    EXPECT_EQ(result.summary, c.summary);
}

constexpr PathButton kB64 = PathButton::Binary64;
constexpr PathButton kD96 = PathButton::Decimal96;

INSTANTIATE_TEST_SUITE_P(
    Examples, DivisorsExamples,
    testing::Values(
        PageCase{"SixAndSeven", kB64, "6", "7", false,
                 " 6 的因数有:(1,6)(2,3)●6是完全数\r\n\r\n 7 的因数有:(1,7)\r\n", "6、共1个"},
        PageCase{"SevenAndEight", kB64, "7", "8", false,
                 " 7 的因数有:(1,7)\r\n 8 的因数有:(1,8)(2,4)\r\n", "共0个"},
        PageCase{"NineRepairedToTen", kB64, "9", "9", false,
                 " 9 的因数有:(1,9)(3,3)\r\n 10 的因数有:(1,10)(2,5)\r\n", "共0个"},
        PageCase{"PerfectOnlyOneToThirty", kB64, "1", "30", true, "●6是完全数\r\n●28是完全数\r\n",
                 "6、28、共2个"},
        PageCase{"PerfectOnlyToFiveHundred", kB64, "1", "500", true,
                 "●6是完全数\r\n●28是完全数\r\n●496是完全数\r\n", "6、28、496、共3个"},
        PageCase{"EmptyFields", kB64, "", "", false, " 2 的因数有:(1,2)\r\n 3 的因数有:(1,3)\r\n",
                 "共0个"},
        PageCase{"PerfectOnlyNone", kB64, "29", "495", true, "", "共0个"},
        PageCase{"LargePathSeparator", kD96, "1", "30", true, "●6是完全数\r\n●28是完全数\r\n",
                 "6,28,共2个"},
        PageCase{"Perfect8128", kB64, "8100", "8200", true, "●8128是完全数\r\n", "8128、共1个"},
        PageCase{"Perfect33550336", kB64, "33550000", "33551000", true, "●33550336是完全数\r\n",
                 "33550336、共1个"},
        PageCase{"Perfect8589869056", kB64, "8589869000", "8589870000", true,
                 "●8589869056是完全数\r\n", "8589869056、共1个"},
        PageCase{"Perfect137438691328", kB64, "137438691300", "137438691400", true,
                 "●137438691328是完全数\r\n", "137438691328、共1个"},
        PageCase{"Perfect2305843008139952128", kD96, "2305843008139952100", "2305843008139952150",
                 true, "●2305843008139952128是完全数\r\n", "2305843008139952128,共1个"}),
    [](const auto& info) { return std::string(info.param.name); });

// The largest input: the upper bound is repaired to 2^96, one above the fields' limit, and both
// numbers are listed exactly.
TEST(DivisorsLargest, TopOfTheRangeIsListedExactly) {
    const DivisorsInput input =
        Accepted(kD96, "79228162514264337593543950334", "79228162514264337593543950335", false);
    const Result result = Search(input);
    const std::size_t line_end = result.text.find("\r\n");
    ASSERT_NE(line_end, std::string::npos);
    const std::string line2 = result.text.substr(line_end + 2);
    const std::string second =
        " 79228162514264337593543950335 的因数有:(1,79228162514264337593543950335)"
        "(3,26409387504754779197847983445)(5,15845632502852867518708790067)";
    EXPECT_EQ(line2.substr(0, second.size()), second);
    // 3^2 and eleven other primes: 3 * 2^11 divisors, half of them up to the root.
    EXPECT_EQ(std::count(line2.begin(), line2.end(), '('), 3072);
    EXPECT_TRUE(line2.ends_with(")\r\n"));
    EXPECT_EQ(result.summary, "共0个");
}

// Repairing [2^96 - 1, 2^96 - 1] would put 2^96 into the upper field, beyond this check's 29
// digits, on both buttons (the page asks DivisorsCheckBig first, which runs such bounds).
TEST(DivisorsLargest, RepairPastTheTopIsTurnedAway) {
    for (const auto& [path, from, to] :
         {std::tuple{kD96, "79228162514264337593543950335", "79228162514264337593543950335"},
          std::tuple{PathButton::Binary64, "79228162514264337593543950335x", "1"}}) {
        SCOPED_TRACE(from);
        const DivisorsChecked checked = DivisorsCheck(path, from, to, false);
        ASSERT_TRUE(std::holds_alternative<Rejection>(checked));
        EXPECT_EQ(std::get<Rejection>(checked).message, OverLimitMessage());
        EXPECT_EQ(std::get<Rejection>(checked).effect, FieldEffect::EmptyAllBackward);
    }
}

struct RepairCase {
    const char* name;
    PathButton path;
    const char* from;
    const char* to;
    const char* from_text;  // "" when unchanged
    const char* to_text;
};

void PrintTo(const RepairCase& c, std::ostream* os) {
    *os << c.name;
}

class DivisorsRepairs : public testing::TestWithParam<RepairCase> {};

TEST_P(DivisorsRepairs, AreShownInTheFields) {
    const RepairCase& c = GetParam();
    const DivisorsInput input = Accepted(c.path, c.from, c.to, false);
    EXPECT_EQ(input.from_text.value_or(""), c.from_text);
    EXPECT_EQ(input.to_text.value_or(""), c.to_text);
}

INSTANTIATE_TEST_SUITE_P(Bounds, DivisorsRepairs,
                         testing::Values(RepairCase{"LowerOne", kB64, "1", "30", "2", ""},
                                         RepairCase{"LowerZero", kB64, "0", "30", "2", ""},
                                         RepairCase{"Reversed", kB64, "10", "4", "", "11"},
                                         RepairCase{"Equal", kB64, "9", "9", "", "10"},
                                         RepairCase{"BothEmpty", kB64, "", "", "2", "3"},
                                         RepairCase{"NegativeLower", kB64, "-5", "3", "2", ""},
                                         RepairCase{"NegativeBoth", kB64, "-5", "-3", "2", "3"},
                                         RepairCase{"Untouched", kB64, "6", "7", "", ""},
                                         RepairCase{"LargeNegativeLower", kD96, "-1e20",
                                                    "10000000000000000", "2", ""},
                                         RepairCase{"LargeReversed", kD96, "10000000000000000", "5",
                                                    "", "10000000000000001"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    PathButton path;
    const char* from;
    const char* to;
    bool over_limit;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

class Rejections : public testing::TestWithParam<RejectCase> {};

TEST_P(Rejections, ShowAMessageInsteadOfRunning) {
    const RejectCase& c = GetParam();
    const DivisorsChecked checked = DivisorsCheck(c.path, c.from, c.to, false);
    const auto* rejection = std::get_if<Rejection>(&checked);
    ASSERT_NE(rejection, nullptr);
    if (c.over_limit) {
        EXPECT_EQ(rejection->message, OverLimitMessage());
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAllBackward);
    } else {
        EXPECT_EQ(rejection->message, (Message{"请输入两个整数!", "输入错误",
                                               MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(rejection->effect, FieldEffect::None);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Rejections,
    testing::Values(RejectCase{"LowerFraction", kB64, "2.5", "10", false},
                    RejectCase{"UpperFraction", kB64, "2", "10.5", false},
                    RejectCase{"NegativeFraction", kB64, "-0.5", "10", false},
                    RejectCase{"ExactFractionAboveSmallLimit", kB64, "10000000000000000.5x", "3",
                               false},
                    RejectCase{"LargeNotANumber", kD96, "abc", "10000000000000000", false},
                    RejectCase{"LargeTrailingLetters", kD96, "2", "10000000000000000x", false},
                    RejectCase{"LargeFraction", kD96, "10000000000000000.5", "2", false},
                    RejectCase{"TrailingLettersBeyondLimit", kB64, "1e30x", "2", true},
                    RejectCase{"LargeOverflow", kD96, "2", "79228162514264337593543950336", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A binary64 bound above SmallLimit arrives only with trailing characters; it is read exactly.
TEST(DivisorsCheck, BinaryBoundAboveSmallLimitIsReadExactly) {
    const DivisorsInput input = Accepted(kB64, "9007199254740993x", "9007199254740994x", false);
    EXPECT_TRUE(input.from == 9007199254740993u);
    EXPECT_TRUE(input.to == 9007199254740994u);
    EXPECT_EQ(Search(input).text,
              " 9007199254740993 的因数有:(1,9007199254740993)(3,3002399751580331)"
              "(107,84179432287299)(321,28059810762433)\r\n"
              " 9007199254740994 的因数有:(1,9007199254740994)(2,4503599627370497)"
              "(17,529835250278882)(34,264917625139441)(858001,10497888994)"
              "(1716002,5248944497)(14586017,617522882)(29172034,308761441)\r\n");
}

struct Window {
    const char* name;
    std::uint64_t a, b;
};

void PrintTo(const Window& c, std::ostream* os) {
    *os << c.name;
}

class DivisorsDifferential : public testing::TestWithParam<Window> {};

// Both modes write what the page's loop writes, squares (whose root pairs with itself) included.
TEST_P(DivisorsDifferential, MatchesTheLiteralLoop) {
    const Window& w = GetParam();
    for (const bool perfect_only : {false, true}) {
        SCOPED_TRACE(perfect_only ? "perfect only" : "full");
        DivisorsInput input;
        input.from = w.a;
        input.to = w.b;
        input.perfect_only = perfect_only;
        const Result result = Search(input);
        const reference::LiteralDivisorsRun literal =
            reference::LiteralDivisors(w.a, w.b, perfect_only, "、");
        EXPECT_EQ(result.text, literal.text);
        EXPECT_EQ(result.summary, literal.summary);
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DivisorsDifferential,
                         testing::Values(Window{"TwoTo10000", 2, 10000},
                                         Window{"AroundAMillionSquared", 999990, 1000010},
                                         Window{"AroundTenTo12", 999999999990, 1000000000010},
                                         Window{"HighlyComposite", 963761198390, 963761198410}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DivisorsDifferentialRandom, SeededWindowsBelow10To10) {
    std::mt19937_64 random(99);
    std::uniform_int_distribution<std::uint64_t> pick(2, 9999999000);
    for (int i = 0; i < 10; ++i) {
        DivisorsInput input;
        input.from = pick(random);
        input.to = input.from + 20;
        SCOPED_TRACE(std::to_string(static_cast<std::uint64_t>(input.from)));
        const reference::LiteralDivisorsRun literal =
            reference::LiteralDivisors(static_cast<std::uint64_t>(input.from),
                                       static_cast<std::uint64_t>(input.to), false, "、");
        const Result result = Search(input);
        EXPECT_EQ(result.text, literal.text);
        EXPECT_EQ(result.summary, literal.summary);
    }
}

TEST(DivisorsProgress, OncePerNumber) {
    std::vector<double> progress;
    Search(Accepted(kB64, "2", "12", true), &progress);
    ASSERT_EQ(progress.size(), 11u);
    for (std::size_t i = 0; i < progress.size(); ++i)
        EXPECT_DOUBLE_EQ(progress[i], static_cast<double>(i) / 10.0);
}

}  // namespace
}  // namespace numerel
