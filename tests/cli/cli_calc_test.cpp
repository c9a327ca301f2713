// numerel-cli calc, gcd, fraction and reduce, run in-process.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace numerel::cli {
namespace {

struct Expected {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;
    std::string err;
};

void PrintTo(const Expected& c, std::ostream* os) {
    *os << c.name;
}

class LongCommandsTest : public testing::TestWithParam<Expected> {};

TEST_P(LongCommandsTest, PrintsThePaneAndTheBoxes) {
    const Expected& c = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

constexpr const char* kNotice = "设定精确度: 请点击 '确定',然后设定精确度\n";
constexpr const char* kZeroBox = "除数为零!: 除数为零!\n";
constexpr const char* kCancelled =
    "numerel-cli: nothing computed: the precision prompt was cancelled (answer it with "
    "--precision TEXT)\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LongCommandsTest,
    testing::Values(
        Expected{"DivideUntilRepeat",
                 {"calc", "div", "22", "7", "--precision", "0"},
                 kExitOk,
                 "3.142857142857142857142857142857142857142857142857\n",
                 kNotice},
        Expected{"SquareRoot",
                 {"calc", "sqrt", "2", "", "--precision", "10"},
                 kExitOk,
                 "1.4142135623\n",
                 kNotice},
        Expected{
            "Factorial", {"calc", "fact", "25", ""}, kExitOk, "15511210043330985984000000\n", ""},
        Expected{"SubtractExchanges", {"calc", "sub", "3", "-10"}, kExitOk, "7\n", ""},
        Expected{"PromptCancelled",
                 {"calc", "div", "1", "7"},
                 kExitRejected,
                 "",
                 std::string(kNotice) + kCancelled},
        Expected{"ZeroDivisor", {"calc", "mod", "5", "0"}, kExitRejected, "", kZeroBox},
        Expected{"ZeroDivisorQuot", {"calc", "quot", "7", "0"}, kExitRejected, "", kZeroBox},
        Expected{"ZeroDivisorDiv", {"calc", "div", "7", "00"}, kExitRejected, "", kZeroBox},
        Expected{"PrecisionTooLarge",
                 {"calc", "div", "1", "7", "--precision", "2000000000"},
                 kExitRejected,
                 "",
                 std::string(kNotice) + "设定精确度: 精确度位数太大,最多 100,000,000 位\n"},
        // Digits the point shift uncovers are computed, never zero-filled.
        Expected{"ShiftedDigitsComputed",
                 {"calc", "div", "1000000", "7", "--precision", "5"},
                 kExitOk,
                 "142857\n",
                 kNotice},
        Expected{"DecimalShiftedDigitsComputed",
                 {"calc", "div", "100", "0.3", "--precision", "1"},
                 kExitOk,
                 "333\n",
                 kNotice},
        Expected{"ModOfAFractionBelowOne", {"calc", "mod", ".4", "5"}, kExitOk, "0\n", ""},
        // An empty A is 0, as for every other button (the remainder used to be empty).
        Expected{"ModOfAnEmptyA", {"calc", "mod", "", "5"}, kExitOk, "0\n", ""},
        Expected{"BothEmptyDoesNothing", {"calc", "add", "", ""}, kExitOk, "", ""},
        Expected{"ExponentTooLarge",
                 {"calc", "pow", "2", "3000000000"},
                 kExitRejected,
                 "",
                 "超出范围: 次数太大,请小于 2147483647 \n"},
        Expected{"UnknownOperation",
                 {"calc", "root", "2", "2"},
                 kExitUsage,
                 "",
                 "numerel-cli calc: unknown operation 'root' (add sub mul div pow quot mod sqrt "
                 "fact)\n"},
        Expected{"Gcd",
                 {"gcd", "123456789012345678901234567890", "987654321098765432109876543210"},
                 kExitOk,
                 "最大公约数是9000000000900000000090\n"
                 "最小公倍数是13548070124980948012498094801236261410\n",
                 ""},
        Expected{"GcdWithZero", {"gcd", "5", "00"}, kExitOk, "最大公约数是5\n最小公倍数是0\n", ""},
        Expected{"GcdRejectsPoint",
                 {"gcd", "1.5", "3"},
                 kExitRejected,
                 "",
                 "输入错误: 请输入整数:只能由数字组成,不能有小数点、正负号或其他字符\n"},
        Expected{"Fraction", {"fraction", "1.02", "345"}, kExitOk, "102243\n99900\n", ""},
        Expected{"FractionGuard",
                 {"fraction", "1", "3"},
                 kExitRejected,
                 "",
                 "numerel-cli: nothing computed: INTPART needs a decimal point (1.02, 0. or .5)\n"},
        Expected{"Reduce", {"reduce", "102243", "99900"}, kExitOk, "34081\n33300\n", ""},
        Expected{"ReduceGuardZero",
                 {"reduce", "00", "5"},
                 kExitRejected,
                 "",
                 "numerel-cli: nothing computed: NUM and DEN must not be empty or zero\n"},
        Expected{"ReduceGuardNotDigits",
                 {"reduce", "10", "0.5"},
                 kExitRejected,
                 "",
                 "numerel-cli: nothing computed: NUM and DEN must be digits only\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongCommands, MissingArgumentIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"calc", "add", "1"}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("usage: numerel-cli calc OP A B"), std::string::npos);
}

}  // namespace
}  // namespace numerel::cli
