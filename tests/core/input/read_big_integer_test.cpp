#include "core/input/read_big_integer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input/pick_path.h"

namespace numerel {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    BigReadStatus status;
    std::string value;  // decimal, for Ok
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadBigIntegerExamples : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadBigIntegerExamples, ReadsTheDecimalSyntaxExactly) {
    const ReadCase& c = GetParam();
    const BigIntegerRead read = ReadBigInteger(c.text);
    EXPECT_EQ(read.status, c.status);
    if (c.status == BigReadStatus::Ok) {
        EXPECT_EQ(read.value.get_str(), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadBigIntegerExamples,
    testing::Values(ReadCase{"Exponent", "1e40", BigReadStatus::Ok,
                             "10000000000000000000000000000000000000000"},
                    ReadCase{"PointAndExponentMakeAWhole", " -1.25E2\t", BigReadStatus::Ok, "-125"},
                    ReadCase{"TrailingFractionZeros", "79228162514264337593543950336.000",
                             BigReadStatus::Ok, "79228162514264337593543950336"},
                    ReadCase{"Zero", "0.000e5", BigReadStatus::Ok, "0"},
                    ReadCase{"PointShiftedByExponent", "1.5e40", BigReadStatus::Ok,
                             "15000000000000000000000000000000000000000"},
                    ReadCase{"NotWhole", "100000000000000000000000000000.5",
                             BigReadStatus::Fraction, ""},
                    ReadCase{"ThousandDigits", std::string(1000, '9'), BigReadStatus::Ok,
                             std::string(1000, '9')},
                    ReadCase{"ThousandAndOneDigits", "1e1000", BigReadStatus::Overflow, ""},
                    ReadCase{"HugeExponent", "1e999999999999999", BigReadStatus::Overflow, ""},
                    ReadCase{"ExponentWithoutDigits", "1e", BigReadStatus::NotANumber, ""},
                    ReadCase{"TrailingText", "1e40abc", BigReadStatus::NotANumber, ""},
                    ReadCase{"Expression", "2^128+1", BigReadStatus::Ok,
                             "340282366920938463463374607431768211457"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PickCase {
    const char* name;
    std::vector<std::string> fields;
    std::optional<PathButton> button;
    bool over_limit;
};

void PrintTo(const PickCase& c, std::ostream* os) {
    *os << c.name;
}

class PickPathWithThousandDigits : public testing::TestWithParam<PickCase> {};

TEST_P(PickPathWithThousandDigits, ChoosesTheButton) {
    const PickCase& c = GetParam();
    const PathDecision decision = PickPath(c.fields, InputLimit::Digits1000);
    EXPECT_EQ(decision.button, c.button);
    EXPECT_EQ(decision.over_limit, c.over_limit);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PickPathWithThousandDigits,
    testing::Values(PickCase{"BeyondDecimal96", {"5", "1e40"}, PathButton::Decimal96, false},
                    PickCase{"BeyondThousandDigits", {"5", "1e1000"}, std::nullopt, true},
                    PickCase{
                        "AnEmptyFieldMeansBinary", {"", "1e1000"}, PathButton::Binary64, false},
                    PickCase{"NotANumberKeepsTheButtons", {"x", "1e40"}, std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel
