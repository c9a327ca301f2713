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

// GMP aborts (status 134) when an allocation fails, so a long operation that would not fit in
// what the process may use is refused first, as a failed C++ allocation is; one that fits runs.
struct MemoryCase {
    const char* name;
    const char* limit_kb;
    const char* args;
    int status;
    const char* err_tail;
};

void PrintTo(const MemoryCase& c, std::ostream* os) {
    *os << c.name;
}

class CliMemoryLimit : public testing::TestWithParam<MemoryCase> {};

TEST_P(CliMemoryLimit, RefusesWhatWouldNotFitInsteadOfAborting) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
#endif
    const MemoryCase& c = GetParam();
    const std::string command = std::string("bash -c 'ulimit -v ") + c.limit_kb + "; \"" +
                                NUMEREL_CLI_PATH + "\" " + c.args +
                                " 2>&1 >/dev/null | tail -n 1; echo ${PIPESTATUS[0]}'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
    EXPECT_EQ(output, std::string(c.err_tail) + std::to_string(c.status) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CliMemoryLimit,
    testing::Values(MemoryCase{"Power", "250000", "calc pow 7 100000000", 1,
                               "numerel-cli: 内存不足,计算已停止\n"},
                    MemoryCase{"Factorial", "250000", "calc fact 10000000 \"\"", 1,
                               "numerel-cli: 内存不足,计算已停止\n"},
                    MemoryCase{"SquareRoot", "500000", "calc sqrt 2 \"\" --precision 90000000", 1,
                               "numerel-cli: 内存不足,计算已停止\n"},
                    MemoryCase{"PowerThatFits", "250000", "calc pow 7 1000000", 0, ""}),
    [](const testing::TestParamInfo<MemoryCase>& info) { return info.param.name; });

}  // namespace
}  // namespace numerel::cli
