// Integer expressions in the integer fields, against GMP arithmetic done here, and what every
// reader and the change reaction make of them.
#include "core/input/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/input/pick_path.h"
#include "core/input/read_number.h"

namespace numerel {
namespace {

mpz_class Pow(long base, unsigned long exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), static_cast<unsigned long>(std::labs(base)), exponent);
    return base < 0 && exponent % 2 == 1 ? mpz_class(-result) : result;
}

mpz_class Factorial(unsigned long n) {
    mpz_class result;
    mpz_fac_ui(result.get_mpz_t(), n);
    return result;
}

struct ValueCase {
    const char* text;
    mpz_class expected;
};

TEST(Expression, EvaluatesAsGmpDoes) {
    const std::vector<ValueCase> cases = {
        {"2^128+1", Pow(2, 128) + 1},
        {"10^50+151", Pow(10, 50) + 151},
        {"3*7^40-2", 3 * Pow(7, 40) - 2},
        {"100!+1", Factorial(100) + 1},
        {"(2^61-1)*(2^89-1)", (Pow(2, 61) - 1) * (Pow(2, 89) - 1)},
        {"2^3^2", Pow(2, 9)},  // right-associative
        {"-2^2", -4},          // the sign applies to the power
        {"(-2)^3", -8},
        {"2^-0", 1},
        {"2*3+4*5", 26},
        {"2+3*4^2", 50},
        {"(2+3)*4", 20},
        {"20-5-3", 12},  // left-associative
        {"1000/10/5", 20},
        {"3!!", 720},  // (3!)!
        {"2^3!", 64},
        {"-3!", -6},
        {"0!", 1},
        {"0^0", 1},
        {"(-1)^(10^100+1)", -1},
        {"1^(10^100)", 1},
        {"2×3", 6},
        {"2*-3", -6},
        {"-(3-5)", 2},
        {" 2 ^ 10\t+ 1 ", 1025},
        {"1e3+1", 1001},
        {"1.5e1*2", 30},
        {"12.0/4", 3},
        {"1D3-1", 999},
        {"1000!/998!", 999000},  // values on the way may pass the limit
        {"10^1000-1", Pow(10, 1000) - 1},
        {"-(10^1000-1)", 1 - Pow(10, 1000)},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.text);
        const ExpressionValue value = EvaluateExpression(c.text);
        ASSERT_EQ(value.status, ExpressionStatus::Value);
        EXPECT_EQ(value.value, c.expected);
    }
}

TEST(Expression, RefusesWhatHasNoIntegerValueOrIsTooLong) {
    const struct {
        std::string text;
        ExpressionStatus status;
    } cases[] = {
        // Plain numerals and incomplete texts keep the readers' own rules.
        {"12", ExpressionStatus::NotExpression},
        {"-5", ExpressionStatus::NotExpression},
        {"1e16", ExpressionStatus::NotExpression},
        {" 1 2 ", ExpressionStatus::NotExpression},
        {"12abc", ExpressionStatus::NotExpression},
        {"2^128+1x", ExpressionStatus::NotExpression},
        {"2^", ExpressionStatus::NotExpression},
        {"(2", ExpressionStatus::NotExpression},
        {"2)", ExpressionStatus::NotExpression},
        {"2(3)", ExpressionStatus::NotExpression},
        {"2**3", ExpressionStatus::NotExpression},
        {"--5", ExpressionStatus::NotExpression},
        {"&HFF+1", ExpressionStatus::NotExpression},
        {"", ExpressionStatus::NotExpression},
        {std::string(300, '(') + "1" + std::string(300, ')'), ExpressionStatus::NotExpression},
        {"7/2", ExpressionStatus::NotInteger},
        {"1/0", ExpressionStatus::NotInteger},
        {"2.5*2", ExpressionStatus::NotInteger},
        {"2^-1", ExpressionStatus::NotInteger},
        {"0^-1", ExpressionStatus::NotInteger},
        {"(-3)!", ExpressionStatus::NotInteger},
        {"10^1000", ExpressionStatus::TooLarge},
        {"-10^1000", ExpressionStatus::TooLarge},
        {"10^999*10", ExpressionStatus::TooLarge},
        {"10^10^10", ExpressionStatus::TooLarge},
        {"9^9^9^9", ExpressionStatus::TooLarge},
        {"99999!", ExpressionStatus::TooLarge},
        {"2^100000", ExpressionStatus::TooLarge},
        {"(10^10^10)/(10^10^10)", ExpressionStatus::TooLarge},
        {"1e99999999999999+1", ExpressionStatus::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateExpression(c.text).status, c.status);
    }
}

TEST(Expression, LimitIsAParameter) {
    EXPECT_EQ(EvaluateExpression("10^29-1", 29).status, ExpressionStatus::Value);
    EXPECT_EQ(EvaluateExpression("10^29", 29).status, ExpressionStatus::TooLarge);
    EXPECT_EQ(EvaluateExpression("30!/28!", 29).value, 870);
}

// A random expression as a tree: its text (fully parenthesised, with blanks and both signs of
// multiplication here and there) and its value, computed on the tree.
struct Built {
    std::string text;
    mpz_class value;
};

Built Build(std::mt19937_64& random, int depth) {
    std::uniform_int_distribution<int> pick(0, 99);
    const int kind = depth == 0 ? 0 : pick(random) % 7;
    const auto blank = [&] { return pick(random) < 20 ? std::string(" ") : std::string(); };
    if (kind == 0) {
        const unsigned long n = std::uniform_int_distribution<unsigned long>(0, 1'000'000)(random);
        return {std::to_string(n), mpz_class(n)};
    }
    if (kind == 5) {  // a small power
        Built base = Build(random, depth - 1);
        const unsigned long e = static_cast<unsigned long>(pick(random) % 5);
        mpz_class value;
        mpz_pow_ui(value.get_mpz_t(), base.value.get_mpz_t(), e);
        return {"(" + base.text + ")" + blank() + "^" + blank() + std::to_string(e), value};
    }
    if (kind == 6) {  // a small factorial, or a negation
        if (pick(random) < 50) {
            const unsigned long n = static_cast<unsigned long>(pick(random) % 30);
            return {std::to_string(n) + "!", Factorial(n)};
        }
        Built inner = Build(random, depth - 1);
        return {"-(" + inner.text + ")", -inner.value};
    }
    Built a = Build(random, depth - 1);
    Built b = Build(random, depth - 1);
    const std::string left = "(" + a.text + ")" + blank();
    const std::string right = blank() + "(" + b.text + ")";
    switch (kind) {
        case 1:
            return {left + "+" + right, a.value + b.value};
        case 2:
            return {left + "-" + right, a.value - b.value};
        case 3:
            return {left + (pick(random) < 50 ? "*" : "×") + right, a.value * b.value};
        default:  // an exact division: (a*b)/b
            if (b.value == 0) return {left + "+" + right, a.value + b.value};
            return {"(" + left + "*" + right + ")/" + right, a.value};
    }
}

TEST(Expression, SeededRandomTreesAgreeWithGmp) {
    std::mt19937_64 random(2026);
    mpz_class limit;
    mpz_ui_pow_ui(limit.get_mpz_t(), 10, kMaxInputDigits);
    int checked = 0;
    for (int i = 0; i < 2000; ++i) {
        const Built built = Build(random, 1 + i % 5);
        if (abs(built.value) >= limit) continue;
        const ExpressionValue value = EvaluateExpression(built.text);
        if (built.text.find_first_of("+-*/^!(×") == std::string::npos) continue;  // a numeral
        ASSERT_EQ(value.status, ExpressionStatus::Value) << built.text;
        ASSERT_EQ(value.value, built.value) << built.text;
        ++checked;
    }
    EXPECT_GT(checked, 1500);
}

// A complete expression means its value on both paths; beyond them, each reader's own refusal.
TEST(Expression, EveryReaderTakesTheValue) {
    EXPECT_EQ(ReadNumber("2^128+1"), std::ldexp(1.0, 128));
    EXPECT_EQ(ReadNumber("2^53+1"), std::ldexp(1.0, 53));  // ties to even, as a numeral would
    EXPECT_EQ(ReadNumber("-(2^10)"), -1024.0);
    EXPECT_EQ(ReadNumber("10^1000"), HUGE_VAL);
    EXPECT_TRUE(std::isnan(ReadNumber("7/2")));
    EXPECT_FALSE(IsWhole(ReadNumber("7/2")));

    const ExactInteger exact = ReadExactInteger("2^96-1");
    EXPECT_EQ(exact.status, ExactStatus::Exact);
    EXPECT_TRUE(exact.value == Decimal96::kMaxMagnitude);
    EXPECT_EQ(ReadExactInteger("2^96").status, ExactStatus::Overflow);
    EXPECT_EQ(ReadExactInteger("1-2").status, ExactStatus::Negative);
    EXPECT_EQ(ReadExactInteger("7/2").status, ExactStatus::Fraction);

    const DecimalRead decimal = ReadDecimal("2^64+1");
    ASSERT_EQ(decimal.status, DecimalStatus::Ok);
    EXPECT_EQ(decimal.value.ToString(), "18446744073709551617");
    EXPECT_EQ(ReadDecimal("2^96").status, DecimalStatus::Overflow);
    EXPECT_EQ(ReadDecimal("7/2").status, DecimalStatus::NotANumber);
    EXPECT_FALSE(ReadDecimalIntegerPart("7/2").has_value());

    // The calculator's precision answers are no integer field: their numeral only.
    EXPECT_EQ(ReadLeadingNumber("2^10"), 2.0);
}

TEST(Expression, LargeReadersGoToAThousandDigits) {
    const BigInteger big = ReadExactBigInteger("2^128+1x");
    EXPECT_EQ(big.status, ExactStatus::Exact);
    EXPECT_EQ(big.value, 2);  // not an expression: the numeral at the start
    EXPECT_TRUE(big.rest_ignored);

    const BigInteger numeral = ReadExactBigInteger("1e50abc");
    EXPECT_EQ(numeral.value, Pow(10, 50));
    EXPECT_TRUE(numeral.rest_ignored);
    EXPECT_FALSE(ReadExactBigInteger(" 1 2 ").rest_ignored);
    EXPECT_EQ(ReadExactBigInteger("1e1000x").status, ExactStatus::Overflow);
    EXPECT_EQ(ReadExactBigInteger("1e999x").value, Pow(10, 999));

    const std::optional<BigInteger> part =
        ReadDecimalBigIntegerPart("123456789012345678901234567890.9");
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(part->value, mpz_class("123456789012345678901234567890"));
    EXPECT_EQ(ReadDecimalBigIntegerPart("-1e1000")->status, ExactStatus::Overflow);
    EXPECT_EQ(ReadDecimalBigIntegerPart("-1e50")->status, ExactStatus::Negative);
    EXPECT_FALSE(ReadDecimalBigIntegerPart("1e50x").has_value());
}

TEST(Expression, ChangeReactionPicksTheButtonForTheValue) {
    using B = PathButton;
    const struct {
        const char* text;
        InputLimit limit;
        std::optional<B> button;
        bool over_limit;
    } cases[] = {
        {"2^10", InputLimit::Decimal96, B::Binary64, false},
        {"10^15", InputLimit::Decimal96, B::Decimal96, false},
        {"10^15-1", InputLimit::Decimal96, B::Binary64, false},
        {"2^96-1", InputLimit::Decimal96, B::Decimal96, false},
        {"2^96", InputLimit::Decimal96, B::Decimal96, false},  // refused on click
        {"10^10^10", InputLimit::Decimal96, B::Decimal96, false},
        {"7/2", InputLimit::Decimal96, std::nullopt, false},
        {"2^", InputLimit::Decimal96, std::nullopt, false},
        {"2^128+1", InputLimit::Digits1000, B::Decimal96, false},
        {"1e50", InputLimit::Digits1000, B::Decimal96, false},
        {"-1e50", InputLimit::Digits1000, B::Binary64, false},
        {"10^1000-1", InputLimit::Digits1000, B::Decimal96, false},
        {"10^1000", InputLimit::Digits1000, B::Decimal96, false},
        {"1e1000", InputLimit::Digits1000, std::nullopt, true},
        {"-1e1000", InputLimit::Digits1000, std::nullopt, true},
        {"99999!", InputLimit::Digits1000, B::Decimal96, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<std::string> fields{c.text};
        const PathDecision decision = PickPath(fields, c.limit);
        EXPECT_EQ(decision.button, c.button);
        EXPECT_EQ(decision.over_limit, c.over_limit);
    }
    EXPECT_EQ(OverLimitMessage(InputLimit::Digits1000),
              (Message{"很抱歉!,最大只能到\r10^1000-1(1000位)", "输入超限",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
}

}  // namespace
}  // namespace numerel
