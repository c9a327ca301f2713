// The calculator page's click, without its window: write-backs, checks, limits and results.
#include "core/tools/calculator_tool.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"
#include "core/scripted_prompter.h"

namespace numerel {
namespace {

using testing::ScriptedPrompter;

// A click as the page makes it: each sign removed (and written back where there was one), the
// check, then the run. A rejection ends the click with its message, if it has one.
CalcOutcome ClickThrough(CalcOp op, const std::string& a, const std::string& b, Prompter& prompter,
                         const CalcWriteBack& write_back = {}) {
    CalcOutcome unchecked;
    unchecked.a = WithoutSign(a);
    unchecked.b = WithoutSign(b);
    if (write_back && unchecked.a != a) write_back(CalcField::A, unchecked.a);
    if (write_back && unchecked.b != b) write_back(CalcField::B, unchecked.b);
    CalcChecked check = CalcCheck(op, {unchecked.a, unchecked.b});
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        unchecked.rejection = rejection->message;
        return unchecked;
    }
    return RunCalculator(op, std::get<CalcOperands>(std::move(check)), prompter, write_back);
}

struct Click {
    const char* name;
    CalcOp op;
    const char* a;
    const char* b;
    std::vector<std::optional<std::string>> answers;
    std::optional<std::string> result;  // nullopt: the pane is not touched
    const char* a_after;
    const char* b_after;
    std::vector<std::pair<CalcField, std::string>> writes;
};

TEST(CalculatorTool, Clicks) {
    using F = CalcField;
    for (const Click& c : std::initializer_list<Click>{
             {"MinusRemovedFromA", CalcOp::Add, "-12", "5", {}, "17", "12", "5", {{F::A, "12"}}},
             {"SubtractionExchanges",
              CalcOp::Sub,
              "3",
              "-10",
              {},
              "7",
              "10",
              "3",
              {{F::B, "10"}, {F::A, "10"}, {F::B, "3"}}},
             {"NoExchangeWhenLarger", CalcOp::Sub, "10", "3", {}, "7", "10", "3", {}},
             {"PowerCutsExponent", CalcOp::Pow, "2", "10.9", {}, "1024", "2", "10", {{F::B, "10"}}},
             {"ModCutsBoth",
              CalcOp::Mod,
              "17.8",
              "5.2",
              {},
              "2",
              "17",
              "5",
              {{F::A, "17"}, {F::B, "5"}}},
             {"QuotCutsBoth",
              CalcOp::IntQuot,
              "17.8",
              "5.2",
              {},
              "3",
              "17",
              "5",
              {{F::A, "17"}, {F::B, "5"}}},
             {"BEmptyAdd", CalcOp::Add, "2", "", {}, "2", "2", "", {}},
             {"BothEmpty", CalcOp::Div, "", "", {}, std::nullopt, "", "", {}},
             {"MinusOnlyLeavesBothEmpty",
              CalcOp::Add,
              "-",
              "",
              {},
              std::nullopt,
              "",
              "",
              {{F::A, ""}}},
             {"Product", CalcOp::Mul, "1.5", "4", {}, "6", "1.5", "4", {}},
             {"DivisionPrompted",
              CalcOp::Div,
              "22",
              "7",
              {"0"},
              "3.142857142857142857142857142857142857142857142857",
              "22",
              "7",
              {}},
             {"DivisionCancelled", CalcOp::Div, "1", "3", {std::nullopt}, "", "1", "3", {}},
             {"ZeroDivisorStillShows", CalcOp::Mod, "5", "0", {}, "", "5", "0", {}},
             // No quotient either: "0" would read as a result.
             {"QuotByZeroGivesNothing", CalcOp::IntQuot, "7", "0", {}, "", "7", "0", {}},
             // The integer part of ".4" is 0, and 0 mod 5 is 0.
             {"ModOfAFractionBelowOne", CalcOp::Mod, ".4", "5", {}, "0", "0", "5", {{F::A, "0"}}},
             {"RootIgnoresB", CalcOp::Sqrt, "2", "x", {"10"}, "1.4142135623", "2", "x", {}},
             {"RootOfEmpty", CalcOp::Sqrt, "", "7", {}, "0", "", "7", {}},
             {"FactorialCutsA",
              CalcOp::Factorial,
              "25.7",
              "",
              {},
              "15511210043330985984000000",
              "25",
              "",
              {{F::A, "25"}}},
             {"FactorialOfEmpty", CalcOp::Factorial, "", "3", {}, "1", "", "3", {}},
             {"PowerOfEmptyExponent", CalcOp::Pow, "7", "", {}, "1", "7", "", {}},
         }) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter(c.answers);
        std::vector<std::pair<CalcField, std::string>> writes;
        const CalcOutcome outcome = ClickThrough(
            c.op, c.a, c.b, prompter,
            [&](CalcField field, const std::string& text) { writes.emplace_back(field, text); });
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_FALSE(outcome.rejection.has_value());
        EXPECT_EQ(outcome.a, c.a_after);
        EXPECT_EQ(outcome.b, c.b_after);
        EXPECT_EQ(writes, c.writes);
    }
}

struct Refusal {
    const char* name;
    CalcOp op;
    const char* a;
    const char* b;
    Message message;
};

TEST(CalculatorTool, Rejections) {
    for (const Refusal& c : std::initializer_list<Refusal>{
             {"ExponentTooLarge", CalcOp::Pow, "2", "3000000000", PowerTooLargeMessage()},
             {"ExponentJustTooLarge", CalcOp::Pow, "2", "2147483648.5", PowerTooLargeMessage()},
             {"FactorialTooLarge", CalcOp::Factorial, "2147483648", "", FactorialTooLargeMessage()},
             {"LetterInA", CalcOp::Add, "12a", "1", NotANumeralMessage("A")},
             {"ExponentFormInB", CalcOp::Mul, "2", "1e5", NotANumeralMessage("B")},
             {"TwoPointsInA", CalcOp::Sqrt, "1.2.3", "", NotANumeralMessage("A")},
             {"BlankInB", CalcOp::Div, "1", " 3", NotANumeralMessage("B")},
             {"SecondMinusStays", CalcOp::Add, "--5", "1", NotANumeralMessage("A")},
             {"PowerTooLong", CalcOp::Pow, "2", "2147483647",
              ResultTooLongMessage(2147483647 * 0.30102999566398120 + 1)},
             // 20000000! has 137334715 digits.
             {"FactorialTooLong", CalcOp::Factorial, "20000000", "",
              ResultTooLongMessage(137334715.0)},
         }) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        const CalcOutcome outcome = ClickThrough(c.op, c.a, c.b, prompter);
        ASSERT_TRUE(outcome.rejection.has_value());
        EXPECT_EQ(outcome.rejection->text, c.message.text);
        EXPECT_EQ(outcome.rejection->title, c.message.title);
        EXPECT_EQ(outcome.rejection->icon, MessageIcon::Exclamation);
        EXPECT_FALSE(outcome.result.has_value());
        EXPECT_TRUE(prompter.Calls().empty());
    }
    EXPECT_EQ(PowerTooLargeMessage().text, "次数太大,请小于 2147483647 ");
    EXPECT_EQ(PowerTooLargeMessage().title, "超出范围");
    EXPECT_EQ(FactorialTooLargeMessage().text, "A最大2,147,483,647");
    EXPECT_EQ(FactorialTooLargeMessage().title, "Numerel");
}

TEST(CalculatorTool, LongResultsAreConfirmed) {
    struct Case {
        const char* name;
        CalcOp op;
        const char* a;
        const char* b;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"Power", CalcOp::Pow, "10", "20000000"},
             {"Factorial", CalcOp::Factorial, "3000000", ""},
         }) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        prompter.SetConfirm(false);
        const CalcOutcome outcome = RunCalculator(c.op, {c.a, c.b}, prompter);
        EXPECT_FALSE(outcome.result.has_value());
        EXPECT_FALSE(outcome.rejection.has_value());
        ASSERT_EQ(prompter.Calls().size(), 1u);
        EXPECT_EQ(prompter.Calls()[0].message.buttons, MessageButtons::OkCancel);
        EXPECT_EQ(prompter.Calls()[0].message.title, "结果很大");
    }
    // Just below the bound nothing is asked.
    ScriptedPrompter prompter;
    const CalcOutcome outcome = RunCalculator(CalcOp::Pow, {"10", "9999998"}, prompter);
    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_EQ(outcome.result->size(), 9999999u);
    EXPECT_TRUE(prompter.Calls().empty());
}

// The boxes a click opens, in order: a message box by its text, an input box by "?" and its
// title.
std::vector<std::string> Boxes(const ScriptedPrompter& prompter) {
    std::vector<std::string> boxes;
    for (const ScriptedPrompter::Call& call : prompter.Calls()) {
        boxes.push_back(call.is_input ? "?" + call.title : call.message.text);
    }
    return boxes;
}

// The precision is asked only where the quotient has a repetend or the root is not found at
// once, after the notice; a refusal's box comes after the answer.
TEST(CalculatorTool, QuestionsComeWhereTheResultNeedsThem) {
    const std::string notice = PrecisionNoticeMessage().text;
    const std::string zero = ZeroDivisorMessage().text;
    const std::string too_large = PrecisionTooLargeMessage().text;
    struct Case {
        const char* name;
        CalcOp op;
        const char* a;
        const char* b;
        std::vector<std::optional<std::string>> answers;
        std::vector<std::string> boxes;
        const char* result;
        CalcNoResult no_result;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"TerminatingQuotient", CalcOp::Div, "1", "8", {}, {}, "0.125", CalcNoResult::None},
             {"DecimalOperandsTerminating",
              CalcOp::Div,
              "1.5",
              "0.25",
              {},
              {},
              "6",
              CalcNoResult::None},
             {"Repetend",
              CalcOp::Div,
              "1",
              "3",
              {"5"},
              {notice, "?设定精确度"},
              "0.33333",
              CalcNoResult::None},
             {"ZeroDivisorAsksNothing",
              CalcOp::Div,
              "5",
              "0.0",
              {},
              {zero},
              "",
              CalcNoResult::ZeroDivisor},
             {"DivisionRefused",
              CalcOp::Div,
              "1",
              "3",
              {"1e9"},
              {notice, "?设定精确度", too_large},
              "",
              CalcNoResult::PrecisionRefused},
             {"DivisionCancelled",
              CalcOp::Div,
              "2",
              "7",
              {std::nullopt},
              {notice, "?设定精确度"},
              "",
              CalcNoResult::PromptCancelled},
             {"DivisionEmptyAnswer",
              CalcOp::Div,
              "2",
              "7",
              {""},
              {notice, "?设定精确度"},
              "",
              CalcNoResult::PromptCancelled},
             {"ExactRoot", CalcOp::Sqrt, "0.0004", "", {}, {}, "0.02", CalcNoResult::None},
             {"Root",
              CalcOp::Sqrt,
              "2",
              "",
              {"3"},
              {notice, "?Numerel"},
              "1.414",
              CalcNoResult::None},
             {"RootRefused",
              CalcOp::Sqrt,
              "2",
              "",
              {"1e9"},
              {notice, "?Numerel", too_large},
              "",
              CalcNoResult::PrecisionRefused},
             {"RootCancelled",
              CalcOp::Sqrt,
              "0.2",
              "",
              {std::nullopt},
              {notice, "?Numerel"},
              "",
              CalcNoResult::PromptCancelled},
             {"QuotientByZero",
              CalcOp::IntQuot,
              "7.5",
              "0.9",
              {},
              {zero},
              "",
              CalcNoResult::ZeroDivisor},
         }) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter(c.answers);
        const CalcOutcome outcome = RunCalculator(c.op, {c.a, c.b}, prompter);
        EXPECT_EQ(Boxes(prompter), c.boxes);
        EXPECT_EQ(outcome.result, std::optional<std::string>(c.result));
        EXPECT_EQ(outcome.no_result, c.no_result);
        EXPECT_FALSE(outcome.rejection.has_value());
    }
}

// 10 has an order above 10^8 modulo the prime 1000000007: the search for the repeat stops at
// the limit, and its box comes after the answer, with the digits found.
TEST(CalculatorTool, RepetendNotFoundComesWithTheDigits) {
    ScriptedPrompter prompter({"0"});
    const CalcOutcome outcome = RunCalculator(CalcOp::Div, {"1", "1000000007"}, prompter);
    EXPECT_EQ(Boxes(prompter),
              (std::vector<std::string>{PrecisionNoticeMessage().text, "?设定精确度",
                                        RepetendNotFoundMessage().text}));
    EXPECT_EQ(RepetendNotFoundMessage().text, "已算到 100,000,000 位,仍未出现循环,运算停止");
    EXPECT_EQ(outcome.no_result, CalcNoResult::None);
    ASSERT_TRUE(outcome.result.has_value());
    const std::string& shown = *outcome.result;
    ASSERT_TRUE(shown.starts_with("0.000000000999999993000000048999"));
    const std::size_t n = shown.size() - 2;
    EXPECT_GE(n, static_cast<std::size_t>(kMaxLongDigits));
    // The last 20 digits are floor(10^n / p) mod 10^20 = (10^n - 10^n mod p) / p mod 10^20,
    // an exact division done with p's inverse modulo 10^20.
    const mpz_class p = 1000000007;
    mpz_class modulus, rest, inverse, last;
    mpz_ui_pow_ui(modulus.get_mpz_t(), 10, 20);
    const mpz_class ten = 10, exponent = static_cast<unsigned long>(n);
    mpz_powm(rest.get_mpz_t(), ten.get_mpz_t(), exponent.get_mpz_t(), p.get_mpz_t());
    mpz_invert(inverse.get_mpz_t(), p.get_mpz_t(), modulus.get_mpz_t());
    last = (modulus - rest) * inverse % modulus;  // 10^n is 0 modulo 10^20
    std::string expected = last.get_str();
    expected.insert(0, 20 - expected.size(), '0');
    EXPECT_EQ(shown.substr(shown.size() - 20), expected);
}

TEST(CalculatorTool, ButtonCaptions) {
    const auto& buttons = CalcButtons();
    EXPECT_STREQ(buttons[1].caption, "A－B");
    EXPECT_STREQ(buttons[2].caption, "A×B");
    EXPECT_STREQ(buttons[5].caption, "A\\B");
    EXPECT_STREQ(buttons[5].tooltip, "求A除以B商的整数部分(A、B都是整数)");
    EXPECT_STREQ(buttons[7].caption, "Sqr(A)");
    EXPECT_STREQ(buttons[0].tooltip, "");
}

}  // namespace
}  // namespace numerel
