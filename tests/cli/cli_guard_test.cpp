// No exception and no closed pipe may end numerel-cli with an abort.
#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>

#include "cli/cli.h"

namespace numerel::cli {
namespace {

struct GuardCase {
    const char* name;
    int (*run)(CliContext&);
    const char* err;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class CliGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(CliGuard, TurnsAnExceptionIntoAMessageAndStatusOne) {
    std::istringstream in;
    std::ostringstream out, err;
    CliContext context({}, std::nullopt, false, in, out, err);
    EXPECT_EQ(RunGuarded(GetParam().run, context), kExitRejected);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, CliGuard,
    testing::Values(GuardCase{"OutOfMemory", [](CliContext&) -> int { throw std::bad_alloc(); },
                              "numerel-cli: 内存不足,计算已停止\n"},
                    GuardCase{"OtherError",
                              [](CliContext&) -> int { throw std::length_error("too long"); },
                              "numerel-cli: 计算出错: too long\n"}),
    [](const testing::TestParamInfo<GuardCase>& info) { return info.param.name; });

// A reader that goes away (`| head`) ends a long search at once with status 1, not SIGPIPE's
// death (141) or an abort (134); without the stop the list of 10^13 numbers would run for hours.
TEST(CliClosedPipe, EndsTheRunQuietly) {
    const std::string command = std::string("bash -c '\"") + NUMEREL_CLI_PATH +
                                "\" primes 1 10000000000000 2>&1 | head -c 20 >/dev/null;"
                                " echo ${PIPESTATUS[0]}'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char status[16] = {};
    ASSERT_NE(std::fgets(status, sizeof status, pipe), nullptr);
    pclose(pipe);
    EXPECT_STREQ(status, "1\n");
}

}  // namespace
}  // namespace numerel::cli
