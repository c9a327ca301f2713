// Exact results of the long-number operations: the worked examples of each operation, the
// guards that decide the visible texts, and algebraic properties on seeded random operands.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "core/long/long_add_sub.h"
#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"
#include "core/long/long_pow.h"
#include "core/long/long_quot.h"

namespace numerel {
namespace {

struct BinaryCase {
    const char* name;
    const char* a;
    const char* b;
    const char* expected;
};

using Binary = DigitString (*)(const DigitString&, const DigitString&);

void ExpectTable(Binary operation, std::initializer_list<BinaryCase> cases) {
    for (const BinaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(operation(c.a, c.b), c.expected);
    }
}

TEST(LongArith, Add) {
    ExpectTable(LongAdd, {
                             {"CarryOutOfOnlyLimb", "99999999999999", "1", "100000000000000"},
                             {"ZeroGivesOtherUnchanged", "0", "007", "007"},
                             {"EmptyGivesOtherUnchanged", "5", "", "5"},
                             {"LeadingZerosTrimmed", "007", "5", "12"},
                             {"DecimalsToInteger", "1.5", "2.5", "4"},
                             {"DecimalDigits", "0.1", "0.02", "0.12"},
                             {"IntegerAndDecimal", "12", "0.5", "12.5"},
                             {"HalfAndQuarter", "0.5", "0.25", "0.75"},
                             {"CarryAcrossLimbs", "9999999999999999999999999999", "1",
                              "10000000000000000000000000000"},
                             {"ZeroDecimalUntouched", ".5", "0", ".5"},
                         });
}

TEST(LongArith, Sub) {
    ExpectTable(LongSub, {
                             {"OneLimbAndTop", "1000000000000000", "1", "999999999999999"},
                             {"BorrowThroughZeroLimb", "1000000000000000000000000000000", "1",
                              std::string(30, '9').c_str()},
                             {"EqualGivesZero", "5", "5", "0"},
                             {"EmptySubtrahend", "5", "", "5"},
                             {"ZeroSubtrahendTrimsMinuend", "007", "0", "7"},
                             {"Decimals", "1.25", "0.75", "0.5"},
                             {"IntegerMinusDecimal", "3", "2.5", "0.5"},
                             {"EqualValuesDifferentTexts", "1.50", "1.5", "0"},
                             {"SmallerMinuendIsNegative", "3", "10", "-7"},
                             {"SmallerDecimalMinuend", "0.5", "0.75", "-0.25"},
                             {"EmptyMinuend", "", "5", "-5"},
                         });
}

TEST(LongArith, Mul) {
    ExpectTable(LongMul, {
                             {"ByZero", "12", "0", "0"},
                             {"EmptyFactor", "", "5", "0"},
                             {"OneGivesTrimmedOther", "1", "0.50", "0.5"},
                             {"Halves", "0.5", "0.5", "0.25"},
                             {"DecimalTimesInteger", "1.5", "4", "6"},
                             {"SmallDecimals", "0.02", "0.3", "0.006"},
                             {"TrailingZeros", "100", "25", "2500"},
                             {"ZeroDigitsInMultiplier", "5", "1001", "5005"},
                             {"FourteenNines", "99999999999999", "99999999999999",
                              "9999999999999800000000000001"},
                             {"LeadingZerosTrimmed", "007", "1", "7"},
                         });
}

TEST(LongArith, Pow) {
    ExpectTable(LongPow, {
                             {"TwoToTen", "2", "10", "1024"},
                             {"DecimalSquare", "1.5", "2", "2.25"},
                             {"ZeroToZero", "0", "0", "1"},
                             {"ToZero", "7", "0", "1"},
                             {"ZeroToFive", "0", "5", "0"},
                             {"TenCubed", "10", "3", "1000"},
                             {"ExponentOneLeavesBase", "00.50", "1", "00.50"},
                             {"ExponentZeroOneTrimsBase", "00.50", "01", "00.5"},
                             {"EmptyExponent", "3", "", "1"},
                             {"EmptyBase", "", "3", "0"},
                             {"SmallDecimalPower", "0.01", "3", "0.000001"},
                             {"OnePointZero", "1.0", "50", "1"},
                             {"TrailingZerosOfBase", "200", "3", "8000000"},
                         });
}

TEST(LongArith, PowRefusesWhatCannotBeHeld) {
    EXPECT_THROW(LongPow("2", "2147483648"), std::out_of_range);
    EXPECT_THROW(LongPow("123", "2147483647"), std::length_error);
    EXPECT_EQ(LongPow("1.0", "2147483647"), "1");
    EXPECT_EQ(LongPow("0.0", "2147483647"), "0");
}

TEST(LongArith, RoundedLeadingInteger) {
    struct Case {
        const char* name;
        const char* text;
        std::int64_t expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Plain", "2147483647", 2147483647},
             {"HalfDown", "2.5", 2},
             {"HalfUp", "3.5", 4},
             {"AboveHalf", "2.51", 3},
             {"BelowHalf", "2.49", 2},
             {"Negative", "-3", -3},
             {"Empty", "", 0},
             {"NoNumber", "abc", 0},
             {"TrailingText", "12abc", 12},
             {"Saturates", "99999999999999999999999", std::int64_t{1} << 62},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoundedLeadingInteger(c.text), c.expected);
    }
}

TEST(LongArith, Factorial) {
    EXPECT_EQ(LongFactorial(0), "1");
    EXPECT_EQ(LongFactorial(-5), "1");
    EXPECT_EQ(LongFactorial(5), "120");
    EXPECT_EQ(LongFactorial(25), "15511210043330985984000000");
    EXPECT_THROW(LongFactorial(2147483647), std::length_error);
    // 100! has 158 digits.
    EXPECT_EQ(LongFactorial(100).size(), 158u);
    EXPECT_NEAR(EstimateFactorialLength(100), 158.0, 1.0);
    EXPECT_NEAR(EstimatePowerLength("2", 1000), 302.0, 1.0);
    EXPECT_NEAR(EstimatePowerLength("0.001", 1000), 3002.0, 1.0);
}

struct QuotCase {
    const char* name;
    const char* a;
    const char* b;
    const char* quotient;
    const char* remainder;
    bool zero_divisor;  // refused, no digits
};

TEST(LongArith, IntQuotAndMod) {
    for (const QuotCase& c : std::initializer_list<QuotCase>{
             {"Exact", "100", "10", "10", "0", false},
             {"Long", "12345678901234567890", "987654321", "12499999887", "339506163", false},
             {"SmallerDividend", "7", "9", "0", "7", false},
             {"LeadingZeros", "0012", "5", "2", "2", false},
             {"ZeroDivisor", "5", "0", "", "", true},
             {"EmptyDivisor", "5", "", "", "", true},
             {"ZerosDivisor", "5", "000", "", "", true},
             {"DivisorOne", "0042", "1", "42", "0", false},
             // An empty dividend is 0 (the step-by-step procedure left "" here).
             {"EmptyDividendByOne", "", "1", "0", "0", false},
             {"EmptyDividend", "", "7", "0", "0", false},
             {"Equal", "123", "123", "1", "0", false},
         }) {
        SCOPED_TRACE(c.name);
        const std::optional<LongRefusal> refusal =
            c.zero_divisor ? std::optional(LongRefusal::ZeroDivisor) : std::nullopt;
        const LongResult quotient = LongIntQuot(c.a, c.b);
        EXPECT_EQ(quotient.digits, c.quotient);
        EXPECT_EQ(quotient.refusal, refusal);
        const LongResult remainder = LongMod(c.a, c.b);
        EXPECT_EQ(remainder.digits, c.remainder);
        EXPECT_EQ(remainder.refusal, refusal);
    }
}

TEST(LongArith, RefusalBoxes) {
    EXPECT_EQ(RefusalMessage(LongRefusal::ZeroDivisor),
              (Message{"除数为零!", "除数为零!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(RefusalMessage(LongRefusal::PrecisionTooLarge),
              (Message{"精确度位数太大,最多 100,000,000 位", "设定精确度", MessageIcon::Exclamation,
                       MessageButtons::Ok}));
}

TEST(LongArith, Gcd) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        const char* expected;
        bool zero_divisor;  // refused
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Small", "12", "18", "6", false},
             {"Swapped", "18", "12", "6", false},
             {"Coprime", "17", "5", "1", false},
             {"ZeroOperand", "0", "5", "", false},
             {"EmptyOperand", "5", "", "", false},
             {"DivisorKeptAsGiven", "12", "006", "006", false},
             {"Long", "123456789012345678901234567890", "987654321098765432109876543210",
              "9000000000900000000090", false},
             {"ZerosAsDivisor", "00", "5", "", true},
         }) {
        SCOPED_TRACE(c.name);
        const LongResult g = LongGcd(c.a, c.b);
        EXPECT_EQ(g.digits, c.expected);
        EXPECT_EQ(g.refusal.has_value(), c.zero_divisor);
    }
}

std::string RandomDigits(std::mt19937_64& rng, std::size_t max_length) {
    std::uniform_int_distribution<std::size_t> length(1, max_length);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text(length(rng), '0');
    for (char& c : text) c = static_cast<char>('0' + digit(rng));
    text[0] = static_cast<char>('1' + digit(rng) % 9);
    return text;
}

TEST(LongArithProperty, IntegerIdentities) {
    std::mt19937_64 rng(20240611);
    const auto quot = [](const std::string& a, const std::string& b) {
        return LongIntQuot(a, b).digits;
    };
    const auto mod = [](const std::string& a, const std::string& b) {
        return LongMod(a, b).digits;
    };
    for (int i = 0; i < 300; ++i) {
        const std::string a = RandomDigits(rng, 400);
        const std::string b = RandomDigits(rng, 200);
        SCOPED_TRACE(a + " " + b);
        EXPECT_EQ(LongSub(LongAdd(a, b), b), a);
        EXPECT_EQ(quot(LongMul(a, b), b), a);
        const std::string q = quot(a, b);
        const std::string r = mod(a, b);
        EXPECT_EQ(LongAdd(LongMul(q, b), r), a);
        EXPECT_EQ(LongCompare(r, b), -1);
        const std::string g = LongGcd(a, b).digits;
        EXPECT_EQ(mod(a, g), "0");
        EXPECT_EQ(mod(b, g), "0");
        EXPECT_EQ(LongGcd(quot(a, g), quot(b, g)).digits, "1");
    }
}

}  // namespace
}  // namespace numerel
