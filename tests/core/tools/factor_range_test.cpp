#include "core/tools/factor_range.h"

#include <flint/ulong_extras.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/nt/factor_sieve.h"
#include "reference_factor.h"

namespace numerel {
namespace {

std::string List(std::uint64_t a, std::uint64_t b, std::vector<double>* progress = nullptr) {
    StringSink sink;
    ProgressFn report;
    if (progress) report = [progress](double f) { progress->push_back(f); };
    FactorRangeRun(FactorRangeInput{a, b}, sink, report);
    return sink.Text();
}

struct ListCase {
    const char* name;
    std::uint64_t a, b;
    const char* text;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorRangeExamples : public testing::TestWithParam<ListCase> {};

TEST_P(FactorRangeExamples, ListsOneLinePerNumber) {
    EXPECT_EQ(List(GetParam().a, GetParam().b), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FactorRangeExamples,
    testing::Values(
        ListCase{
            "OneToTwelve", 1, 12,
            "1=既不是素数,也不是合数\r\n2=素数\r\n3=素数\r\n4=2^2\r\n5=素数\r\n6=2×3\r\n7=素数\r\n"
            "8=2^3\r\n9=3^2\r\n10=2×5\r\n11=素数\r\n12=2^2×3\r\n"},
        ListCase{"OneToThree", 1, 3, "1=既不是素数,也不是合数\r\n2=素数\r\n3=素数\r\n"},
        ListCase{"FromThreeFixedLinesThenLoop", 3, 9,
                 "3=素数\r\n4=2^2\r\n5=素数\r\n6=2×3\r\n7=素数\r\n8=2^3\r\n9=3^2\r\n"},
        ListCase{"SevenSquared", 49, 49, "49=7^2\r\n"},
        ListCase{"SevenTimesEleven", 77, 77, "77=7×11\r\n"},
        ListCase{"ElevenSquared", 121, 121, "121=11^2\r\n"},
        ListCase{"TopOfTheRange", 999999999999990, 999999999999999,
                 "999999999999990=2×3^2×5×11×239×4649×909091\r\n"
                 "999999999999991=653×718321×2131907\r\n"
                 "999999999999992=2^3×19×2269×49999×57991\r\n"
                 "999999999999993=3×181×1841620626151\r\n"
                 "999999999999994=2×7^2×421×24237723593\r\n"
                 "999999999999995=5×23×8695652173913\r\n"
                 "999999999999996=2^2×3×307×271444082519\r\n"
                 "999999999999997=599×2131×3733×209861\r\n"
                 "999999999999998=2×499999999999999\r\n"
                 "999999999999999=3^3×31×37×41×271×2906161\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    const char* text2;
    const char* text3;
    bool over_limit;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorRangeRejections : public testing::TestWithParam<CheckCase> {};

TEST_P(FactorRangeRejections, ShowTheBoxOfTheirKind) {
    const FactorRangeChecked checked = FactorRangeCheck(GetParam().text2, GetParam().text3);
    const auto* rejection = std::get_if<Rejection>(&checked);
    ASSERT_NE(rejection, nullptr);
    if (GetParam().over_limit) {
        EXPECT_EQ(rejection->message,
                  (Message{"很抱歉,最大只能到 10^1000-1,\n\r请用“分解一个数”单独分解.", "输入超限",
                           MessageIcon::Information, MessageButtons::Ok}));
        EXPECT_EQ(rejection->effect, FieldEffect::None);
        EXPECT_EQ(rejection->focus, FocusAfter::Stays);
        EXPECT_FALSE(rejection->empty_pane);
    } else {
        EXPECT_EQ(rejection->message, (Message{"您输入的数不能分解,请重新输入.", "输入错误",
                                               MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
        EXPECT_TRUE(rejection->empty_pane);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FactorRangeRejections,
    testing::Values(CheckCase{"UpperOf1001Digits", "1", "1e1000", true},
                    CheckCase{"LowerExpressionOf1001Digits", "10^1000", "1", true},
                    CheckCase{"ReversedBeyondLimit", "5", "1e1000x", true},
                    CheckCase{"HalfAboveSmallLimit", "999999999999999.5", "1e16", false},
                    CheckCase{"ReversedAboveSmallLimit", "1e16", "5", false},
                    CheckCase{"ExpressionWithoutInteger", "2", "10^20/3", false},
                    CheckCase{"Reversed", "5", "3", false}, CheckCase{"Zero", "0", "10", false},
                    CheckCase{"Fraction", "2.5", "10", false},
                    CheckCase{"UpperFraction", "2", "10.5", false},
                    CheckCase{"NoNumerals", "", "", false},
                    CheckCase{"NegativeUpper", "1", "-3", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FactorRangeCheck, AcceptsTheTopAndTrailingCharacters) {
    const FactorRangeChecked top = FactorRangeCheck("999999999999990", "999999999999999");
    ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(top));
    EXPECT_EQ(std::get<FactorRangeInput>(top).from, 999999999999990u);
    EXPECT_EQ(std::get<FactorRangeInput>(top).to, 999999999999999u);
    const FactorRangeChecked trailing = FactorRangeCheck("12abc", "2e1x");
    ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(trailing));
    EXPECT_EQ(std::get<FactorRangeInput>(trailing).from, 12u);
    EXPECT_EQ(std::get<FactorRangeInput>(trailing).to, 20u);
    EXPECT_FALSE(std::get<FactorRangeInput>(trailing).big);
}

// Above SmallLimit the bounds are the exact values typed, with trailing text ignored as below it.
TEST(FactorRangeCheck, ReadsLargeBoundsExactly) {
    struct Row {
        const char* from_text;
        const char* to_text;
        const char* from;
        std::string to;
    };
    for (const Row& row :
         {Row{"12345678901234567890abc", "12345678901234567891", "12345678901234567890",
              "12345678901234567891"},
          Row{"999999999999999", "1000000000000000", "999999999999999", "1000000000000000"},
          Row{"2^96-1", "(2^61-1)*(2^89-1)", "79228162514264337593543950335",
              "1427247692705959880439315947500961989719490561"},
          Row{"1", "10^1000-1", "1", std::string(1000, '9')}}) {
        SCOPED_TRACE(row.to_text);
        const FactorRangeChecked checked = FactorRangeCheck(row.from_text, row.to_text);
        ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(checked));
        const auto& big = std::get<FactorRangeInput>(checked).big;
        ASSERT_TRUE(big);
        EXPECT_EQ(big->from.get_str(), row.from);
        EXPECT_EQ(big->to.get_str(), row.to);
    }
}

struct Window {
    const char* name;
    std::uint64_t a, b;
};

void PrintTo(const Window& c, std::ostream* os) {
    *os << c.name;
}

class FactorRangeDifferential : public testing::TestWithParam<Window> {};

// Text and progress values equal the page's own trial division.
TEST_P(FactorRangeDifferential, MatchesTheLiteralLoop) {
    std::vector<double> progress, literal_progress;
    EXPECT_EQ(List(GetParam().a, GetParam().b, &progress),
              reference::LiteralFactorRange(GetParam().a, GetParam().b, &literal_progress));
    EXPECT_EQ(progress, literal_progress);
}

INSTANTIATE_TEST_SUITE_P(Windows, FactorRangeDifferential,
                         testing::Values(Window{"OneTo20000", 1, 20000},
                                         Window{"FiveTo5000", 5, 5000}, Window{"EightTo8", 8, 8},
                                         Window{"AroundAMillion", 999000, 1001000},
                                         Window{"NearTenTo12", 999999999000, 999999999400},
                                         Window{"NearTenTo10", 10000000000, 10000002000},
                                         Window{"SquareOfAPrime", 994009, 994009}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FactorRangeDifferentialRandom, SeededWindowsBelow10To12) {
    std::mt19937_64 random(1234);
    std::uniform_int_distribution<std::uint64_t> pick(1, 999999999000);
    for (int i = 0; i < 20; ++i) {
        const std::uint64_t a = pick(random);
        const std::uint64_t b = a + 40;
        SCOPED_TRACE(std::to_string(a));
        EXPECT_EQ(List(a, b), reference::LiteralFactorRange(a, b));
    }
}

TEST(FactorRangeProgress, SinglePrimeFillsTheBar) {
    std::vector<double> progress;
    EXPECT_EQ(List(999999999999989, 999999999999989, &progress), "999999999999989=素数\r\n");
    EXPECT_EQ(progress, std::vector<double>{1.0});
    progress.clear();
    // The fixed line of 7 leaves a' = 8 > b: the main loop covers nothing and reports nothing.
    EXPECT_EQ(List(7, 7, &progress), "7=素数\r\n");
    EXPECT_TRUE(progress.empty());
}

// The sieve and one factorization per number report the same primes, across segment borders
// (a segment holds 2^18 numbers) and where the interval starts below the sieving primes.
TEST(ForEachPrimeDivisors, SieveAgreesWithPerNumberFactoring) {
    const Window windows[] = {{"FromOne", 1, 100000},
                              {"AcrossSegments", 1000000000, 1000300000},
                              {"NearSmallLimit", 999999999000000, 999999999001000}};
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        std::vector<std::uint64_t> sieved, factored;
        std::uint64_t expected_n = w.a;
        // Each number as its full list of distinct primes, after checking the visit's contract.
        const auto collect = [&](std::vector<std::uint64_t>& out) {
            return [&out, &expected_n](std::uint64_t n, std::span<const std::uint64_t> primes) {
                ASSERT_EQ(n, expected_n++);
                out.push_back(0);  // a separator between numbers
                std::uint64_t c = n, previous = 1;
                for (const std::uint64_t p : primes) {
                    ASSERT_TRUE(p > previous && p != n && n % p == 0) << n << " lists " << p;
                    previous = p;
                    while (c % p == 0) c /= p;
                    out.push_back(p);
                }
                if (c > 1) {
                    ASSERT_TRUE(n_is_prime(c)) << n << " leaves " << c;
                    out.push_back(c);
                }
            };
        };
        ForEachPrimeDivisors(w.a, w.b, collect(sieved), SieveStrategy::Segmented);
        EXPECT_EQ(expected_n, w.b + 1);
        expected_n = w.a;
        ForEachPrimeDivisors(w.a, w.b, collect(factored), SieveStrategy::PerNumber);
        EXPECT_EQ(sieved, factored);
    }
}

}  // namespace
}  // namespace numerel
