#include "core/tools/twin_search_big.h"

#include <gtest/gtest.h>

#include "core/tools/twin_search.h"

namespace numerel {
namespace {

mpz_class Big(const char* text) {
    return mpz_class(text, 10);
}

uint128 ToU128(const mpz_class& v) {
    return (uint128{mpz_class(v >> 64).get_ui()} << 64) |
           mpz_class(v & mpz_class(UINT64_MAX)).get_ui();
}

// The large path writes what the exact path writes wherever both can run: the pairs below 11,
// the pairs half outside, the count, the empty pane, the budget's cut line.
struct SameCase {
    const char* name;
    const char* from;
    const char* to;
    std::uint64_t budget;
};

void PrintTo(const SameCase& c, std::ostream* os) {
    *os << c.name;
}

class TwinsBigAgainstExact : public testing::TestWithParam<SameCase> {};

TEST_P(TwinsBigAgainstExact, WritesTheSameText) {
    const SameCase& c = GetParam();
    StringSink big_sink(c.budget);
    const SearchSummary big = TwinsRunBig({Big(c.from), Big(c.to)}, big_sink, {});
    StringSink exact_sink(c.budget);
    const SearchSummary exact =
        TwinsRun(TwinsBounds{ToU128(Big(c.from)), ToU128(Big(c.to))}, exact_sink, {});
    EXPECT_EQ(big_sink.Text(), exact_sink.Text());
    EXPECT_EQ(big.caption, exact.caption);
    EXPECT_EQ(big.pane_text, exact.pane_text);
    EXPECT_EQ(big.cut, exact.cut);
}

INSTANTIATE_TEST_SUITE_P(Windows, TwinsBigAgainstExact,
                         testing::Values(SameCase{"FromTwo", "2", "200", UINT64_MAX},
                                         SameCase{"FromFourTo13", "4", "13", UINT64_MAX},
                                         SameCase{"FromFiveToSix", "5", "7", UINT64_MAX},
                                         SameCase{"None", "6", "12", UINT64_MAX},
                                         SameCase{"TopOfDecimal96", "79228162514264337593543940335",
                                                  "79228162514264337593543950335", UINT64_MAX},
                                         SameCase{"BudgetCutsTheList", "100000000000000000000",
                                                  "100000000000000100000", 200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwinsRunBig, WindowNearTenTo40) {
    const mpz_class from = Big("10000000000000000000000000000000000000000");
    // PARI/GP 2.15: forprime(p=10^40, 10^40+30000, if(isprime(p+2), print(p-10^40))) prints
    // 16111 and 28837 only. The upper bound cuts the second pair's upper member off.
    struct Row {
        long from;
        long to;
        const char* text;
        const char* caption;
    };
    for (const Row& row : {Row{0, 30000,
                               "(10000000000000000000000000000000000016111,"
                               "10000000000000000000000000000000000016113)"
                               "(10000000000000000000000000000000000028837,"
                               "10000000000000000000000000000000000028839)",
                               "共2对"},
                           Row{16111, 28838,
                               "(10000000000000000000000000000000000016111,"
                               "10000000000000000000000000000000000016113)",
                               "共1对"},
                           Row{16112, 28838, "", "共0对"}}) {
        SCOPED_TRACE(row.from);
        StringSink sink;
        const SearchSummary summary = TwinsRunBig({from + row.from, from + row.to}, sink, {});
        EXPECT_EQ(sink.Text(), row.text);
        EXPECT_EQ(summary.caption, row.caption);
    }
}

}  // namespace
}  // namespace numerel
