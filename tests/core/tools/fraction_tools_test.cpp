// The fraction tools page without its window: gcd and lcm, repeating decimal to fraction,
// reduction, and properties tying them to the division.
#include "core/tools/fraction_tools.h"

#include <gtest/gtest.h>

#include <random>
#include <variant>

#include "core/long/long_div.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"

namespace numerel {
namespace {

std::string Pane(const std::string& g, const std::string& l) {
    return "最大公约数是" + g + "\r\n最小公倍数是" + l;
}

// The pane of two boxes the check accepts, as the page computes it.
std::string GcdLcmPane(const std::string& a, const std::string& b) {
    const GcdLcmChecked checked = GcdLcmCheck(a, b);
    const auto* operands = std::get_if<GcdLcmOperands>(&checked);
    EXPECT_NE(operands, nullptr) << a << ", " << b;
    return operands != nullptr ? GcdLcmRun(*operands) : "(rejected)";
}

TEST(GcdLcmTool, Panes) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        std::string pane;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"TwelveEighteen", "12", "18", Pane("6", "36")},
             {"FourTen", "4", "10", Pane("2", "20")},
             {"Coprime", "17", "5", Pane("1", "85")},
             {"Equal", "100", "100", Pane("100", "100")},
             {"Long", "123456789012345678901234567890", "987654321098765432109876543210",
              Pane("9000000000900000000090", "13548070124980948012498094801236261410")},
             // Every number divides 0: gcd(a, 0) = a, lcm = 0, and no zero-divisor box.
             {"ZeroFirst", "0", "5", Pane("5", "0")},
             {"ZeroSecond", "7", "0", Pane("7", "0")},
             {"AllZeroNumeral", "5", "00", Pane("5", "0")},
             {"BothZero", "0", "0", Pane("0", "0")},
             {"ZeroAndLeadingZeros", "000", "012", Pane("12", "0")},
             {"EmptyBox", "", "5", ""},
             {"BothEmpty", "", "", ""},
             {"LeadingZerosOfDivisor", "12", "006", Pane("006", "12")},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GcdLcmPane(c.a, c.b), c.pane);
    }
}

TEST(GcdLcmTool, RejectsWhatIsNotAnInteger) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        FocusAfter focus;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"PointInFirst", "1.5", "3", FocusAfter::First},
             {"SignInSecond", "12", "-18", FocusAfter::Last},
             {"Letters", "12a", "18", FocusAfter::First},
             {"Blank", "12", "1 8", FocusAfter::Last},
             {"BothBadFocusesFirst", "x", "y", FocusAfter::First},
         }) {
        SCOPED_TRACE(c.name);
        const GcdLcmChecked checked = GcdLcmCheck(c.a, c.b);
        const auto* rejection = std::get_if<Rejection>(&checked);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(rejection->message, NotAnIntegerMessage());
        EXPECT_EQ(rejection->effect, FieldEffect::None);
        EXPECT_EQ(rejection->focus, c.focus);
        EXPECT_FALSE(rejection->empty_pane);
    }
}

TEST(FractionTools, Examples) {
    struct Case {
        const char* name;
        const char* x;
        const char* r;
        const char* numerator;
        const char* denominator;
        const char* reduced_numerator;
        const char* reduced_denominator;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"WorkedExample", "1.02", "345", "102243", "99900", "34081", "33300"},
             {"Third", "0.", "3", "3", "9", "1", "3"},
             {"Sixth", "0.1", "6", "15", "90", "1", "6"},
             {"Sevenths", "2.", "142857", "2142855", "999999", "15", "7"},
             {"NoIntegerPart", ".5", "3", "48", "90", "8", "15"},
             {"NinesRepetend", "0.", "9", "9", "9", "1", "1"},
         }) {
        SCOPED_TRACE(c.name);
        const std::optional<Fraction> fraction = RepeatingDecimalToFraction(c.x, c.r);
        ASSERT_TRUE(fraction.has_value());
        EXPECT_EQ(fraction->numerator, c.numerator);
        EXPECT_EQ(fraction->denominator, c.denominator);
        const std::optional<Fraction> reduced =
            ReduceFraction(fraction->numerator, fraction->denominator);
        ASSERT_TRUE(reduced.has_value());
        EXPECT_EQ(reduced->numerator, c.reduced_numerator);
        EXPECT_EQ(reduced->denominator, c.reduced_denominator);
    }
    const std::optional<Fraction> reduced = ReduceFraction("12", "18");
    ASSERT_TRUE(reduced.has_value());
    EXPECT_EQ(reduced->numerator, "2");
    EXPECT_EQ(reduced->denominator, "3");
}

TEST(FractionTools, GuardsDoNothing) {
    struct Case {
        const char* name;
        const char* first;
        const char* second;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"NoPoint", "3", "3"},
             {"EmptyDecimal", "", "3"},
             {"EmptyRepetend", "1.2", ""},
             {"ZeroRepetend", "1.2", "0"},
             {"LetterInDecimal", "1.a", "3"},
             {"SignInDecimal", "-1.2", "3"},
             {"TwoPoints", "1.2.3", "3"},
             {"PointInRepetend", "1.2", "3.4"},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(RepeatingDecimalToFraction(c.first, c.second).has_value());
    }
    for (const Case& c : std::initializer_list<Case>{
             {"ZeroNumerator", "0", "5"},
             {"ZeroDenominator", "5", "0"},
             {"EmptyNumerator", "", "5"},
             {"EmptyDenominator", "5", ""},
             {"DecimalNumerator", "1.5", "3"},
             {"NegativeDenominator", "1", "-3"},
             // An all-zero numeral is zero: no gcd with a zero divisor, no boxes.
             {"AllZeroNumerator", "00", "5"},
             {"AllZeroDenominator", "5", "00"},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ReduceFraction(c.first, c.second).has_value());
    }
}

std::string RandomDigits(std::mt19937_64& rng, std::size_t min_length, std::size_t max_length) {
    std::string text(min_length + rng() % (max_length - min_length + 1), '0');
    for (char& c : text) c = static_cast<char>('0' + rng() % 10);
    return text;
}

TEST(FractionToolsProperty, GcdTimesLcmIsTheProduct) {
    std::mt19937_64 rng(4242);
    for (int i = 0; i < 200; ++i) {
        std::string a = RandomDigits(rng, 1, 300);
        std::string b = RandomDigits(rng, 1, 300);
        a[0] = static_cast<char>('1' + rng() % 9);
        b[0] = static_cast<char>('1' + rng() % 9);
        if (i % 5 == 0) b = LongMul(b, a.substr(0, 1 + rng() % a.size()));  // a common factor
        SCOPED_TRACE(a + " " + b);
        const std::string pane = GcdLcmPane(a, b);
        const std::size_t line = pane.find("\r\n");
        ASSERT_NE(line, std::string::npos);
        const std::string g = pane.substr(18, line - 18);  // after "最大公约数是"
        const std::string l = pane.substr(line + 2 + 18);
        EXPECT_EQ(LongMul(g, l), LongMul(a, b));
    }
}

TEST(FractionToolsProperty, FractionDividesBackToTheTypedDigits) {
    std::mt19937_64 rng(17);
    for (int i = 0; i < 150; ++i) {
        const std::string integer = rng() % 3 == 0 ? "0" : RandomDigits(rng, 1, 6);
        const std::string fixed = RandomDigits(rng, 0, 8);
        std::string repetend = RandomDigits(rng, 1, 7);
        // All nines or all zeros would make a terminating decimal.
        if (repetend.find_first_not_of('9') == std::string::npos ||
            repetend.find_first_not_of('0') == std::string::npos) {
            repetend.back() = '4';
        }
        SCOPED_TRACE(integer + "." + fixed + "(" + repetend + ")");
        const std::optional<Fraction> fraction =
            RepeatingDecimalToFraction(integer + "." + fixed, repetend);
        ASSERT_TRUE(fraction.has_value());
        const std::optional<Fraction> reduced =
            ReduceFraction(fraction->numerator, fraction->denominator);
        ASSERT_TRUE(reduced.has_value());
        const std::string quotient =
            LongDiv(reduced->numerator, reduced->denominator, ReadPrecision("0")).digits;
        std::string canonical_integer = integer;
        canonical_integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
        std::string expected = canonical_integer + "." + fixed;
        while (expected.size() < quotient.size()) expected += repetend;
        EXPECT_EQ(quotient, expected.substr(0, quotient.size()));
        EXPECT_GE(quotient.size(), canonical_integer.size() + 1 + fixed.size() + 30);
    }
}

}  // namespace
}  // namespace numerel
