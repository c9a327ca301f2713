// A search asked to stop, or whose sink's budget runs out, must still hand the user a truthful
// text and caption: what was found so far (or the list up to the cut), the closing line, and a
// count that is either marked partial or exact.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "core/run_control.h"
#include "core/tools/divisors_search.h"
#include "core/tools/factor_range.h"
#include "core/tools/goldbach.h"
#include "core/tools/prime_search.h"
#include "core/tools/twin_search.h"

namespace numerel {
namespace {

struct Outcome {
    std::string text;
    std::uint64_t count = 0;
    std::string caption;
    bool stopped = false;
    bool cut = false;
    // What the caption counts, where that is not the items of the list (perfect numbers).
    std::uint64_t caption_count = UINT64_MAX;
};

using RunFn = std::function<Outcome(ResultSink&, const ProgressFn&)>;

Outcome FromSummary(const SearchSummary& summary, const StringSink& sink) {
    return {sink.Text(), summary.count, summary.caption, summary.stopped, summary.cut};
}

// Each search kind, with how its items end in the text and the unit of its caption.
struct SearchKind {
    const char* name;
    RunFn run;
    const char* item_end;
    const char* unit;  // nullptr: the page has no count caption
};

void PrintTo(const SearchKind& kind, std::ostream* os) {
    *os << kind.name;
}

RunFn Primes(uint128 from, uint128 to) {
    return [=](ResultSink& sink, const ProgressFn& progress) {
        const SearchSummary s = PrimesRun({from, to, PathButton::Binary64}, sink, progress);
        return FromSummary(s, static_cast<StringSink&>(sink));
    };
}

RunFn Twins(uint128 from, uint128 to) {
    return [=](ResultSink& sink, const ProgressFn& progress) {
        return FromSummary(TwinsRun({from, to}, sink, progress), static_cast<StringSink&>(sink));
    };
}

RunFn Goldbach(uint128 n) {
    return [=](ResultSink& sink, const ProgressFn& progress) {
        const GoldbachRequest request{n, ToDecimalString(n), {}};
        const SearchSummary s = n % 2 == 0 ? GoldbachEvenRun(request, sink, progress)
                                           : GoldbachOddRun(request, sink, progress);
        return FromSummary(s, static_cast<StringSink&>(sink));
    };
}

RunFn Divisors(uint128 from, uint128 to) {
    return [=](ResultSink& sink, const ProgressFn& progress) {
        DivisorsInput input;
        input.from = from;
        input.to = to;
        const DivisorsOutcome o = DivisorsRun(input, sink, progress);
        // The summary's caption part, after the perfect numbers.
        const std::string caption = o.summary.substr(o.summary.find(o.stopped ? "已停止" : "共"));
        const std::string& text = static_cast<StringSink&>(sink).Text();
        std::uint64_t lines = 0;
        for (std::size_t at = text.find(" 的因数有:"); at != std::string::npos;
             at = text.find(" 的因数有:", at + 1))
            ++lines;
        return Outcome{text, lines, caption, o.stopped, o.cut, static_cast<std::uint64_t>(o.count)};
    };
}

RunFn FactorRange(std::uint64_t from, std::uint64_t to) {
    return [=](ResultSink& sink, const ProgressFn& progress) {
        const SearchSummary s = FactorRangeRun({from, to}, sink, progress);
        return FromSummary(s, static_cast<StringSink&>(sink));
    };
}

// The text up to and including the n-th item end.
std::string FirstItems(const std::string& text, std::uint64_t n, const std::string& item_end) {
    std::size_t end = 0;
    for (std::uint64_t i = 0; i < n; ++i) {
        end = text.find(item_end, end);
        if (end == std::string::npos) return "(fewer than " + std::to_string(n) + " items)";
        end += item_end.size();
    }
    return text.substr(0, end);
}

class StoppedSearch : public testing::TestWithParam<SearchKind> {};

// Stopped halfway (from its own progress report), a search shows exactly the first items of the
// full list, the stop line, and the count so far marked partial.
TEST_P(StoppedSearch, ShowsWhatItFoundThenTheStopLine) {
    const SearchKind& kind = GetParam();
    StringSink full_sink;
    const Outcome full = kind.run(full_sink, {});
    ASSERT_FALSE(full.stopped);

    StopToken token;
    const StopScope scope(token);
    StringSink sink;
    const Outcome stopped = kind.run(sink, [&](double fraction) {
        if (fraction >= 0.3) token.RequestStop();
    });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_GT(stopped.count, 0U);
    EXPECT_LT(stopped.count, full.count);
    std::string expected = FirstItems(full.text, stopped.count, kind.item_end);
    if (!expected.ends_with("\r\n")) expected += "\r\n";
    EXPECT_EQ(stopped.text, expected + "(已停止,以上为部分结果)\r\n");
    const std::uint64_t counted =
        stopped.caption_count == UINT64_MAX ? stopped.count : stopped.caption_count;
    EXPECT_EQ(stopped.caption,
              kind.unit ? "已停止:共" + std::to_string(counted) + kind.unit : std::string());
}

INSTANTIATE_TEST_SUITE_P(
    EachSearch, StoppedSearch,
    testing::Values(SearchKind{"Primes", Primes(1, 10000000), " ", "个"},
                    SearchKind{"Twins", Twins(2, 10000000), ")", "对"},
                    SearchKind{"GoldbachEven", Goldbach(10000000), "\r\n", "种"},
                    SearchKind{"GoldbachOdd", Goldbach(30001), "\r\n", "种"},
                    SearchKind{"Divisors", Divisors(10000, 30000), "\r\n", "个"},
                    SearchKind{"FactorRange", FactorRange(1, 200000), "\r\n", nullptr}),
    [](const testing::TestParamInfo<SearchKind>& info) { return info.param.name; });

struct BudgetCase {
    const char* name;
    RunFn run;
    std::uint64_t total;  // the exact count: published, or 0 for that of the unbudgeted run
    const char* item_end;
    const char* unit;
};

void PrintTo(const BudgetCase& c, std::ostream* os) {
    *os << c.name;
}

class BudgetedSearch : public testing::TestWithParam<BudgetCase> {};

// With a tiny budget the list stops after its first chunk, the cut line says how much of how
// many was kept, and the count stays exact (counted by pi, by primesieve or by enumeration).
TEST_P(BudgetedSearch, CutsTheListAndCountsTheRest) {
    const BudgetCase& c = GetParam();
    // The uncut list (only its start is compared where the total is a published one).
    StringSink full_sink(c.total == 0 ? UINT64_MAX : 1 << 20);
    const Outcome full = c.run(full_sink, {});
    const std::uint64_t total = c.total == 0 ? full.count : c.total;

    StringSink sink(1000);
    const Outcome cut = c.run(sink, {});
    EXPECT_TRUE(cut.cut);
    EXPECT_FALSE(cut.stopped);
    EXPECT_EQ(cut.count, total);
    EXPECT_EQ(cut.caption, "共" + std::to_string(total) + c.unit);
    const std::string cut_line = "……列表过长,只保存了前";
    const std::size_t at = cut.text.rfind(cut_line);
    ASSERT_NE(at, std::string::npos) << cut.text.substr(cut.text.size() - 200);
    const std::uint64_t kept = std::stoull(cut.text.substr(at + cut_line.size()));
    EXPECT_GT(kept, 0U);
    EXPECT_LT(kept, total);
    std::string expected = FirstItems(full.text, kept, c.item_end);
    if (!expected.ends_with("\r\n")) expected += "\r\n";
    EXPECT_EQ(cut.text, expected + cut_line + std::to_string(kept) + c.unit + ",共" +
                            std::to_string(total) + c.unit + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    PrimesAndTwins, BudgetedSearch,
    testing::Values(
        // pi(10^7) = 664579 and 3424506 twin pairs below 10^9 (published); 10^9 spans several
        // counting slices.
        BudgetCase{"PrimesByPi", Primes(1, 10000000), 664579, " ", "个"},
        BudgetCase{"PrimesNarrowBySieve", Primes(1000000000000, 1000001000000), 0, " ", "个"},
        // Above the sieve's range the primes come from the tested enumeration, which must end
        // where the list did.
        BudgetCase{"PrimesAboveTheSieve", Primes(uint128{1} << 60, (uint128{1} << 60) + 300000), 0,
                   " ", "个"},
        BudgetCase{"TwinsBySlices", Twins(2, 1000000000), 3424506, ")", "对"},
        BudgetCase{"TwinsByEnumeration", Twins(uint128{1} << 51, (uint128{1} << 51) + 3000000), 0,
                   ")", "对"},
        BudgetCase{"GoldbachEven", Goldbach(10000000), 0, "\r\n", "种"}),
    [](const testing::TestParamInfo<BudgetCase>& info) { return info.param.name; });

// The batch factorization's list is all there is: it ends at the budget, and the cut line counts
// the lines kept out of every number asked for.
TEST(BudgetedFactorRange, EndsTheListAtTheBudget) {
    StringSink full_sink(UINT64_MAX);
    const Outcome full = FactorRange(1, 200000)(full_sink, {});
    StringSink sink(1000);
    const Outcome cut = FactorRange(1, 200000)(sink, {});
    EXPECT_TRUE(cut.cut);
    EXPECT_FALSE(cut.stopped);
    ASSERT_GT(cut.count, 0U);
    ASSERT_LT(cut.count, 200000U);
    EXPECT_EQ(cut.text, FirstItems(full.text, cut.count, "\r\n") + "……列表过长,只保存了前" +
                            std::to_string(cut.count) + "个,共200000个\r\n");
}

// AddressSanitizer reserves more address space than the limit below.
#if !defined(__SANITIZE_ADDRESS__)
// Stops the run once its first line is written.
class FirstLineSink final : public ResultSink {
public:
    explicit FirstLineSink(StopToken& token) : token_(token) {}
    void Append(std::string_view text) override { text_.append(text); }
    void EndLine() override { token_.RequestStop(); }
    const std::string& Text() const { return text_; }

private:
    StopToken& token_;
    std::string text_;
};

// Exits 0 when the first partition of 2^63 was found under a 1 GB address-space limit.
[[noreturn]] void FirstPartitionUnderMemoryLimit() {
    const rlimit limit{1000000000, 1000000000};
    setrlimit(RLIMIT_AS, &limit);
    StopToken token;
    const StopScope scope(token);
    FirstLineSink sink(token);
    const uint128 n = uint128{1} << 63;
    const SearchSummary s = GoldbachEvenRun({n, ToDecimalString(n), {}}, sink, {});
    const bool ok = s.stopped && s.count == 1 &&
                    sink.Text().starts_with("9223372036854775808=409+9223372036854775399");
    std::exit(ok ? 0 : 1);
}
#endif

// Partitions of a number near 2^63 must not sieve up to it: an allocation that grows with n
// aborts under the limit.
TEST(GoldbachMemory, LargeEvenNumberRunsInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(FirstPartitionUnderMemoryLimit(), testing::ExitedWithCode(0), "");
#endif
}

}  // namespace
}  // namespace numerel
