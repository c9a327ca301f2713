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
    const char* err;
};

class LongCommandsTest : public testing::TestWithParam<Expected> {};

TEST_P(LongCommandsTest, PrintsThePaneAndTheBoxes) {
    const Expected& c = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

constexpr const char* kNotice = "设定精确度: 请点击 '确定',然后设定精确度\n";

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
        Expected{"PromptCancelled", {"calc", "div", "1", "3"}, kExitOk, "\n", kNotice},
        Expected{"ZeroDivisor", {"calc", "mod", "5", "0"}, kExitOk, "\n", "除数为零!: 除数为零!\n"},
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
        Expected{"GcdWithZero",
                 {"gcd", "0", "5"},
                 kExitOk,
                 "最大公约数是\n最小公倍数是\n",
                 "除数为零!: 除数为零!\n"},
        Expected{"GcdRejectsPoint",
                 {"gcd", "1.5", "3"},
                 kExitRejected,
                 "",
                 "输入错误: 请输入整数:只能由数字组成,不能有小数点、正负号或其他字符\n"},
        Expected{"Fraction", {"fraction", "1.02", "345"}, kExitOk, "102243\n99900\n", ""},
        Expected{"FractionGuard", {"fraction", "3", "3"}, kExitOk, "", ""},
        Expected{"Reduce", {"reduce", "102243", "99900"}, kExitOk, "34081\n33300\n", ""},
        Expected{"ReduceGuard", {"reduce", "0", "5"}, kExitOk, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LongCommands, MissingArgumentIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"calc", "add", "1"}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("usage: numerel-cli calc OP A B"), std::string::npos);
}

}  // namespace
}  // namespace numerel::cli
