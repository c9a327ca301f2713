#include "core/tools/goldbach_big.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/run_control.h"

namespace numerel {
namespace {

mpz_class TenTo(unsigned k) {
    mpz_class v;
    mpz_ui_pow_ui(v.get_mpz_t(), 10, k);
    return v;
}

mpz_class NextPrime(const mpz_class& n) {
    mpz_class p;
    mpz_nextprime(p.get_mpz_t(), n.get_mpz_t());
    return p;
}

bool Prime(const mpz_class& n) {
    return mpz_probab_prime_p(n.get_mpz_t(), 50) > 0;
}

std::string Line(const mpz_class& n, std::initializer_list<mpz_class> terms) {
    std::string line = n.get_str();
    char separator = '=';
    for (const mpz_class& t : terms) {
        line += separator + t.get_str();
        separator = '+';
    }
    return line + "\r\n";
}

struct OneCase {
    const char* name;
    mpz_class n;
    bool odd;
    // The smallest first term(s), from PARI/GP 2.15:
    // even: forprime(p=3,10^6,if(isprime(n-p),return(p)));
    // odd: forprime(q=3,10^6,if(isprime(n-3-q),return(q))) with p = 3.
    unsigned long smallest;
};

void PrintTo(const OneCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldbachOneBig : public testing::TestWithParam<OneCase> {};

TEST_P(GoldbachOneBig, FindsTheFirstPartitionWithPrimeParts) {
    const OneCase& c = GetParam();
    StringSink sink;
    const GoldbachBigRequest request{c.n, "typed", {.one_result = true}};
    const SearchSummary summary =
        c.odd ? GoldbachOddRunBig(request, sink, {}) : GoldbachEvenRunBig(request, sink, {});
    EXPECT_EQ(summary.caption, "共1种");
    if (c.odd) {
        const mpz_class r = c.n - 3 - c.smallest;
        EXPECT_TRUE(Prime(r));
        EXPECT_EQ(sink.Text(), Line(c.n, {3, c.smallest, r}));
    } else {
        const mpz_class q = c.n - c.smallest;
        EXPECT_TRUE(Prime(q));
        EXPECT_EQ(sink.Text(), Line(c.n, {c.smallest, q}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GoldbachOneBig,
    testing::Values(OneCase{"EvenTenTo40", TenTo(40), false, 17},
                    OneCase{"Even60Digits", 2 * NextPrime(TenTo(59)) + 4 * TenTo(30), false, 919},
                    OneCase{"Even100Digits", 7 * TenTo(99) + 12, false, 2333},
                    OneCase{"OddTenTo40PlusOne", TenTo(40) + 1, true, 199},
                    OneCase{"Odd100Digits", 3 * TenTo(99) + 7, true, 1061}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GoldbachEvenRunBig, TypedTextOnTheLeftWithProgressTicked) {
    StringSink sink;
    GoldbachEvenRunBig({TenTo(40), "1e40", {.one_result = true, .show_progress = true}}, sink, {});
    EXPECT_EQ(sink.Text(), "1e40=17+9999999999999999999999999999999999999983\r\n");
}

TEST(GoldbachEvenRunBig, ListsPartitionsInOrderUntilStopped) {
    StopToken token;
    const StopScope scope(token);
    // Stops once three lines are written.
    class StopAfterThree final : public ResultSink {
    public:
        explicit StopAfterThree(StopToken& token) : token_(token) {}
        void Append(std::string_view text) override { text_.append(text); }
        void EndLine() override {
            text_ += "\r\n";
            if (++lines_ == 3) token_.RequestStop();
        }
        std::string text_;

    private:
        StopToken& token_;
        int lines_ = 0;
    };
    StopAfterThree sink(token);
    const mpz_class n = TenTo(39);
    const SearchSummary summary = GoldbachEvenRunBig({n, "", {}}, sink, {});
    // The first p of 10^39 = p + q, from PARI/GP: 173, 239, 257. Lines decided before the stop
    // was seen may follow; each must be a partition, in increasing p.
    const std::string first_three =
        Line(n, {173, n - 173}) + Line(n, {239, n - 239}) + Line(n, {257, n - 257});
    ASSERT_TRUE(sink.text_.starts_with(first_three));
    const std::string_view stopped = "(已停止,以上为部分结果)\r\n";
    ASSERT_TRUE(sink.text_.ends_with(stopped));
    std::istringstream rest(sink.text_.substr(
        first_three.size(), sink.text_.size() - first_three.size() - stopped.size()));
    unsigned long previous = 257;
    std::uint64_t lines = 3;
    for (std::string line; std::getline(rest, line); ++lines) {
        const std::size_t plus = line.find('+');
        const unsigned long p = std::stoul(line.substr(line.find('=') + 1));
        EXPECT_GT(p, previous);
        EXPECT_EQ(line, Line(n, {p, n - p}).substr(0, line.size()));
        EXPECT_TRUE(Prime(p) && Prime(n - p)) << line.substr(0, plus);
        previous = p;
    }
    EXPECT_EQ(summary.caption, "已停止:共" + std::to_string(lines) + "种");
}

struct CheckCase {
    const char* name;
    const char* text;
    bool odd;
    const char* message;  // nullptr: accepted
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldbachCheckBigExamples : public testing::TestWithParam<CheckCase> {};

TEST_P(GoldbachCheckBigExamples, ValidatesTheField) {
    const CheckCase& c = GetParam();
    const auto check = c.odd ? GoldbachOddCheckBig(c.text, {}) : GoldbachEvenCheckBig(c.text, {});
    ASSERT_TRUE(check.has_value());
    const auto* rejection = std::get_if<Rejection>(&*check);
    if (c.message == nullptr) {
        EXPECT_EQ(rejection, nullptr);
        return;
    }
    ASSERT_NE(rejection, nullptr);
    EXPECT_EQ(rejection->message->text, c.message);
    EXPECT_EQ(rejection->effect, FieldEffect::EmptyAll);
    EXPECT_TRUE(rejection->empty_pane);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, GoldbachCheckBigExamples,
    testing::Values(CheckCase{"EvenAccepted", "1e40", false, nullptr},
                    CheckCase{"OddOnTheEvenTool", "10000000000000000000000000000000000000001",
                              false, "请输入≥6的偶数"},
                    CheckCase{"EvenOnTheOddTool", "1e40", true, "请输入≥9的奇数"},
                    CheckCase{"NegativeOnTheOddTool", "-10000000000000000000000000000000000000001",
                              true, "请输入≥9的奇数"},
                    CheckCase{"BeyondThousandDigits", "1e1000", false,
                              "很抱歉!,最大只能到\r10^1000-1(1000位)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel
