#include "core/input/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace numerel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadNumber, ReadsTheLeadingNumeral) {
    const std::string zeros(1000, '0');
    const struct {
        const char* name;
        std::string text;
        double expected;
    } rows[] = {
        {"integer", "12", 12.0},
        {"trailing_letters_ignored", "12abc", 12.0},
        {"blanks_around", " 12 ", 12.0},
        {"blank_inside_removed", "1 2", 12.0},
        {"tab_and_line_feed_removed", "1\t2\n3", 123.0},
        {"carriage_return_ends_numeral", "1\r2", 1.0},
        {"negative", "-5", -5.0},
        {"plus_sign", "+5", 5.0},
        {"zero", "0", 0.0},
        {"negative_zero_is_zero", "-0", 0.0},
        {"empty", "", 0.0},
        {"lone_sign", "-", 0.0},
        {"lone_point", ".", 0.0},
        {"two_signs", "+-5", 0.0},
        {"letters_first", "abc12", 0.0},
        {"leading_point", ".5", 0.5},
        {"trailing_point", "5.", 5.0},
        {"second_point_ends_numeral", "1.2.3", 1.2},
        {"comma_is_not_a_point", "1,5", 1.0},
        {"one_point_zero", "2.0", 2.0},
        {"exponent_without_digits", "1e", 1.0},
        {"exponent_sign_without_digits", "1e+", 1.0},
        {"d_exponent", "1d3", 1000.0},
        {"upper_d_negative_exponent", "1D-2", 0.01},
        {"e_exponent_with_sign", "2.5E+3", 2500.0},
        {"blank_inside_exponent", "1 e 1 6", 1e16},
        {"exponent_then_letters", "1e2x5", 100.0},
        {"small_limit", "999999999999999", 999999999999999.0},
        {"above_small_limit_by_half", "999999999999999.5", 999999999999999.5},
        {"sixteen_digits", "1000000000000000", 1e15},
        {"correctly_rounded_tie", "9007199254740993", 9007199254740992.0},
        {"correctly_rounded_above_tie", "9007199254740993.000000000000000000001",
         9007199254740994.0},
        {"largest_decimal96", kLargestInput, 79228162514264337593543950336.0},
        {"hex", "&HFF", 255.0},
        {"hex_lower_case", "&hff", 255.0},
        {"hex_no_wrap_at_16_bits", "&HFFFF", 65535.0},
        {"hex_64_bits", "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"hex_stops_at_non_digit", "&H1G", 1.0},
        {"hex_blanks_removed", " & H 1 0", 16.0},
        {"octal", "&O17", 15.0},
        {"octal_stops_at_8", "&O18", 1.0},
        {"prefix_without_digits", "&H", 0.0},
        {"ampersand_without_letter", "&17", 0.0},
        {"sign_before_prefix", "-&H10", 0.0},
        {"largest_binary64", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"overflow_to_infinity", "1e309", kInf},
        {"huge_exponent", "1e99999999999999999999", kInf},
        {"negative_overflow", "-1e400", -kInf},
        {"smallest_subnormal", "5e-324", std::numeric_limits<double>::denorm_min()},
        {"underflow_to_zero", "1e-400", 0.0},
        {"huge_negative_exponent", "-1e-99999999999999999999", 0.0},
        {"long_mantissa_scaled_back", "1" + zeros + "e-1000", 1.0},
        {"long_fraction", "0." + zeros + "1e1001", 1.0},
        {"long_hex_overflows", "&H" + std::string(300, 'F'), kInf},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const double value = ReadNumber(row.text);
        EXPECT_EQ(value, row.expected);
        EXPECT_FALSE(std::signbit(value) && value == 0.0);
    }
}

struct DecimalRow {
    const char* name;
    std::string text;
    DecimalStatus status;
    const char* value;  // ToString of the value when status is Ok
};

TEST(ReadDecimal, ReadsTheWholeText) {
    const std::string zeros(1000, '0');
    using S = DecimalStatus;
    const DecimalRow rows[] = {
        {"small_limit", "999999999999999", S::Ok, "999999999999999"},
        {"sixteen_digits", "1000000000000000", S::Ok, "1000000000000000"},
        {"fraction_kept", "1000000000000000.7", S::Ok, "1000000000000000.7"},
        {"largest", "79228162514264337593543950335", S::Ok, "79228162514264337593543950335"},
        {"largest_plus_one", "79228162514264337593543950336", S::Overflow, ""},
        {"thirty_digits", "100000000000000000000000000000", S::Overflow, ""},
        {"negative_largest", "-79228162514264337593543950335", S::Ok,
         "-79228162514264337593543950335"},
        {"negative_overflow", "-79228162514264337593543950336", S::Overflow, ""},
        {"trailing_letters", "12abc", S::NotANumber, ""},
        {"negative", "-5", S::Ok, "-5"},
        {"plus_sign", "+5", S::Ok, "5"},
        {"zero", "0", S::Ok, "0"},
        {"negative_zero", "-0", S::Ok, "0"},
        {"zero_with_scale", "0.00", S::Ok, "0.00"},
        {"leading_zeros", "000012", S::Ok, "12"},
        {"exponent", "1e16", S::Ok, "10000000000000000"},
        {"exponent_with_sign", "1E+5", S::Ok, "100000"},
        {"negative_exponent", "1e-2", S::Ok, "0.01"},
        {"exponent_moves_point", "1.5e1", S::Ok, "15"},
        {"exponent_with_trailing_zeros", "10e1", S::Ok, "100"},
        {"blanks_around", " 12 ", S::Ok, "12"},
        {"tabs_around", "\t12\t", S::Ok, "12"},
        {"blank_inside", "1 2", S::NotANumber, ""},
        {"blank_after_sign", "- 5", S::NotANumber, ""},
        {"line_feed_around", "12\n", S::NotANumber, ""},
        {"hex", "&HFF", S::NotANumber, ""},
        {"scale_kept", "2.0", S::Ok, "2.0"},
        {"leading_point", ".5", S::Ok, "0.5"},
        {"trailing_point", "5.", S::Ok, "5"},
        {"lone_sign", "-", S::NotANumber, ""},
        {"empty", "", S::NotANumber, ""},
        {"blanks_only", "   ", S::NotANumber, ""},
        {"lone_point", ".", S::NotANumber, ""},
        {"two_points", "1.2.3", S::NotANumber, ""},
        {"exponent_without_digits", "1e", S::NotANumber, ""},
        {"exponent_sign_without_digits", "1e-", S::NotANumber, ""},
        {"d_exponent", "1d3", S::NotANumber, ""},
        {"two_signs", "--5", S::NotANumber, ""},
        {"sign_after", "5-", S::NotANumber, ""},
        {"group_separator", "1,000", S::NotANumber, ""},
        {"largest_scaled", "7.9228162514264337593543950335", S::Ok,
         "7.9228162514264337593543950335"},
        // 29 kept digits would round to 2^96, so one digit fewer is kept.
        {"thirty_digits_round_past_largest", "7.92281625142643375935439503355", S::Ok,
         "7.922816251426433759354395034"},
        {"twenty_nine_fraction_digits", "0.12345678901234567890123456789", S::Ok,
         "0.1234567890123456789012345679"},
        {"tie_below_step_to_zero", "0.00000000000000000000000000005", S::Ok,
         "0.0000000000000000000000000000"},
        {"tie_to_even_up", "0.00000000000000000000000000015", S::Ok,
         "0.0000000000000000000000000002"},
        {"just_above_tie", "0.000000000000000000000000000050001", S::Ok,
         "0.0000000000000000000000000001"},
        {"exponent_brings_largest", "7922816251426433759354395033.5e1", S::Ok,
         "79228162514264337593543950335"},
        {"exponent_past_largest", "7922816251426433759354395033.6e1", S::Overflow, ""},
        {"fraction_rounds_past_largest", "79228162514264337593543950335.5", S::Overflow, ""},
        {"fraction_rounds_to_largest", "79228162514264337593543950334.5", S::Ok,
         "79228162514264337593543950334"},
        {"huge_exponent", "1e400", S::Overflow, ""},
        {"saturated_exponent", "1e99999999999999999999", S::Overflow, ""},
        {"tiny_exponent", "1e-400", S::Ok, "0.0000000000000000000000000000"},
        {"zero_huge_exponent", "0e400", S::Ok, "0"},
        {"negative_tiny_is_zero", "-1e-99999999999999999999", S::Ok,
         "0.0000000000000000000000000000"},
        {"long_mantissa_scaled_back", "1" + zeros + "e-1000", S::Ok,
         "1.0000000000000000000000000000"},
        {"long_fraction", "0." + zeros + "1", S::Ok, "0.0000000000000000000000000000"},
        {"long_integer", "1" + zeros, S::Overflow, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DecimalRead read = ReadDecimal(row.text);
        EXPECT_EQ(read.status, row.status);
        if (read.status == DecimalStatus::Ok && row.status == DecimalStatus::Ok) {
            EXPECT_EQ(read.value.ToString(), row.value);
        }
    }
}

// The reading decides between the binary64 and the Decimal96 path; both are tested here together.
TEST(ReadDecimal, ComparesWithSmallLimit) {
    const Decimal96 limit = Decimal96::FromInteger(kSmallLimitInt);
    const struct {
        const char* name;
        const char* text;
        bool above;
    } rows[] = {
        {"small_limit", "999999999999999", false},
        {"half_above", "999999999999999.5", true},
        {"sixteen_digits", "1000000000000000", true},
        {"negative", "-5", false},
        {"zero", "0", false},
        {"exponent", "1e15", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DecimalRead read = ReadDecimal(row.text);
        ASSERT_EQ(read.status, DecimalStatus::Ok);
        EXPECT_EQ(read.value > limit, row.above);
    }
}

TEST(ReadDecimal, IntegerPartRewritesTheText) {
    const struct {
        const char* name;
        const char* text;
        const char* rewritten;
    } rows[] = {
        {"fraction_dropped", "1000000000000000.7", "1000000000000000"},
        {"exponent_written_out", "1e16", "10000000000000000"},
        {"blanks_dropped", " 12.0 ", "12"},
        {"largest_kept", "79228162514264337593543950335", "79228162514264337593543950335"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DecimalRead read = ReadDecimal(row.text);
        ASSERT_EQ(read.status, DecimalStatus::Ok);
        const std::string rewritten = read.value.IntegerPart().ToString();
        EXPECT_EQ(rewritten, row.rewritten);
        // The rewritten text reads back to the same integer.
        EXPECT_EQ(ReadDecimal(rewritten).value, read.value.IntegerPart());
    }
}

}  // namespace
}  // namespace numerel
