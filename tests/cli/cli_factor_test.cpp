// factor, factor-range and divisors: stdout is the pane text (and Text9's summary for
// divisors), every message box a line on stderr, exit 1 when the input was turned away.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace numerel::cli {
namespace {

struct FactorCliCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;
    const char* err;
};

void PrintTo(const FactorCliCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFactor : public testing::TestWithParam<FactorCliCase> {};

TEST_P(CliFactor, PrintsWhatThePageShows) {
    const FactorCliCase& c = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

constexpr const char* kCannotFactor = "输入错误: 您输入的数不能分解,请重新输入.\n";
constexpr const char* kOverLimit1000 = "输入超限: 很抱歉!,最大只能到 10^1000-1(1000位)\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliFactor,
    testing::Values(
        FactorCliCase{"SmallLimit",
                      {"factor", "999999999999999"},
                      0,
                      "999999999999999=3^3×31×37×41×271×2906161\n",
                      ""},
        FactorCliCase{"One", {"factor", "1"}, 0, "1=既不是素数,也不是合数\n", ""},
        FactorCliCase{"Fraction", {"factor", "2.5"}, 1, "", kCannotFactor},
        FactorCliCase{"Empty", {"factor", ""}, 1, "", kCannotFactor},
        FactorCliCase{"ValueFactoredNotTheIgnoredRest", {"factor", "12abc"}, 0, "12=2^2×3\n", ""},
        FactorCliCase{"Expression",
                      {"factor", "2^128+1"},
                      0,
                      "2^128+1=59649589127497217×5704689200685129054721\n",
                      ""},
        FactorCliCase{"Largest",
                      {"factor", "79228162514264337593543950335"},
                      0,
                      "79228162514264337593543950335=3^2×5×7×13×17×97×193×241×257×673×65537×"
                      "22253377\n",
                      ""},
        FactorCliCase{"AboveTwoTo96",
                      {"factor", "79228162514264337593543950336"},
                      0,
                      "79228162514264337593543950336=2^96\n",
                      ""},
        FactorCliCase{"BeyondThousandDigits", {"factor", "1e1000"}, 1, "", kOverLimit1000},
        FactorCliCase{"Decimal96ButtonRewrites",
                      {"factor", "1000000000000000.7"},
                      0,
                      "1000000000000000=2^15×5^15\n",
                      ""},
        FactorCliCase{
            "Decimal96ButtonExponent", {"factor", "1e16"}, 0, "10000000000000000=2^16×5^16\n", ""},
        FactorCliCase{"HardSemiprime",
                      {"factor", "70000000000011250000000000243"},
                      0,
                      "70000000000011250000000000243=200000000000027×350000000000009\n",
                      ""},
        FactorCliCase{"BinaryButtonExactAboveSmallLimit",
                      {"factor", "12345678901234567890abc"},
                      0,
                      "12345678901234567890=2×3^2×5×101×3541×3607×3803×27961\n",
                      ""},
        FactorCliCase{"BinaryButtonBeyondLargest", {"factor", "1e1000abc"}, 1, "", kOverLimit1000},
        FactorCliCase{"RangeOneToThree",
                      {"factor-range", "1", "3"},
                      0,
                      "1=既不是素数,也不是合数\n2=素数\n3=素数\n",
                      ""},
        FactorCliCase{
            "RangeSquares", {"factor-range", "120", "121"}, 0, "120=2^3×3×5\n121=11^2\n", ""},
        FactorCliCase{"RangeOverLimit",
                      {"factor-range", "1", "10^1000"},
                      1,
                      "",
                      "输入超限: 很抱歉,最大只能到 10^1000-1, 请用“分解一个数”单独分解.\n"},
        // Across 2^64, where the sieve hands over to the exact kernels.
        FactorCliCase{"RangeExpressionsAcross2To64",
                      {"factor-range", "2^64-2", "2^64+1"},
                      0,
                      "18446744073709551614=2×7^2×73×127×337×92737×649657\n"
                      "18446744073709551615=3×5×17×257×641×65537×6700417\n"
                      "18446744073709551616=2^64\n"
                      "18446744073709551617=274177×67280421310721\n",
                      ""},
        FactorCliCase{"RangeReversed", {"factor-range", "5", "3"}, 1, "", kCannotFactor},
        FactorCliCase{"DivisorsSixAndSeven",
                      {"divisors", "6", "7"},
                      0,
                      " 6 的因数有:(1,6)(2,3)●6是完全数\n\n 7 的因数有:(1,7)\n6、共1个\n",
                      ""},
        FactorCliCase{"DivisorsPerfectOnly",
                      {"divisors", "1", "30", "--perfect-only"},
                      0,
                      "●6是完全数\n●28是完全数\n6、28、共2个\n",
                      ""},
        FactorCliCase{"DivisorsPerfectOnlyEmptyPane",
                      {"divisors", "29", "495", "--perfect-only"},
                      0,
                      "\n共0个\n",
                      ""},
        FactorCliCase{"DivisorsDecimal96Button",
                      {"divisors", "10000000000000000", "10000000000000001", "--perfect-only"},
                      0,
                      "\n共0个\n",
                      ""},
        FactorCliCase{"DivisorsOverLimit", {"divisors", "1", "10^1000"}, 1, "", kOverLimit1000},
        FactorCliCase{
            "DivisorsExpressionBounds",
            {"divisors", "2^126*(2^127-1)", "2^126*(2^127-1)+1", "--perfect-only"},
            0,
            "●14474011154664524427946373126085988481573677491474835889066354349131199152128"
            "是完全数\n"
            "14474011154664524427946373126085988481573677491474835889066354349131199152128,"
            "共1个\n",
            ""},
        FactorCliCase{
            "DivisorsFraction", {"divisors", "2.5", "10"}, 1, "", "输入错误: 请输入两个整数!\n"},
        FactorCliCase{"FactorTwoArguments",
                      {"factor", "6", "7"},
                      2,
                      "",
                      "usage: numerel-cli factor [TEXT]\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FactorStdinCase {
    const char* name;
    const char* in;
    int status;
    const char* out;
    const char* err;
};

void PrintTo(const FactorStdinCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFactorStdin : public testing::TestWithParam<FactorStdinCase> {};

// factor without TEXT: one text per line, each answered on its own line, the rejected ones on
// stderr with the text that was turned away.
TEST_P(CliFactorStdin, AnswersEveryLine) {
    const FactorStdinCase& c = GetParam();
    std::istringstream in(c.in);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"factor"}, in, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliFactorStdin,
    testing::Values(FactorStdinCase{"OneToFive", "1\n2\n3\n4\n5\n", 0,
                                    "1=既不是素数,也不是合数\n2=素数\n3=素数\n4=2^2\n5=素数\n", ""},
                    FactorStdinCase{"RejectedAmongOthersBlankSkippedCrLfAndNoLastLineEnd",
                                    "12\r\n\n   \n2.5\n10^1000\n2^100+1\n1e16", 1,
                                    "12=2^2×3\n2^100+1=17×401×61681×340801×2787601×3173389601\n"
                                    "10000000000000000=2^16×5^16\n",
                                    "'2.5': 输入错误: 您输入的数不能分解,请重新输入.\n"
                                    "'10^1000': 输入超限: 很抱歉!,最大只能到 "
                                    "10^1000-1(1000位)\n"},
                    FactorStdinCase{"NothingToFactor", "\n \n", 1, "",
                                    "numerel-cli: no text on standard input\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel::cli
