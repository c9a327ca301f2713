// The fast long-number operations against the literal reference (tests/core/long_reference.h):
// edge cases and seeded random operands up to a few hundred digits, with points and leading
// zeros. The reference asks and shows its boxes as the calculator did when the arithmetic asked
// itself; the fast operations must need a precision and refuse exactly where it asks and shows
// them, and give the same texts.
#include <gtest/gtest.h>

#include <random>

#include "core/long/long_add_sub.h"
#include "core/long/long_div.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"
#include "core/long/long_pow.h"
#include "core/long/long_quot.h"
#include "core/long/long_sqrt.h"
#include "core/long_reference.h"
#include "core/scripted_prompter.h"

namespace numerel {
namespace {

using testing::ScriptedPrompter;

class Operands {
public:
    explicit Operands(std::uint64_t seed) : rng_(seed) {}

    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

    // Digits, sometimes with leading zeros, of 1 to max_length characters.
    std::string Integer(std::size_t max_length) {
        std::string text(1 + Below(max_length), '0');
        for (char& c : text) c = static_cast<char>('0' + Below(10));
        if (Below(4) == 0) text.insert(0, Below(3) + 1, '0');
        if (Below(8) == 0) text.append(Below(5) + 1, '0');
        return text;
    }

    // An integer, or with a point somewhere (also first or last).
    std::string Numeral(std::size_t max_length) {
        std::string text = Integer(max_length);
        if (Below(2) == 0) text.insert(Below(text.size() + 1), ".");
        return text;
    }

private:
    std::mt19937_64 rng_;
};

const std::vector<std::string>& EdgeOperands() {
    static const std::vector<std::string> edges = {
        "0",
        "1",
        "",
        "00",
        "007",
        "9",
        "10",
        "99999999999999",
        "100000000000000",
        "999999999999999",
        "1000000000000000",
        "0.5",
        ".5",
        "12.",
        "1.50",
        "0.0",
        "123456789012345678901234567890",
    };
    return edges;
}

TEST(LongDifferential, AddSubMulOnEdges) {
    for (const std::string& a : EdgeOperands()) {
        for (const std::string& b : EdgeOperands()) {
            SCOPED_TRACE("a=\"" + a + "\" b=\"" + b + "\"");
            EXPECT_EQ(LongAdd(a, b), reference::Add(a, b));
            EXPECT_EQ(LongMul(a, b), reference::Mul(a, b));
            if (LongCompare(a, b) >= 0) {
                EXPECT_EQ(LongSub(a, b), reference::Sub(a, b));
            }
        }
    }
}

TEST(LongDifferential, AddSubMulRandom) {
    Operands operands(1);
    for (int i = 0; i < 250; ++i) {
        std::string a = operands.Numeral(300);
        std::string b = operands.Numeral(i % 4 == 0 ? 300 : 40);
        if (LongCompare(a, b) == -1) SwapDigits(a, b);
        SCOPED_TRACE("a=\"" + a + "\" b=\"" + b + "\"");
        EXPECT_EQ(LongAdd(a, b), reference::Add(a, b));
        EXPECT_EQ(LongSub(a, b), reference::Sub(a, b));
        EXPECT_EQ(LongMul(a, b), reference::Mul(a, b));
    }
}

TEST(LongDifferential, PowAndFactorial) {
    Operands operands(2);
    for (int i = 0; i < 60; ++i) {
        const std::string a = operands.Numeral(6);
        const std::string n = std::to_string(operands.Below(12));
        SCOPED_TRACE("a=\"" + a + "\" n=" + n);
        EXPECT_EQ(LongPow(a, n), reference::Pow(a, n));
    }
    for (std::int32_t n = 0; n <= 60; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(LongFactorial(n), reference::Factorial(n));
    }
}

// The boxes the reference shows for a fast result: the refusal's message.
std::vector<std::string> Boxes(const LongResult& result) {
    if (!result.refusal) return {};
    return {RefusalMessage(*result.refusal).text};
}

void ExpectSameDivision(const std::string& a, const std::string& b) {
    SCOPED_TRACE("a=\"" + a + "\" b=\"" + b + "\"");
    // Mended: the step-by-step procedure gives "" for an empty dividend where the value is 0.
    const auto mended = [&a](std::string literal) {
        return a.empty() && literal.empty() ? "0" : literal;
    };
    const auto expect_same = [&](const LongResult& fast, const std::string& literal,
                                 const ScriptedPrompter& slow) {
        EXPECT_EQ(Boxes(fast), slow.MessageTexts());
        if (!fast.refusal) {
            EXPECT_EQ(fast.digits, mended(literal));
        }
    };
    ScriptedPrompter quot, mod, gcd;
    expect_same(LongIntQuot(a, b), reference::IntQuot(a, b, quot), quot);
    expect_same(LongMod(a, b), reference::Mod(a, b, mod), mod);
    const LongResult g = LongGcd(a, b);
    EXPECT_EQ(g.digits, reference::Gcd(a, b, gcd));
    EXPECT_EQ(Boxes(g), gcd.MessageTexts());
}

TEST(LongDifferential, QuotientRemainderGcd) {
    const std::vector<std::string> edges = {
        "0", "1", "", "00", "007", "9", "10", "12", "18", "1000000000000000", "999999999999999"};
    for (const std::string& a : edges) {
        for (const std::string& b : edges) ExpectSameDivision(a, b);
    }
    Operands operands(3);
    for (int i = 0; i < 200; ++i) {
        ExpectSameDivision(operands.Integer(i % 10 == 0 ? 300 : 120),
                           operands.Integer(i % 3 == 0 ? 120 : 30));
    }
}

void ExpectSameLongDiv(const std::string& a, const std::string& b,
                       const std::optional<std::string>& answer) {
    SCOPED_TRACE("a=\"" + a + "\" b=\"" + b + "\" answer=" + answer.value_or("(cancel)"));
    ScriptedPrompter slow({answer});
    const std::string literal = reference::Div(a, b, slow);
    const bool asks = PlanDivision(a, b).NeedsPrecision();
    EXPECT_EQ(asks ? 1 : 0, slow.InputCount());
    const LongResult fast = LongDiv(a, b, ReadPrecision(answer.value()));
    EXPECT_EQ(fast.digits, literal);
    std::vector<std::string> boxes;
    if (asks) boxes.push_back(PrecisionNoticeMessage().text);
    for (const std::string& box : Boxes(fast)) boxes.push_back(box);
    EXPECT_EQ(boxes, slow.MessageTexts());
}

TEST(LongDifferential, DivisionToPrecision) {
    for (const std::string& a : EdgeOperands()) {
        for (const std::string& b : EdgeOperands()) ExpectSameLongDiv(a, b, "7");
    }
    Operands operands(4);
    const std::vector<std::string> answers = {"1", "3", "17", "40", "-2", "x", "2.5", " 9"};
    for (int i = 0; i < 300; ++i) {
        const std::string a = operands.Numeral(i % 5 == 0 ? 200 : 25);
        const std::string b = operands.Numeral(i % 7 == 0 ? 60 : 8);
        ExpectSameLongDiv(a, b, answers[operands.Below(answers.size())]);
    }
}

TEST(LongDifferential, DivisionUntilRepeat) {
    // Denominators with short periods (each prime at most once: the period stays a divisor of
    // 120), below and above 2^64; the reference rescans every step.
    const std::vector<std::string> primes = {"3",  "7",   "11",  "13",  "37",   "41",
                                             "73", "101", "137", "271", "9091", "9901"};
    Operands operands(5);
    for (int i = 0; i < 120; ++i) {
        std::string b = LongMul(LongPow("2", std::to_string(operands.Below(4))),
                                LongPow("5", std::to_string(operands.Below(3))));
        for (const std::string& p : primes) {
            if (operands.Below(2) == 0) b = LongMul(b, p);
        }
        ExpectSameLongDiv(operands.Numeral(30), b, "0");
    }
    for (int d = 2; d < 400; ++d) ExpectSameLongDiv("1", std::to_string(d), "0");
    ExpectSameLongDiv("22", "7", "0");
    ExpectSameLongDiv("1", "3", "0");
    ExpectSameLongDiv("1", "81", "0");
}

void ExpectSameSqrt(const std::string& a, const std::optional<std::string>& answer) {
    SCOPED_TRACE("a=\"" + a + "\" answer=" + answer.value_or("(cancel)"));
    ScriptedPrompter slow({answer});
    bool fast_exact = false, slow_exact = false;
    const std::string literal = reference::Sqrt(a, slow_exact, slow);
    EXPECT_EQ(LongSqrt(a, ReadPrecision(answer.value()), fast_exact).digits, literal);
    EXPECT_EQ(fast_exact, slow_exact);
    EXPECT_EQ(SqrtNeedsPrecision(a) ? 1 : 0, slow.InputCount());
}

TEST(LongDifferential, SquareRoot) {
    for (const std::string& a : EdgeOperands()) ExpectSameSqrt(a, "6");
    Operands operands(6);
    const std::vector<std::string> answers = {"1", "5", "12", "30", "0", "2.5", "-1"};
    for (int i = 0; i < 150; ++i) {
        std::string a = operands.Numeral(i % 4 == 0 ? 60 : 18);
        if (a.size() > 1 && operands.Below(5) == 0) a = LongMul(a, a);
        ExpectSameSqrt(a, answers[operands.Below(answers.size())]);
    }
}

}  // namespace
}  // namespace numerel
