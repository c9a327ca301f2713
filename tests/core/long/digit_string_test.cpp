#include "core/long/digit_string.h"

#include <gtest/gtest.h>

#include <functional>

namespace numerel {
namespace {

struct InPlaceCase {
    const char* name;
    const char* input;
    const char* expected;
};

void ExpectInPlace(const std::function<void(DigitString&)>& operation,
                   std::initializer_list<InPlaceCase> cases) {
    for (const InPlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        DigitString text = c.input;
        operation(text);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(DigitStringTrim, TrimLeadingZeros) {
    ExpectInPlace(TrimLeadingZeros, {
                                        {"AllZerosBecomeOneZero", "000", "0"},
                                        {"LeadingZerosGo", "0070", "70"},
                                        {"DecimalUntouched", "007.5", "007.5"},
                                        {"ZeroStays", "0", "0"},
                                        {"TwoZeros", "00", "0"},
                                        {"EmptyStaysEmpty", "", ""},
                                        {"NonDigitStops", "a01", "a01"},
                                        {"Canonical", "120", "120"},
                                    });
}

TEST(DigitStringTrim, TrimFraction) {
    ExpectInPlace(TrimFraction, {
                                    {"IntegerUnchanged", "10", "10"},
                                    {"HundredUnchanged", "100", "100"},
                                    {"ZeroFractionGoes", "10.0", "10"},
                                    {"LeadingPointGetsZero", ".050", "0.05"},
                                    {"TrailingZeroGoes", "2.50", "2.5"},
                                    {"AllZeroFraction", "3.000", "3"},
                                    {"HalfWithoutZero", ".5", "0.5"},
                                    {"PointOnly", ".", "0"},
                                    {"TrailingPoint", "12.", "12"},
                                    {"LeadingZerosKept", "00.50", "00.5"},
                                });
}

TEST(DigitStringShift, ShiftPointLeft) {
    struct Case {
        const char* name;
        const char* input;
        std::size_t n;
        const char* expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"PastTheFirstDigit", "5", 3, "0.005"},
             {"InsideInteger", "1250", 2, "12.5"},
             {"BelowOne", "0.5", 2, "0.005"},
             {"TrailingZeroDropped", "500", 1, "50"},
             {"ZeroPlacesInteger", "100", 0, "100"},
             {"DecimalInside", "123.45", 1, "12.345"},
             {"DecimalPast", "12.5", 3, "0.0125"},
             {"DecimalExactLength", "12.5", 2, "0.125"},
             {"AllZerosAfterShift", "1000", 3, "1"},
         }) {
        SCOPED_TRACE(c.name);
        DigitString text = c.input;
        ShiftPointLeft(text, c.n);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(DigitStringShift, ShiftPointRight) {
    struct Case {
        const char* name;
        const char* input;
        std::size_t n;
        const char* expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"InsideFraction", "0.125", 1, "1.25"},
             {"PastFraction", "0.125", 5, "12500"},
             {"IntegerGetsZeros", "7", 2, "700"},
             {"LeadingZeroGoes", "0.05", 1, "0.5"},
             {"ExactFraction", "0.05", 2, "5"},
             {"ZeroPlaces", "0.5", 0, "0.5"},
             {"WithInteger", "3.14", 1, "31.4"},
         }) {
        SCOPED_TRACE(c.name);
        DigitString text = c.input;
        ShiftPointRight(text, c.n);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(DigitStringSplit, IntegerGetsPointZero) {
    DigitString a = "3";
    DigitString b = "0.25";
    const SplitParts parts = SplitAtPoint(a, b);
    EXPECT_EQ(a, "3.0");
    EXPECT_EQ(b, "0.25");
    EXPECT_EQ(parts.ia, "3");
    EXPECT_EQ(parts.fa, "0");
    EXPECT_EQ(parts.ib, "0");
    EXPECT_EQ(parts.fb, "25");
}

TEST(DigitStringSplit, SecondOperandAndEmptyParts) {
    DigitString a = ".5";
    DigitString b = "12";
    const SplitParts parts = SplitAtPoint(a, b);
    EXPECT_EQ(b, "12.0");
    EXPECT_EQ(parts.ia, "");
    EXPECT_EQ(parts.fa, "5");
    EXPECT_EQ(parts.ib, "12");
    EXPECT_EQ(parts.fb, "0");
}

TEST(DigitStringCompare, LongCompare) {
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        int expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"LeadingZerosIgnored", "0012", "12", 0},
             {"ShorterIsSmaller", "9", "10", -1},
             {"IntegerAgainstDecimal", "2", "1.999", 1},
             {"TrailingFractionZero", "1.5", "1.50", 0},
             {"FractionDigits", "0.3", "0.25", 1},
             {"DecimalAgainstInteger", "1.25", "3", -1},
             {"EqualIntegerAndDecimal", "12.", "12", 0},
             {"EmptyIntegerPartIsZero", ".5", "0.5", 0},
             {"EmptyIntegerPartSmaller", ".5", "0.7", -1},
             {"EmptyBelowZero", "", "0", -1},
             {"BothEmpty", "", "", 0},
             {"LongerFractionBigger", "2.0001", "2", 1},
             {"Int32Max", "2147483648", "2147483647", 1},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LongCompare(c.a, c.b), c.expected);
        EXPECT_EQ(LongCompare(c.b, c.a), -c.expected);
    }
}

TEST(DigitStringValidity, IsDigitString) {
    EXPECT_TRUE(IsDigitString(""));
    EXPECT_TRUE(IsDigitString("12.5"));
    EXPECT_TRUE(IsDigitString(".5"));
    EXPECT_TRUE(IsDigitString("7."));
    EXPECT_FALSE(IsDigitString("1.2.3"));
    EXPECT_FALSE(IsDigitString("-1"));
    EXPECT_FALSE(IsDigitString("1e5"));
    EXPECT_FALSE(IsDigitString(" 1"));
    EXPECT_TRUE(IsDigitsOnly("007"));
    EXPECT_FALSE(IsDigitsOnly(""));
    EXPECT_FALSE(IsDigitsOnly("1.0"));
}

}  // namespace
}  // namespace numerel
