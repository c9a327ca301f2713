// The search commands: stdout is the pane text and the caption line, messages go to stderr.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace numerel::cli {
namespace {

struct SearchCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;
    const char* err;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.name;
}

class CliSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(CliSearch, PrintsThePaneAndCaption) {
    const SearchCase& c = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliSearch,
    testing::Values(
        SearchCase{
            "PrimesOneTo30", {"primes", "1", "30"}, 0, "2 3 5 7 11 13 17 19 23 29 \n共10个\n", ""},
        SearchCase{"PrimesDecimal96ButtonNumberItems",
                   {"primes", "1000000000000000", "1000000000000100"},
                   0,
                   " 1000000000000037  1000000000000091 \n共2个\n",
                   ""},
        SearchCase{"PrimesBinary64UpToTheLargestSmallNumber",
                   {"primes", "999999999999900", "999999999999999"},
                   0,
                   "999999999999947 999999999999989 \n共2个\n",
                   ""},
        // --lines: one item a line for line-oriented tools, whatever the separators.
        SearchCase{"PrimesLines",
                   {"primes", "1", "30", "--lines"},
                   0,
                   "2\n3\n5\n7\n11\n13\n17\n19\n23\n29\n共10个\n",
                   ""},
        SearchCase{"PrimesDecimal96Lines",
                   {"primes", "1000000000000000", "1000000000000100", "--lines"},
                   0,
                   "1000000000000037\n1000000000000091\n共2个\n",
                   ""},
        SearchCase{"PrimesBeyond2To96Lines",
                   {"primes", "10^40", "10^40+400", "--lines"},
                   0,
                   "10000000000000000000000000000000000000121\n"
                   "10000000000000000000000000000000000000139\n"
                   "10000000000000000000000000000000000000301\n"
                   "10000000000000000000000000000000000000391\n共4个\n",
                   ""},
        SearchCase{"PrimesLinesNoneFound",
                   {"primes", "90", "96", "--lines"},
                   0,
                   "此区间内没有素数\n共0个\n",
                   ""},
        SearchCase{"TwinsLines",
                   {"twins", "3", "20", "--lines"},
                   0,
                   "(3,5)\n(5,7)\n(11,13)\n(17,19)\n共4对\n",
                   ""},
        SearchCase{"PrimesTooClose",
                   {"primes", "10", "15"},
                   1,
                   "",
                   "重新输入!: 请输入两个正整数! 并且两数至少相差6.\n"},
        SearchCase{"PrimesDecimal96TooClose",
                   {"primes", "1000000000000000", "1000000000000005"},
                   1,
                   "",
                   "重新输入: 下边的数要比上边的至少大6\n"},
        SearchCase{"PrimesBeyondDecimal96",
                   {"primes", "1e40", "10000000000000000000000000000000000000300"},
                   0,
                   " 10000000000000000000000000000000000000121 "
                   " 10000000000000000000000000000000000000139 \n共2个\n",
                   ""},
        SearchCase{"PrimesOverLimit",
                   {"primes", "1", "1e1000"},
                   1,
                   "",
                   "输入超限: 很抱歉!,最大只能到 10^1000-1(1000位)\n"},
        SearchCase{
            "TwinsThreeTo20", {"twins", "3", "20"}, 0, "(3,5)(5,7)(11,13)(17,19)\n共4对\n", ""},
        SearchCase{
            "TwinsNoneFound", {"twins", "6", "12"}, 0, "此区间内没有孪生素数对\n共0对\n", ""},
        // The pairs checked with PARI/GP (forprime over the window, isprime of p + 2).
        SearchCase{"TwinsBeyond2To96Lines",
                   {"twins", "10^40", "1e40+30000", "--lines"},
                   0,
                   "(10000000000000000000000000000000000016111,"
                   "10000000000000000000000000000000000016113)\n"
                   "(10000000000000000000000000000000000028837,"
                   "10000000000000000000000000000000000028839)\n共2对\n",
                   ""},
        SearchCase{"TwinsOverLimit",
                   {"twins", "2", "1e1000"},
                   1,
                   "",
                   "输入超限: 很抱歉!,最大只能到 10^1000-1(1000位)\n"},
        SearchCase{"TwinsRejected",
                   {"twins", "2", "3"},
                   1,
                   "",
                   "重新输入!: 请输入两个≥2的整数! 两数至少相差2.\n"},
        SearchCase{"GoldbachEven100",
                   {"goldbach-even", "100"},
                   0,
                   "100=3+97\n100=11+89\n100=17+83\n100=29+71\n100=41+59\n100=47+53\n共6种\n",
                   ""},
        SearchCase{
            "GoldbachEven100One", {"goldbach-even", "100", "--one"}, 0, "100=3+97\n共1种\n", ""},
        SearchCase{"GoldbachEvenDecimal96One",
                   {"goldbach-even", "1000000000000000", "--one"},
                   0,
                   "1000000000000000=11+999999999999989\n共1种\n",
                   ""},
        SearchCase{
            "GoldbachEvenRejected", {"goldbach-even", "7"}, 1, "", "重新输入: 请输入≥6的偶数\n"},
        SearchCase{"GoldbachOdd27",
                   {"goldbach-odd", "27"},
                   0,
                   "27=3+5+19\n27=3+7+17\n27=3+11+13\n27=5+5+17\n27=5+11+11\n27=7+7+13\n共6种\n",
                   ""},
        SearchCase{"GoldbachEvenOneBeyondDecimal96",
                   {"goldbach-even", "1e60", "--one"},
                   0,
                   "1000000000000000000000000000000000000000000000000000000000000=1973+"
                   "999999999999999999999999999999999999999999999999999999998027\n共1种\n",
                   ""},
        SearchCase{"GoldbachOddOneBeyondDecimal96",
                   {"goldbach-odd", "10000000000000000000000000000000000000001", "--one"},
                   0,
                   "10000000000000000000000000000000000000001=3+199+"
                   "9999999999999999999999999999999999999799\n共1种\n",
                   ""},
        SearchCase{"GoldbachOddOverLimit",
                   {"goldbach-odd", "1e1000"},
                   1,
                   "",
                   "输入超限: 很抱歉!,最大只能到 10^1000-1(1000位)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel::cli
