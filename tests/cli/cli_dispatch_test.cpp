#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace numerel::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCommand(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliDispatch, NoArgumentsIsAUsageError) {
    const CliRun run = RunCommand({});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: numerel-cli"), std::string::npos);
}

TEST(CliDispatch, UnknownCommandIsAUsageError) {
    const CliRun run = RunCommand({"frobnicate", "1"});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("unknown command 'frobnicate'"), std::string::npos);
}

struct LineEndCase {
    const char* name;
    const char* input;
    const char* expected;
};

class NormaliseLineEndsTest : public testing::TestWithParam<LineEndCase> {};

TEST_P(NormaliseLineEndsTest, EachLineBreakBecomesOneNewline) {
    EXPECT_EQ(NormaliseLineEnds(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseLineEndsTest,
                         testing::Values(LineEndCase{"CrLf", "a\r\nb\r\n", "a\nb\n"},
                                         LineEndCase{"LfCr", "a,\n\rb", "a,\nb"},
                                         LineEndCase{"LoneCr", "a\rb", "a\nb"},
                                         LineEndCase{"TwoLf", "a\n\nb", "a\n\nb"},
                                         LineEndCase{"None", "abc", "abc"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel::cli
