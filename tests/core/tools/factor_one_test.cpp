#include "core/tools/factor_one.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/input/pick_path.h"
#include "reference_factor.h"

namespace numerel {
namespace {

// The pane text after Command1 (or Command19) with Text1 = text; "REJECTED" when turned away.
std::string Pane(const FactorOneChecked& checked, std::vector<double>* progress = nullptr) {
    const auto* input = std::get_if<FactorOneInput>(&checked);
    if (input == nullptr) return "REJECTED";
    StringSink pane;
    ProgressFn report;
    if (progress) report = [progress](double f) { progress->push_back(f); };
    FactorOneRun(*input, pane, report);
    return pane.Text();
}

struct PaneCase {
    const char* name;
    const char* text1;
    const char* pane;
};

void PrintTo(const PaneCase& c, std::ostream* os) {
    *os << c.name;
}

class Command1Test : public testing::TestWithParam<PaneCase> {};

TEST_P(Command1Test, WritesThePane) {
    EXPECT_EQ(Pane(FactorOneCheck(GetParam().text1)), GetParam().pane);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Command1Test,
    testing::Values(
        PaneCase{"One", "1", "1=既不是素数,也不是合数"}, PaneCase{"Two", "2", "2=素数"},
        PaneCase{"Thirteen", "13", "13=素数"}, PaneCase{"Seventeen", "17", "17=素数"},
        PaneCase{"Twelve", "12", "12=2^2×3"}, PaneCase{"ThirtyFour", "34", "34=2×17"},
        PaneCase{"TwoHundredTwentyOne", "221", "221=13×17"},
        PaneCase{"SeventeenSquared", "289", "289=17^2"},
        PaneCase{"SmallLimit", "999999999999999", "999999999999999=3^3×31×37×41×271×2906161"},
        PaneCase{"TwoTo49", "562949953421312", "562949953421312=2^49"},
        PaneCase{"LargestPrime", "999999999999989", "999999999999989=素数"},
        PaneCase{"TwoPointZeroFromTheValue", "2.0", "2=素数"},
        PaneCase{"TwelvePointZeroFromTheText", "12.0", "12.0=2^2×3"},
        // What the reading ignored is not on the left of "=": the line says what was factored.
        PaneCase{"TrailingLetters", "12abc", "12=2^2×3"},
        PaneCase{"GroupSeparator", "123,456", "123=3×41"},
        PaneCase{"TrailingLettersAfterPointZero", "12.0abc", "12=2^2×3"},
        PaneCase{"BlanksKept", " 1 2 ", " 1 2 =2^2×3"}, PaneCase{"Exponent", "1e3", "1e3=2^3×5^3"},
        PaneCase{"Hexadecimal", "&HFF", "&HFF=3×5×17"},
        PaneCase{"SquareOfLargePrime", "994009", "994009=997^2"},
        PaneCase{"SemiprimeOfTwoLargePrimes", "999962000357", "999962000357=999979×999983"},
        // Above SmallLimit only with trailing characters: factored exactly.
        PaneCase{"ExactAbove2To53", "9007199254740993x", "9007199254740993=3×107×28059810762433"},
        PaneCase{"ExactTwentyDigits", "12345678901234567890abc",
                 "12345678901234567890=2×3^2×5×101×3541×3607×3803×27961"},
        PaneCase{"ExactExponent", "1e20x", "100000000000000000000=2^20×5^20"},
        // Expressions keep their text, which is then a true equation.
        PaneCase{"Expression", "2^10-1", "2^10-1=3×11×31"},
        PaneCase{"ExpressionOfOne", "2-1", "1=既不是素数,也不是合数"},
        PaneCase{"ExpressionOfSmallPrime", "6+1", "7=素数"},
        PaneCase{"ExpressionPrime", "2^31-1", "2^31-1=素数"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectionCase {
    const char* name;
    const char* text1;
    bool over_limit;
};

void PrintTo(const RejectionCase& c, std::ostream* os) {
    *os << c.name;
}

class Command1RejectionTest : public testing::TestWithParam<RejectionCase> {};

TEST_P(Command1RejectionTest, ShowsTheBoxAndResetsText1) {
    const FactorOneChecked checked = FactorOneCheck(GetParam().text1);
    const auto* rejection = std::get_if<Rejection>(&checked);
    ASSERT_NE(rejection, nullptr);
    if (GetParam().over_limit) {
        EXPECT_EQ(rejection->message, (Message{"很抱歉!,最大只能到\r10^1000-1(1000位)", "输入超限",
                                               MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(rejection->effect, FieldEffect::RewriteFirst);
        EXPECT_EQ(rejection->text, "10^1000-1");
    } else {
        EXPECT_EQ(rejection->message, (Message{"您输入的数不能分解,请重新输入.", "输入错误",
                                               MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
        EXPECT_TRUE(rejection->empty_pane);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Command1RejectionTest,
    testing::Values(RejectionCase{"Fraction", "2.5", false}, RejectionCase{"Zero", "0", false},
                    RejectionCase{"Negative", "-7", false}, RejectionCase{"Empty", "", false},
                    RejectionCase{"NoNumeral", "abc", false},
                    RejectionCase{"FractionAbove2To53", "12345678901234567.5x", false},
                    RejectionCase{"FractionLostInBinary64", "1000000000000000000.25x", false},
                    RejectionCase{"BeyondThousandDigits", "1e1000x", true},
                    RejectionCase{"HugeExponent", "1e99999999999999x", true},
                    RejectionCase{"ExpressionBeyondThousandDigits", "10^1000", true},
                    RejectionCase{"TowerOfPowers", "10^10^10", true},
                    RejectionCase{"HugeFactorial", "99999!", true},
                    RejectionCase{"DivisionWithRemainder", "7/2", false},
                    RejectionCase{"NegativeExpression", "1-5", false},
                    RejectionCase{"NegativePower", "2^-1", false},
                    // Whole in binary64 only after rounding: 1e10 is not the number typed.
                    RejectionCase{"FractionRoundedToWhole", "9999999999.9999999999999999977",
                                  false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RewriteCase {
    const char* name;
    const char* text1;
    const char* rewritten;
    const char* pane;
};

void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.name;
}

class Command19Test : public testing::TestWithParam<RewriteCase> {};

TEST_P(Command19Test, RewritesText1AndFactorsExactly) {
    const FactorOneChecked checked = FactorLargeCheck(GetParam().text1);
    const auto* input = std::get_if<FactorOneInput>(&checked);
    ASSERT_NE(input, nullptr);
    EXPECT_TRUE(input->rewritten);
    EXPECT_EQ(input->text, GetParam().rewritten);
    EXPECT_EQ(Pane(checked), GetParam().pane);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Command19Test,
    testing::Values(
        RewriteCase{"TenTo15", "1000000000000000", "1000000000000000",
                    "1000000000000000=2^15×5^15"},
        RewriteCase{"TenTo16Plus1", "10000000000000001", "10000000000000001",
                    "10000000000000001=353×449×641×1409×69857"},
        RewriteCase{"Prime", "1000000000000037", "1000000000000037", "1000000000000037=素数"},
        RewriteCase{"Largest", "79228162514264337593543950335", "79228162514264337593543950335",
                    "79228162514264337593543950335=3^2×5×7×13×17×97×193×241×257×673×65537×"
                    "22253377"},
        RewriteCase{"FractionDropped", "1000000000000000.7", "1000000000000000",
                    "1000000000000000=2^15×5^15"},
        RewriteCase{"ExponentNormalised", "1e16", "10000000000000000",
                    "10000000000000000=2^16×5^16"},
        RewriteCase{"BlanksAround", "  10000000000000001 ", "10000000000000001",
                    "10000000000000001=353×449×641×1409×69857"},
        RewriteCase{"HalfAboveSmallLimit", "999999999999999.5", "999999999999999",
                    "999999999999999=3^3×31×37×41×271×2906161"},
        // Thirty digits: the Decimal96 value rounds to ...334; the integer part typed is ...333.
        RewriteCase{"IntegerPartOfThirtyDigits", "79228162514264337593543950333.5",
                    "79228162514264337593543950333",
                    "79228162514264337593543950333=23×160045282633×21523300539326387"},
        RewriteCase{"LargestPrimeBelow2To96", "79228162514264337593543950319",
                    "79228162514264337593543950319", "79228162514264337593543950319=素数"},
        RewriteCase{"HardSemiprime", "70000000000011250000000000243",
                    "70000000000011250000000000243",
                    "70000000000011250000000000243=200000000000027×350000000000009"},
        RewriteCase{"SquareOfA47BitPrime", "19807040628533714776064275369",
                    "19807040628533714776064275369",
                    "19807040628533714776064275369=140737488355213^2"}),
    [](const auto& info) { return std::string(info.param.name); });

// Above 2^96 - 1 the large path: the same line, an expression kept as typed, a numeral rewritten.
TEST(FactorLarge, WritesTheLineOfTheLargePath) {
    const struct {
        const char* text1;
        const char* pane;
        bool rewritten;
    } cases[] = {
        {"2^128+1", "2^128+1=59649589127497217×5704689200685129054721", false},
        {"10^40+1", "10^40+1=17×5070721×5882353×19721061166646717498359681", false},
        {"2^127-1", "2^127-1=素数", false},
        {"2^96", "2^96=2^96", false},
        {"1e30", "1000000000000000000000000000000=2^30×5^30", true},
        {"340282366920938463463374607431768211457",
         "340282366920938463463374607431768211457=59649589127497217×5704689200685129054721", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text1);
        const FactorOneChecked checked = FactorLargeCheck(c.text1);
        const auto* input = std::get_if<FactorOneInput>(&checked);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->rewritten, c.rewritten);
        EXPECT_EQ(Pane(checked), c.pane);
    }
}

// A stopped run shows the proven primes and, marked as such, what is not yet split.
TEST(FactorLarge, StoppedLineMarksTheUnfactoredPart) {
    BigFactorization partial;
    partial.primes = {{mpz_class(3), 2}, {mpz_class(59649589127497217), 1}};
    partial.unfactored = {{mpz_class("5704689200685129054721"), 1}, {mpz_class(10403), 2}};
    partial.stopped = true;
    EXPECT_EQ(FactorLargeText("n", partial),
              "n=3^2×59649589127497217×[未分解:5704689200685129054721]×[未分解:10403]^2");
    partial.primes.clear();
    EXPECT_EQ(
        FactorLargeLiveText("n", partial, FactorStage::Ecm),
        "n=[未分解:5704689200685129054721]×[未分解:10403]^2\n分解中,当前步骤:椭圆曲线法(ECM)");
    // A lone prime is "素数" only once the run has ended.
    const BigFactorization prime{{{mpz_class(101), 1}}, {}, false};
    EXPECT_EQ(FactorLargeText("101", prime), "101=素数");
    EXPECT_EQ(FactorLargeLiveText("101", prime, FactorStage::Proof),
              "101=101\n分解中,当前步骤:素性证明");
}

TEST(Command19Rejection, EmptyText1EndsSilently) {
    const FactorOneChecked checked = FactorLargeCheck("");
    const auto* rejection = std::get_if<Rejection>(&checked);
    ASSERT_NE(rejection, nullptr);
    EXPECT_FALSE(rejection->message.has_value());
    EXPECT_EQ(rejection->effect, FieldEffect::None);
}

TEST(Command19Rejection, NotANumberGetsTheInputErrorBox) {
    for (const char* text : {"12abc", "abc", "1.2.3", "-"}) {
        SCOPED_TRACE(text);
        const FactorOneChecked checked = FactorLargeCheck(text);
        const auto* rejection = std::get_if<Rejection>(&checked);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(rejection->message, CannotFactorMessage());
        EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
        EXPECT_EQ(rejection->focus, FocusAfter::First);
        EXPECT_TRUE(rejection->empty_pane);
    }
}

// The fast run must write exactly what the page's trial division writes.
TEST(FactorOneDifferential, EveryNumberUpTo100000) {
    for (std::uint64_t n = 1; n <= 100000; ++n) {
        const std::string text = std::to_string(n);
        const std::string expected = reference::LiteralFactorOne(text, n);
        const std::string actual = Pane(FactorOneCheck(text));
        if (actual != expected) {
            ADD_FAILURE() << "n = " << n << ": " << actual << " instead of " << expected;
            return;
        }
    }
}

TEST(FactorOneDifferential, SeededRandomNumbersBelow10To12) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> pick(1, 999999999999);
    for (int i = 0; i < 400; ++i) {
        const std::uint64_t n = pick(random);
        const std::string text = std::to_string(n);
        EXPECT_EQ(Pane(FactorOneCheck(text)), reference::LiteralFactorOne(text, n));
    }
}

// Products of small primes and one large one leave a large cofactor after the trial rounds.
TEST(FactorOneDifferential, LargeCofactorsNearSmallLimit) {
    for (const std::uint64_t n :
         {999999999999989ULL, 999999999999999ULL, 2ULL * 499999999999993ULL,
          3ULL * 333333333333323ULL, 31607ULL * 31607ULL * 997ULL, 999983ULL * 999979ULL}) {
        const std::string text = std::to_string(n);
        EXPECT_EQ(Pane(FactorOneCheck(text)), reference::LiteralFactorOne(text, n)) << n;
    }
}

TEST(FactorOneProgress, OncePerRoundThenFull) {
    // A prime: the trial rounds stop early and the rest is decided at once.
    std::vector<double> reported;
    Pane(FactorOneCheck("999999999999989"), &reported);
    std::vector<double> literal;
    reference::LiteralFactorOne("999999999999989", 999999999999989, &literal);
    ASSERT_GE(reported.size(), 2u);
    EXPECT_EQ(reported.back(), 1.0);
    // The rounds that ran report what the page's loop reports for them.
    for (std::size_t i = 0; i + 1 < reported.size(); ++i) EXPECT_EQ(reported[i], literal[i]);
}

TEST(FactorOneProgress, NoRoundNoReport) {
    std::vector<double> reported;
    EXPECT_EQ(Pane(FactorOneCheck("562949953421312"), &reported), "562949953421312=2^49");
    EXPECT_TRUE(reported.empty());
}

}  // namespace
}  // namespace numerel
