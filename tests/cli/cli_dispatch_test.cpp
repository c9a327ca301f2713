#include <gtest/gtest.h>

#include <regex>
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

TEST(CliDispatch, HelpAndVersionGoToStdoutWithSuccess) {
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const CliRun run = RunCommand({option});
        EXPECT_EQ(run.status, kExitOk);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(run.out.starts_with("usage: numerel-cli COMMAND ARGS...\n")) << run.out;
        EXPECT_NE(run.out.find("  numerel-cli factor [TEXT]\n"), std::string::npos);
        EXPECT_NE(run.out.find("  numerel-cli calc OP A B [--precision TEXT]"), std::string::npos);
    }
    const CliRun command_help = RunCommand({"gcd", "--help"});
    EXPECT_EQ(command_help.status, kExitOk);
    EXPECT_EQ(command_help.out, "usage: numerel-cli gcd A B\n");

    const CliRun version = RunCommand({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.err, "");
    EXPECT_TRUE(std::regex_match(version.out, std::regex("numerel-cli [0-9]+\\.[0-9]+\n")))
        << version.out;
}

struct LineEndCase {
    const char* name;
    const char* input;
    const char* expected;
};

void PrintTo(const LineEndCase& c, std::ostream* os) {
    *os << c.name;
}

class EveryLineBreakToLfTest : public testing::TestWithParam<LineEndCase> {};

TEST_P(EveryLineBreakToLfTest, EachLineBreakBecomesOneNewline) {
    EXPECT_EQ(EveryLineBreakToLf(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryLineBreakToLfTest,
                         testing::Values(LineEndCase{"CrLf", "a\r\nb\r\n", "a\nb\n"},
                                         LineEndCase{"LfCr", "a,\n\rb", "a,\nb"},
                                         LineEndCase{"LoneCr", "a\rb", "a\nb"},
                                         LineEndCase{"TwoLf", "a\n\nb", "a\n\nb"},
                                         LineEndCase{"None", "abc", "abc"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel::cli
