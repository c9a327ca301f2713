// Division to a precision and until the repetend recurs: the worked examples, when a precision
// is needed, the refusals, the fast digit generator against a digit-by-digit loop, and the
// safety stops.
#include "core/long/long_div.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "core/long/long_expansion.h"
#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"
#include "core/run_control.h"

namespace numerel {
namespace {

mpz_class Pow10(int n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return p;
}

mpz_class Pow5(int n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 5, static_cast<unsigned long>(n));
    return p;
}

struct DivCase {
    const char* name;
    const char* a;
    const char* b;
    std::optional<std::string> answer;  // nullopt: no precision needed
    std::string expected;
};

TEST(LongDivision, Examples) {
    const std::string seven =
        "0." + std::string("142857142857142857142857142857142857142857142857");
    for (const DivCase& c : std::initializer_list<DivCase>{
             {"Eighth", "1", "8", std::nullopt, "0.125"},
             {"HundredEighths", "100", "8", std::nullopt, "12.5"},
             {"SixQuarters", "6", "4", std::nullopt, "1.5"},
             {"SameTexts", "7", "7", std::nullopt, "1"},
             {"ZeroDividend", "0", "5", std::nullopt, "0"},
             {"DecimalThree", "1.5", "0.5", std::nullopt, "3"},
             {"DecimalOne", "2.5", "2.50", std::nullopt, "1"},
             {"ByQuarter", "1", "0.25", std::nullopt, "4"},
             {"ByHundred", "0.3", "100", std::nullopt, "0.003"},
             {"ThirdFiveDigits", "1", "3", "5", "0.33333"},
             {"TwoDigitsPerStep", "1", "97", "3", "0.0103"},
             {"NonPeriodicDigitFirst", "1", "6", "4", "0.16666"},
             {"SevenUntilRepeat", "1", "7", "0", seven},
             {"ThirdUntilRepeat", "1", "3", "0", "0." + std::string(40, '3')},
             {"TwentyTwoSevenths", "22", "7", "0",
              "3.142857142857142857142857142857142857142857142857"},
             // The first 50-digit step already holds the window twice: one more step is made.
             {"WindowTwiceInTheFirstStep", "1",
              "99999999999999999999999999999999999999999999999999", "0",
              "0." + std::string(49, '0') + "1" + std::string(49, '0') + "1"},
             {"DivisorOne", "0042", "1", std::nullopt, "42"},
             {"TrailingZerosBack", "12000", "300", std::nullopt, "40"},
             {"TrailingZerosOfDivisor", "1", "4000", std::nullopt, "0.00025"},
             {"NonNumericAnswerOneStep", "1", "7", "abc", "0.1"},
             {"NegativeAnswerOneStep", "1", "97", "-5", "0.01"},
             {"FractionalAnswer", "1", "3", "2.5", "0.333"},
             {"ZeroTextsAnswer", "1", "3", "00", "0.3"},
             {"StepPastN", "1", "1001", "2", "0.0009"},
             {"DecimalPeriodic", "1.5", "0.7", "4", "2.1428"},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlanDivision(c.a, c.b).NeedsPrecision(), c.answer.has_value());
        const LongResult result = LongDiv(c.a, c.b, ReadPrecision(c.answer.value_or("")));
        EXPECT_EQ(result.digits, c.expected);
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_FALSE(result.repetend_not_found);
    }
}

TEST(LongDivision, Refusals) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        const char* answer;
        LongRefusal refusal;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"ZeroDivisor", "5", "0", "5", LongRefusal::ZeroDivisor},
             {"EmptyDivisor", "5", "", "5", LongRefusal::ZeroDivisor},
             {"DecimalZeroDivisor", "5", "0.0", "5", LongRefusal::ZeroDivisor},
             // Equal texts, but zero over zero is no 1.
             {"ZeroOverZeroDecimal", "0.0", "0.0", "5", LongRefusal::ZeroDivisor},
             {"PointOverPoint", ".", ".", "5", LongRefusal::ZeroDivisor},
             {"PrecisionTooLarge", "1", "3", "1e9", LongRefusal::PrecisionTooLarge},
             {"PrecisionNotANumber", "1", "3", "1e999", LongRefusal::PrecisionTooLarge},
             {"DecimalPrecisionTooLarge", "1.5", "0.7", "1e9", LongRefusal::PrecisionTooLarge},
         }) {
        SCOPED_TRACE(c.name);
        const LongResult result = LongDiv(c.a, c.b, ReadPrecision(c.answer));
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_EQ(result.digits, "");
    }
    // A terminating quotient reads no precision: none is too large for it.
    EXPECT_EQ(LongDiv("1", "8", ReadPrecision("1e9")).digits, "0.125");
}

// r / q digit by digit, the plain way.
std::string NaiveDigits(mpz_class r, const mpz_class& q, std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) {
        r *= 10;
        const mpz_class d = r / q;
        digits += static_cast<char>('0' + d.get_ui());
        r -= d * q;
    }
    return digits;
}

TEST(LongExpansion, PiecesAgreeWithDigitLoop) {
    struct Case {
        const char* name;
        const char* r;
        std::string q;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Seventh", "1", "7"},
             {"LargestWord", "12345678901234567", "18446744073709551557"},
             {"AboveWord", "5", "18446744073709551629"},
             {"LongDivisor", "1",
              "100000000000000000000000000000000000000000000000000000000000003"},
             {"ZerosInside", "1", "100003"},
             {"SevenHundredDigitDivisor", "1", "1" + std::string(699, '0') + "7"},
         }) {
        SCOPED_TRACE(c.name);
        const mpz_class r(c.r), q(c.q);
        const std::size_t total = 70000;  // past the first GMP chunk
        const std::string expected = NaiveDigits(r, q, total);
        ExpansionDigits whole(r, q);
        std::string at_once;
        whole.Append(total, at_once);
        EXPECT_EQ(at_once, expected);
        ExpansionDigits pieces(r, q);
        std::string piecewise;
        std::size_t size = 1;
        while (piecewise.size() < total) {
            pieces.Append(std::min(size, total - piecewise.size()), piecewise);
            size = size * 3 + 1;
        }
        EXPECT_EQ(piecewise, expected);
    }
}

TEST(LongExpansion, StepsEndAtNonZeroDigits) {
    std::int32_t k = 0;
    DigitString r = "1";
    DigitString digits;
    LongDivStep(r, "97", k, digits);
    EXPECT_EQ(k, 2);
    EXPECT_EQ(digits, "01");
    EXPECT_EQ(r, "3");
    LongDivStep(r, "97", k, digits);
    EXPECT_EQ(digits, "0103");
    EXPECT_EQ(r, "9");
    EXPECT_EQ(ExpansionToPrecision(1, 97, 3), "0103");
    EXPECT_EQ(ExpansionToPrecision(1, 97, 0), "01");
    EXPECT_EQ(ExpansionToPrecision(1, 100003, 3), "000009");
    EXPECT_THROW(LongDivStep(r, "0", k, digits), std::invalid_argument);
}

TEST(LongExpansion, UntilRepeatWithLongPeriods) {
    struct Case {
        const char* name;
        const char* q;
        std::size_t period;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"PrimeBelowWord", "10007", 10006},
             // 3*7*11*13*37*41*73*101*137*271*9091*9901: above 2^64, period 120; then times
             // 10007: period lcm(120, 10006).
             {"AboveWordShortPeriod", "112244668899998866442211", 120},
             {"AboveWordLongPeriod", "1123232401682288656487205477", 600360},
         }) {
        SCOPED_TRACE(c.name);
        const mpz_class q(c.q);
        bool stopped = true;
        const std::string digits = ExpansionUntilRepeat(1, q, &stopped);
        EXPECT_FALSE(stopped);
        EXPECT_EQ(digits, NaiveDigits(1, q, digits.size()));
        // The window (digits 11-30) is back one period later, and the text ends right after
        // that copy, at the first non-zero digit.
        ASSERT_GE(digits.size(), c.period + 30);
        EXPECT_EQ(digits.substr(c.period + 10, 20), digits.substr(10, 20));
        const std::size_t end = digits.find_first_not_of('0', c.period + 29) + 1;
        EXPECT_EQ(digits.size(), end);
    }
}

TEST(LongExpansion, UntilRepeatStopsAtTheLimit) {
    // 1000000007 is prime and 10 has order above 10^8 modulo it.
    bool stopped = false;
    const std::string digits = ExpansionUntilRepeat(1, 1000000007, &stopped, 100000);
    EXPECT_TRUE(stopped);
    EXPECT_GE(digits.size(), 100000u);
    EXPECT_LE(digits.size(), 100010u);
    EXPECT_NE(digits.back(), '0');
    EXPECT_EQ(digits, NaiveDigits(1, 1000000007, digits.size()));
}

// The window's stop button: a long expansion gives up within a few milliseconds of the request,
// on the machine-word path and on the GMP path alike.
TEST(LongDivision, StopsWhenTheRunIsAskedTo) {
    for (const char* divisor :
         {"10000019", "100000000000000000000000000000000000000000000000003"}) {
        SCOPED_TRACE(divisor);
        StopToken token;
        token.RequestStop();
        const StopScope scope(token);
        EXPECT_THROW(LongDiv("1", divisor, ReadPrecision("0")), RunStopped);
    }
}

// Operands of 100000 digits and more are divided in a child process and the digits handed
// back; each kind of result must arrive whole, checked against GMP directly.
TEST(LongDivision, LargeOperandsGiveGmpsDigits) {
    gmp_randclass random(gmp_randinit_default);
    random.seed(19);
    const auto digits = [&](int count) {
        mpz_class value = random.get_z_range(mpz_class(9) * Pow10(count - 1)) + Pow10(count - 1);
        return value;
    };
    const mpz_class b = digits(50000) * 10 + 7;  // neither 2 nor 5 divides it
    const mpz_class c = digits(50000);

    {
        SCOPED_TRACE("whole");
        EXPECT_EQ(LongDiv(MpzToDigits(b * c), MpzToDigits(b), Precision{}).digits, MpzToDigits(c));
    }
    {
        SCOPED_TRACE("terminating");
        const mpz_class a = digits(100000) * 10 + 1;
        // a / 2^20 = a 5^20 / 10^20.
        const std::string expected = MpzToDigits(a * Pow5(20));
        EXPECT_EQ(
            LongDiv(MpzToDigits(a), "1048576", Precision{}).digits,
            expected.substr(0, expected.size() - 20) + "." + expected.substr(expected.size() - 20));
    }
    {
        SCOPED_TRACE("repeating, 300 decimals");
        const mpz_class a = digits(60000);
        const std::string result =
            LongDiv(MpzToDigits(a), MpzToDigits(b), ReadPrecision("300")).digits;
        const std::size_t point = result.find('.');
        ASSERT_NE(point, std::string::npos);
        const std::size_t decimals = result.size() - point - 1;
        EXPECT_GE(decimals, 300u);
        EXPECT_LE(decimals, 300u + 50001u);
        const mpz_class scaled = a * Pow10(static_cast<int>(decimals)) / b;
        EXPECT_EQ(result.substr(0, point) + result.substr(point + 1), MpzToDigits(scaled));
    }
}

}  // namespace
}  // namespace numerel
