// Square roots: the shortcut that needs no precision, the answers that are not positive whole
// numbers, the refusal, and the scaling back of decimal radicands.
#include "core/long/long_sqrt.h"

#include <gtest/gtest.h>

#include <random>

#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"

namespace numerel {
namespace {

struct SqrtCase {
    const char* name;
    const char* radicand;
    std::optional<std::string> answer;  // nullopt: no precision needed
    const char* expected;
};

TEST(LongSquareRoot, Examples) {
    for (const SqrtCase& c : std::initializer_list<SqrtCase>{
             {"PerfectSquare", "144", std::nullopt, "12"},
             {"LongPerfectSquareAsks", "999999950000000625", "3", "999999975"},
             {"Two", "2", "10", "1.4142135623"},
             {"Ten", "10", "5", "3.16227"},
             {"Quarter", "0.25", std::nullopt, "0.5"},
             {"ExactDecimal", "12.25", std::nullopt, "3.5"},
             {"SmallExactDecimal", "0.0004", std::nullopt, "0.02"},
             {"DecimalTwelveAndAHalf", "12.5", "8", "3.53553390"},
             {"SmallDecimal", "0.02", "8", "0.14142135"},
             {"Fifth", "0.2", "8", "0.44721359"},
             {"FifteenDigitsNotSquare", "999999961946177", "2", "31622776"},
             {"Empty", "", std::nullopt, "0"},
             {"LeadingZerosSquare", "00144", std::nullopt, "12"},
             {"DecimalZeroFraction", "16.00", std::nullopt, "4"},
             {"ExactTenth", "0.01", std::nullopt, "0.1"},
             {"TinyExact", "0.0000000000000004", std::nullopt, "0.00000002"},
             {"SixteenDigitSquareAsks", "1000000025191729", "2", "31622777"},
             {"FifteenDigitSquareShortcut", "999999961946176", std::nullopt, "31622776"},
             {"SixteenDigitsNotSquare", "1000000000000000", "2", "31622776.6"},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SqrtNeedsPrecision(c.radicand), c.answer.has_value());
        bool exact = false;
        EXPECT_EQ(LongSqrt(c.radicand, ReadPrecision(c.answer.value_or("")), exact).digits,
                  c.expected);
        EXPECT_EQ(exact, !c.answer.has_value());
    }
}

TEST(LongSquareRoot, AnswersThatAreNotPositiveWholeNumbers) {
    for (const SqrtCase& c : std::initializer_list<SqrtCase>{
             {"ZeroGivesIntegerPart", "2", "0", "1"},
             {"ZeroLongRoot", "99980001000", "0", "316196"},
             {"NegativeGivesIntegerPart", "10", "-3", "3"},
             {"NotANumber", "10", "abc", "3"},
             {"FractionRoundsUp", "2", "2.5", "1.414"},
             {"DecimalRadicandZero", "12.5", "0", "3"},
             {"DecimalBelowOneZero", "0.02", "0", "0"},
         }) {
        SCOPED_TRACE(c.name);
        bool exact = false;
        const LongResult root = LongSqrt(c.radicand, ReadPrecision(c.answer.value()), exact);
        EXPECT_EQ(root.digits, c.expected);
        EXPECT_FALSE(root.refusal.has_value());
    }
    for (const char* radicand : {"2", "0.2"}) {
        SCOPED_TRACE(radicand);
        bool exact = false;
        const LongResult root = LongSqrt(radicand, ReadPrecision("1e9"), exact);
        EXPECT_EQ(root.refusal, LongRefusal::PrecisionTooLarge);
        EXPECT_EQ(root.digits, "");
    }
}

TEST(LongSquareRoot, DecimalRadicandsKeepTheRequestedDecimals) {
    // The root's zero decimals are trimmed before the point is moved back; the cut then takes
    // only the scaling digits off, so exactly N decimals remain.
    for (const SqrtCase& c : std::initializer_list<SqrtCase>{
             {"ZeroDecimalsBelowOne", "0.0100000001", "3", "0.100"},
             {"ZeroDecimalsAboveOne", "1.00000001", "3", "1.000"},
             {"SquareBeyondShortcut", "99999995000000.0625", "3", "9999999.750"},
             {"LeadingZerosOfIntegerPart", "007.5", "3", "2.738"},
             {"LeadingZerosBelowOne", "00.5", "3", "0.707"},
         }) {
        SCOPED_TRACE(c.name);
        bool exact = false;
        EXPECT_EQ(LongSqrt(c.radicand, ReadPrecision(c.answer.value()), exact).digits, c.expected);
    }
}

TEST(LongSquareRootProperty, RootsOfSquaresAndNeighbours) {
    std::mt19937_64 rng(99);
    for (int i = 0; i < 200; ++i) {
        const std::size_t length = 1 + rng() % 120;
        std::string root(length, '0');
        for (char& c : root) c = static_cast<char>('0' + rng() % 10);
        root[0] = static_cast<char>('1' + rng() % 9);
        const mpz_class value = DigitsToMpz(root);
        const std::string square = MpzToDigits(value * value);
        SCOPED_TRACE(root);
        bool exact = false;
        EXPECT_EQ(LongSqrt(square, ReadPrecision("0"), exact).digits, root);
        // One below a square: the integer part is one less, whatever the precision.
        EXPECT_EQ(LongSqrt(MpzToDigits(value * value - 1), ReadPrecision("0"), exact).digits,
                  MpzToDigits(value - 1));
    }
}

}  // namespace
}  // namespace numerel
