#include "core/input/decimal96.h"

#include <gtest/gtest.h>

#include <compare>
#include <optional>
#include <stdexcept>
#include <string>

namespace numerel {
namespace {

constexpr const char* kMax = "79228162514264337593543950335";

// Builds a value from plain decimal text ("-12.50") without going through ReadDecimal, so these
// tests do not depend on the reader.
Decimal96 Dec(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    uint128 magnitude = 0;
    int scale = 0;
    bool after_point = false;
    for (const char c : text) {
        if (c == '.') {
            after_point = true;
            continue;
        }
        magnitude = magnitude * 10 + static_cast<uint128>(c - '0');
        if (after_point) ++scale;
    }
    const auto value = Decimal96::FromParts(magnitude, scale, negative);
    if (!value) throw std::invalid_argument(std::string(text));
    return *value;
}

std::string Text(const std::optional<Decimal96>& value) {
    return value ? value->ToString() : "nullopt";
}

TEST(ToDecimalString, WritesEveryWidth) {
    const uint128 two64 = uint128{1} << 64;
    const struct {
        const char* name;
        uint128 value;
        const char* expected;
    } rows[] = {
        {"zero", 0, "0"},
        {"one_below_chunk", 9'999'999'999'999'999'999ULL, "9999999999999999999"},
        {"chunk", 10'000'000'000'000'000'000ULL, "10000000000000000000"},
        {"two_to_64", two64, "18446744073709551616"},
        {"two_to_96_minus_1", Decimal96::kMaxMagnitude, kMax},
        {"inner_zero_chunk", two64 * 10'000'000'000'000'000'000ULL + 7,
         "184467440737095516160000000000000000007"},
        {"two_to_128_minus_1", ~uint128{0}, "340282366920938463463374607431768211455"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ToDecimalString(row.value), row.expected);
    }
}

TEST(Decimal96, ToStringKeepsScaleAndSign) {
    const struct {
        const char* name;
        uint128 magnitude;
        int scale;
        bool negative;
        const char* expected;
    } rows[] = {
        {"zero", 0, 0, false, "0"},
        {"trailing_zero_kept", 150, 2, false, "1.50"},
        {"leading_zero_added", 5, 3, true, "-0.005"},
        {"negative_zero_has_no_sign", 0, 3, true, "0.000"},
        {"smallest_step", 1, 28, false, "0.0000000000000000000000000001"},
        {"largest", Decimal96::kMaxMagnitude, 0, false, kMax},
        {"largest_scaled", Decimal96::kMaxMagnitude, 28, true, "-7.9228162514264337593543950335"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto value = Decimal96::FromParts(row.magnitude, row.scale, row.negative);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->ToString(), row.expected);
        EXPECT_EQ(Dec(row.expected).ToString(), row.expected);
    }
}

TEST(Decimal96, RejectsPartsOutOfRange) {
    EXPECT_FALSE(Decimal96::FromParts(1, 29, false).has_value());
    EXPECT_FALSE(Decimal96::FromParts(1, -1, false).has_value());
    EXPECT_FALSE(Decimal96::FromParts(Decimal96::kMaxMagnitude + 1, 0, false).has_value());
    EXPECT_THROW(Decimal96::FromInteger(Decimal96::kMaxMagnitude + 1), std::out_of_range);
    EXPECT_EQ(Decimal96::FromInteger(Decimal96::kMaxMagnitude, true).ToString(),
              std::string("-") + kMax);
}

TEST(Decimal96, ComparesValuesAcrossScales) {
    using O = std::strong_ordering;
    const struct {
        const char* name;
        const char* a;
        const char* b;
        O expected;
    } rows[] = {
        {"trailing_zero", "1.5", "1.50", O::equal},
        {"signed_zero", "0", "-0.00", O::equal},
        {"tenth_vs_hundredths", "0.1", "0.09", O::greater},
        {"negative_fraction", "-2", "-1.5", O::less},
        {"negative_magnitudes", "-10", "-2", O::less},
        {"above_small_limit", "999999999999999.5", "999999999999999", O::greater},
        {"same_digits_other_scale", kMax, "7.9228162514264337593543950335", O::greater},
        {"last_of_28_fraction_digits", "1.0000000000000000000000000001", "1.000", O::greater},
        {"tiny_negative_vs_zero", "-0.0000000000000000000000000001", "0", O::less},
        {"integer_parts_tie", "12.345", "12.3449999", O::greater},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Decimal96 a = Dec(row.a);
        const Decimal96 b = Dec(row.b);
        EXPECT_EQ(a <=> b, row.expected);
        EXPECT_EQ(b <=> a, 0 <=> row.expected);
        EXPECT_EQ(a == b, row.expected == O::equal);
    }
}

TEST(Decimal96, IntegerPartTruncatesTowardZero) {
    const struct {
        const char* name;
        const char* value;
        const char* integer_part;
        bool is_integer;
        std::optional<uint128> as_uint128;
    } rows[] = {
        {"fraction_dropped", "1000000000000000.7", "1000000000000000", false, std::nullopt},
        {"negative_truncates_up", "-2.9", "-2", false, std::nullopt},
        {"negative_below_one_gives_zero", "-0.9", "0", false, std::nullopt},
        {"largest_scaled", "7.9228162514264337593543950335", "7", false, std::nullopt},
        {"zero_fraction_is_integer", "2.00", "2", true, uint128{2}},
        {"negative_integer", "-3", "-3", true, std::nullopt},
        {"negative_zero", "-0.0", "0", true, uint128{0}},
        {"smallest_step", "0.0000000000000000000000000001", "0", false, std::nullopt},
        {"largest", kMax, kMax, true, Decimal96::kMaxMagnitude},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Decimal96 value = Dec(row.value);
        EXPECT_EQ(value.IntegerPart().ToString(), row.integer_part);
        EXPECT_EQ(value.IntegerPart().Scale(), 0);
        EXPECT_EQ(value.IsInteger(), row.is_integer);
        EXPECT_EQ(value.ToUInt128(), row.as_uint128);
    }
}

struct ArithmeticRow {
    const char* name;
    const char* a;
    const char* b;
    const char* expected;  // "nullopt" for overflow
};

TEST(Decimal96, AddRoundsHalfEvenToWhatTheTypeHolds) {
    const ArithmeticRow rows[] = {
        {"add_keeps_larger_scale", "1.5", "1.50", "3.00"},
        {"add_tenths", "0.1", "0.2", "0.3"},
        {"add_mixed_signs", "-2.5", "1", "-1.5"},
        {"add_to_zero_keeps_scale", "2.5", "-2.50", "0.00"},
        {"add_past_largest", kMax, "1", "nullopt"},
        {"add_rounds_down_to_largest", kMax, "0.4", kMax},
        {"add_smallest_step_to_largest", kMax, "0.0000000000000000000000000001", kMax},
        {"add_half_rounds_to_even_overflow", kMax, "0.5", "nullopt"},
        {"add_negative_past_largest", "-79228162514264337593543950335", "-1", "nullopt"},
        {"add_half_tie_to_even_down", "10000000000000000000000000000", "0.5",
         "10000000000000000000000000000"},
        {"add_half_tie_to_even_up", "10000000000000000000000000001", "0.5",
         "10000000000000000000000000002"},
        {"add_29_digits_fit", "0.0000000000000000000000000001", "1",
         "1.0000000000000000000000000001"},
        {"add_30_digits_round_down", "0.0000000000000000000000000001", "10",
         "10.000000000000000000000000000"},
        {"add_30_digits_tie_even", "0.0000000000000000000000000005", "10",
         "10.000000000000000000000000000"},
        {"add_30_digits_tie_odd", "0.0000000000000000000000000015", "10",
         "10.000000000000000000000000002"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Text(Add(Dec(row.a), Dec(row.b))), row.expected);
    }
}

}  // namespace
}  // namespace numerel
