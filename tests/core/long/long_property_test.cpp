// The long-number operations against exact rational arithmetic done here, on GMP alone: no helper
// of the code under test reads or writes a numeral in these checks.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/exact_rational.h"
#include "core/long/long_div.h"
#include "core/long/long_quot.h"
#include "core/tools/fraction_tools.h"

namespace numerel {
namespace {

using exact::FractionDigits;
using exact::IntegerValue;
using exact::Value;

class Numerals {
public:
    explicit Numerals(unsigned seed) : random_(seed) {}

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string Digits(std::size_t count) {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits.push_back(static_cast<char>('0' + Below(10)));
        return digits;
    }

    // Leading zeros, a point or none, trailing zeros; up to `length` significant digits.
    std::string Numeral(std::size_t length, bool point) {
        std::string text = std::string(Below(3), '0') + Digits(1 + Below(length));
        if (point) {
            const std::size_t at = Below(text.size() + 1);
            text.insert(at, 1, '.');
        }
        return text + std::string(Below(3), '0');
    }

    std::string Integer(std::size_t length) { return Numeral(length, false); }

private:
    std::mt19937_64 random_;
};

// Every digit LongDiv shows is the truncated exact quotient at that many places.
TEST(LongProperty, DivisionDigitsAreTheTruncatedQuotient) {
    Numerals numerals(20261207);
    for (int i = 0; i < 3000; ++i) {
        const bool small_divisor = i % 3 == 0;  // short periods for the until-repeat answer
        const std::string a = numerals.Numeral(small_divisor ? 70 : 25, numerals.Below(2) == 0);
        const std::string b = numerals.Numeral(small_divisor ? 4 : 20, numerals.Below(2) == 0);
        const mpq_class va = Value(a), vb = Value(b);
        if (vb == 0) continue;
        const std::string answer = small_divisor ? "0" : std::to_string(1 + numerals.Below(60));
        SCOPED_TRACE(a + " / " + b + " precision " + answer);
        const std::string shown = LongDiv(a, b, ReadPrecision(answer)).digits;
        ASSERT_FALSE(shown.empty());
        const mpq_class quotient = va / vb;
        EXPECT_EQ(Value(shown), exact::Truncated(quotient, FractionDigits(shown))) << shown;
        if (!PlanDivision(a, b).NeedsPrecision()) {
            EXPECT_EQ(Value(shown), quotient) << shown;
        }
    }
}

TEST(LongProperty, QuotientTimesDivisorPlusRemainderIsTheDividend) {
    Numerals numerals(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string a = numerals.Integer(40);
        const std::string b = numerals.Integer(i % 2 == 0 ? 3 : 25);
        const mpz_class va = IntegerValue(a), vb = IntegerValue(b);
        if (vb == 0) continue;
        SCOPED_TRACE(a + " , " + b);
        const std::string quotient = LongIntQuot(a, b).digits;
        const std::string remainder = LongMod(a, b).digits;
        const mpz_class q = IntegerValue(quotient), r = IntegerValue(remainder);
        EXPECT_EQ(q * vb + r, va);
        EXPECT_TRUE(0 <= r && r < vb) << remainder;
    }
}

TEST(LongProperty, GcdDividesBothAndIsTheGreatest) {
    Numerals numerals(11);
    for (int i = 0; i < 2000; ++i) {
        // A shared factor makes gcds above 1 common.
        const mpz_class common = IntegerValue(numerals.Digits(1 + numerals.Below(8))) + 1;
        const std::string zeros_a(numerals.Below(2), '0'), zeros_b(numerals.Below(2), '0');
        const mpz_class va = common * (IntegerValue(numerals.Digits(1 + numerals.Below(15))) + 1);
        const mpz_class vb = common * (IntegerValue(numerals.Digits(1 + numerals.Below(15))) + 1);
        const std::string a = zeros_a + va.get_str(), b = zeros_b + vb.get_str();
        SCOPED_TRACE(a + " , " + b);
        const mpz_class g = IntegerValue(LongGcd(a, b).digits);
        ASSERT_NE(g, 0);
        EXPECT_EQ(va % g, 0);
        EXPECT_EQ(vb % g, 0);
        EXPECT_EQ(gcd(va / g, vb / g), 1);
    }
}

TEST(LongProperty, FractionToolsKeepTheValueTyped) {
    Numerals numerals(13);
    for (int i = 0; i < 2000; ++i) {
        const std::string x = numerals.Numeral(12, true);
        const std::string r = numerals.Digits(1 + numerals.Below(8));
        if (x == "0" || r == "0") continue;
        SCOPED_TRACE(x + " (" + r + ")");
        const std::optional<Fraction> fraction = RepeatingDecimalToFraction(x, r);
        ASSERT_TRUE(fraction.has_value());
        const mpq_class typed = exact::RepeatingValue(x, r);
        EXPECT_EQ(
            exact::Ratio(IntegerValue(fraction->numerator), IntegerValue(fraction->denominator)),
            typed);
        if (IntegerValue(fraction->numerator) == 0) continue;  // the page does not reduce 0
        const std::optional<Fraction> reduced =
            ReduceFraction(fraction->numerator, fraction->denominator);
        ASSERT_TRUE(reduced.has_value());
        const mpz_class n = IntegerValue(reduced->numerator),
                        d = IntegerValue(reduced->denominator);
        EXPECT_EQ(exact::Ratio(n, d), typed);
        EXPECT_EQ(gcd(n, d), 1);
    }
}

TEST(LongProperty, GcdPageShowsTheDivisorAndTheMultiple) {
    Numerals numerals(17);
    for (int i = 0; i < 1000; ++i) {
        const std::string a = numerals.Integer(20);
        const std::string b = numerals.Integer(20);
        SCOPED_TRACE(a + " , " + b);
        const mpz_class va = IntegerValue(a), vb = IntegerValue(b);
        const std::string pane = GcdLcmRun(GcdLcmOperands{a, b});
        const mpz_class g = gcd(va, vb);
        mpz_class l;
        mpz_lcm(l.get_mpz_t(), va.get_mpz_t(), vb.get_mpz_t());
        // The divisor may keep the leading zeros of an operand it equals ("006"): compared by
        // value.
        const std::string gcd_caption = "最大公约数是", lcm_caption = "\r\n最小公倍数是";
        const std::size_t line_end = pane.find(lcm_caption);
        ASSERT_TRUE(pane.starts_with(gcd_caption) && line_end != std::string::npos) << pane;
        const std::string shown_g = pane.substr(gcd_caption.size(), line_end - gcd_caption.size());
        const std::string shown_l = pane.substr(line_end + lcm_caption.size());
        ASSERT_FALSE(shown_g.empty());
        ASSERT_FALSE(shown_l.empty());
        EXPECT_EQ(IntegerValue(shown_g), g);
        EXPECT_EQ(IntegerValue(shown_l), l);
    }
}

}  // namespace
}  // namespace numerel
