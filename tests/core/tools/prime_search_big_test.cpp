#include "core/tools/prime_search_big.h"

#include <gtest/gtest.h>

#include "core/input/read_big_integer.h"
#include "core/run_control.h"
#include "core/tools/prime_search.h"

namespace numerel {
namespace {

mpz_class Big(const char* text) {
    return mpz_class(text, 10);
}

uint128 ToU128(const mpz_class& v) {
    return (uint128{mpz_class(v >> 64).get_ui()} << 64) |
           mpz_class(v & mpz_class(UINT64_MAX)).get_ui();
}

struct Listing {
    std::string text;
    SearchSummary summary;
};

Listing RunBig(const mpz_class& from, const mpz_class& to, std::uint64_t budget = UINT64_MAX) {
    StringSink sink(budget);
    SearchSummary summary = PrimesRunBig({from, to}, sink, {});
    return {sink.Text(), summary};
}

Listing RunDecimal96(const mpz_class& from, const mpz_class& to,
                     std::uint64_t budget = UINT64_MAX) {
    StringSink sink(budget);
    SearchSummary summary =
        PrimesRun(PrimesBounds{ToU128(from), ToU128(to), PathButton::Decimal96}, sink, {});
    return {sink.Text(), summary};
}

// The listed numbers, read back from the text.
std::vector<mpz_class> Items(const std::string& text) {
    std::vector<mpz_class> items;
    std::size_t pos = 0;
    while ((pos = text.find_first_of("0123456789", pos)) != std::string::npos) {
        const std::size_t end = text.find_first_not_of("0123456789", pos);
        items.emplace_back(text.substr(pos, end - pos), 10);
        pos = end;
    }
    return items;
}

// The large path writes what the Decimal96 path writes wherever both can run: the alignment
// and upper-end items, the spacing, the count, the budget's cut line.
struct SameCase {
    const char* name;
    const char* from;
    const char* to;
    std::uint64_t budget;
};

void PrintTo(const SameCase& c, std::ostream* os) {
    *os << c.name;
}

class PrimesBigAgainstDecimal96 : public testing::TestWithParam<SameCase> {};

TEST_P(PrimesBigAgainstDecimal96, WritesTheSameText) {
    const SameCase& c = GetParam();
    const Listing big = RunBig(Big(c.from), Big(c.to), c.budget);
    const Listing d96 = RunDecimal96(Big(c.from), Big(c.to), c.budget);
    EXPECT_EQ(big.text, d96.text);
    EXPECT_EQ(big.summary.caption, d96.summary.caption);
    EXPECT_EQ(big.summary.pane_text, d96.summary.pane_text);
    EXPECT_EQ(big.summary.cut, d96.summary.cut);
}

INSTANTIATE_TEST_SUITE_P(Windows, PrimesBigAgainstDecimal96,
                         testing::Values(SameCase{"SmallBounds", "1", "200", UINT64_MAX},
                                         SameCase{"FromFiveToEleven", "5", "11", UINT64_MAX},
                                         SameCase{"UpperEndPrime", "100000000000000000000",
                                                  "100000000000000000129", UINT64_MAX},
                                         SameCase{"NoPrime", "100000000000000000000000000",
                                                  "100000000000000000000000006", UINT64_MAX},
                                         SameCase{"TopOfDecimal96", "79228162514264337593543945335",
                                                  "79228162514264337593543950335", UINT64_MAX},
                                         SameCase{"BudgetCutsTheList", "100000000000000000000",
                                                  "100000000000000010000", 200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrimesRunBig, WindowNearTenTo50IsCompleteAndPrime) {
    const mpz_class from = Big("100000000000000000000000000000000000000000000000000");
    const Listing run = RunBig(from, from + 3000);
    const std::vector<mpz_class> items = Items(run.text);
    // #primes([10^50, 10^50+3000]) in PARI/GP 2.15 is 31.
    ASSERT_EQ(items.size(), 31u);
    EXPECT_EQ(run.summary.caption, "共31个");
    for (std::size_t k = 0; k < items.size(); ++k) {
        EXPECT_GT(mpz_probab_prime_p(items[k].get_mpz_t(), 50), 0) << items[k].get_str();
        EXPECT_TRUE(items[k] >= from && items[k] <= from + 3000);
        if (k > 0) {
            EXPECT_LT(items[k - 1], items[k]);
        }
    }
}

TEST(PrimesRunBig, StopEndsTheListWithPrimesOnly) {
    StopToken token;
    const StopScope scope(token);
    StringSink sink;
    // Asked to stop at the first progress report, which comes with the first prime listed.
    const mpz_class from = Big("79228162514264337593543950336");
    const SearchSummary summary =
        PrimesRunBig({from, from + 100000}, sink, [&](double) { token.RequestStop(); });
    EXPECT_TRUE(summary.stopped);
    ASSERT_TRUE(sink.Text().ends_with("(已停止,以上为部分结果)\r\n"));
    EXPECT_EQ(summary.caption, "已停止:共" + std::to_string(summary.count) + "个");
    const std::vector<mpz_class> items = Items(sink.Text());
    EXPECT_GE(items.size(), 1u);
    EXPECT_EQ(items.size(), summary.count);
    for (const mpz_class& p : items) EXPECT_GT(mpz_probab_prime_p(p.get_mpz_t(), 50), 0);
}

struct CheckCase {
    const char* name;
    const char* from;
    const char* to;
    const char* message;  // nullptr: accepted (or silent)
    FieldEffect effect;
    const char* rewrite;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class PrimesCheckBigExamples : public testing::TestWithParam<CheckCase> {};

TEST_P(PrimesCheckBigExamples, ValidatesTheBounds) {
    const CheckCase& c = GetParam();
    const std::optional<PrimesBigChecked> check = PrimesCheckBig(c.from, c.to);
    ASSERT_TRUE(check.has_value());
    if (const auto* rejection = std::get_if<Rejection>(&*check)) {
        ASSERT_NE(c.message, nullptr);
        ASSERT_TRUE(rejection->message.has_value());
        EXPECT_EQ(rejection->message->text, c.message);
        EXPECT_EQ(rejection->effect, c.effect);
        EXPECT_EQ(rejection->text, c.rewrite);
    } else {
        EXPECT_EQ(c.message, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, PrimesCheckBigExamples,
    testing::Values(CheckCase{"Accepted", "1e40", "1e41", nullptr, FieldEffect::None, ""},
                    CheckCase{"TooClose", "1e40", "10000000000000000000000000000000000000005",
                              "下边的数要比上边的至少大6", FieldEffect::RewriteLast,
                              "10000000000000000000000000000000000000006"},
                    CheckCase{"FractionBound", "1.5", "1e40",
                              "请输入两个正整数!\r并且两数至少相差6.", FieldEffect::EmptyAll, ""},
                    CheckCase{"NegativeBound", "-1e40", "1e40",
                              "请输入两个正整数!\r并且两数至少相差6.", FieldEffect::EmptyAll, ""},
                    CheckCase{"BeyondThousandDigits", "1", "1e1000",
                              "很抱歉!,最大只能到\r10^1000-1(1000位)",
                              FieldEffect::EmptyAllBackward, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrimesCheckBig, LeavesDecimal96ValuesToTheirOwnCheck) {
    EXPECT_FALSE(PrimesCheckBig("1", "79228162514264337593543950335").has_value());
}

}  // namespace
}  // namespace numerel
