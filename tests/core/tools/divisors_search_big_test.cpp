// The divisors page beyond 2^96 - 1. References: PARI/GP 2.15 (numdiv, factor), the published
// list of perfect numbers (OEIS A000396), and GMP arithmetic on the pairs themselves.
#include "core/tools/divisors_search_big.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/input/uint128_mpz.h"
#include "core/run_control.h"
#include "core/tools/search_output.h"

namespace numerel {
namespace {

constexpr PathButton kB64 = PathButton::Binary64;
constexpr PathButton kD96 = PathButton::Decimal96;

// 2^126 (2^127 - 1), the 12th perfect number (77 digits).
constexpr const char* kPerfect12 =
    "14474011154664524427946373126085988481573677491474835889066354349131199152128";

mpz_class Big(const char* text) {
    return mpz_class(text, 10);
}

struct Result {
    std::string text;
    DivisorsOutcome outcome;
};

Result RunBig(const char* from, const char* to, bool perfect_only,
              std::uint64_t budget = UINT64_MAX) {
    StringSink sink(budget);
    DivisorsBigInput input{Big(from), Big(to), perfect_only, {}, {}};
    DivisorsOutcome outcome = DivisorsRunBig(input, sink, {});
    return {sink.Text(), std::move(outcome)};
}

// One block of the full-mode text: n and its pairs.
struct Block {
    mpz_class n;
    std::vector<std::pair<mpz_class, mpz_class>> pairs;
    bool perfect = false;
};

// Reads " n 的因数有:(d,e)(d,e)…[●n是完全数]" lines; stops at the first line of another form.
std::vector<Block> ParseBlocks(const std::string& text) {
    std::vector<Block> blocks;
    const std::string header = " 的因数有:";
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        const std::size_t end = text.find(header, at);
        if (end == std::string::npos) break;
        Block block;
        block.n = Big(text.substr(at + 1, end - at - 1).c_str());
        at = end + header.size();
        while (at < text.size() && text[at] == '(') {
            const std::size_t comma = text.find(',', at);
            const std::size_t close = text.find(')', comma);
            block.pairs.emplace_back(Big(text.substr(at + 1, comma - at - 1).c_str()),
                                     Big(text.substr(comma + 1, close - comma - 1).c_str()));
            at = close + 1;
        }
        const std::string perfect_line = "●" + block.n.get_str() + "是完全数\r\n";
        if (text.compare(at, perfect_line.size(), perfect_line) == 0) {
            block.perfect = true;
            at += perfect_line.size();
        }
        if (text.compare(at, 2, "\r\n") != 0) {
            blocks.push_back(std::move(block));  // an unfinished last block
            break;
        }
        at += 2;
        blocks.push_back(std::move(block));
    }
    return blocks;
}

// Every pair multiplies to n, the d ascend strictly and stay at most n/d.
void ExpectTruePairs(const Block& block) {
    SCOPED_TRACE(block.n.get_str());
    for (std::size_t i = 0; i < block.pairs.size(); ++i) {
        const auto& [d, e] = block.pairs[i];
        ASSERT_EQ(d * e, block.n) << d.get_str();
        ASSERT_LE(d, e);
        if (i > 0) {
            ASSERT_GT(d, block.pairs[i - 1].first);
        }
    }
}

TEST(DivisorsRunBig, WindowAboveTenTo40AgainstGp) {
    // PARI/GP: for(k=0,12, print(numdiv(10^40+k))); a pair per divisor up to the root.
    const int divisor_counts[] = {1681, 16, 32, 16, 12, 64, 32, 16, 96, 16, 3072, 8, 24};
    const Result result = RunBig("10000000000000000000000000000000000000000",
                                 "10000000000000000000000000000000000000012", false);
    const std::vector<Block> blocks = ParseBlocks(result.text);
    ASSERT_EQ(blocks.size(), 13u);
    mpz_class n = Big("10000000000000000000000000000000000000000");
    for (int k = 0; k < 13; ++k, ++n) {
        EXPECT_EQ(blocks[k].n, n);
        EXPECT_EQ(blocks[k].pairs.size(), static_cast<std::size_t>((divisor_counts[k] + 1) / 2));
        EXPECT_FALSE(blocks[k].perfect);
        ExpectTruePairs(blocks[k]);
    }
    // The square's middle pair.
    EXPECT_EQ(blocks[0].pairs.back().first, Big("100000000000000000000"));
    EXPECT_EQ(blocks[0].pairs.back().second, Big("100000000000000000000"));
    EXPECT_EQ(result.outcome.summary, "共0个");
}

TEST(DivisorsRunBig, TwelfthPerfectNumberInBothModes) {
    const std::string n = kPerfect12;
    const std::string next = mpz_class(Big(kPerfect12) + 1).get_str();
    const Result perfect_only = RunBig(kPerfect12, next.c_str(), true);
    EXPECT_EQ(perfect_only.text, "●" + n + "是完全数\r\n");
    EXPECT_EQ(perfect_only.outcome.summary, n + ",共1个");

    const Result full = RunBig(kPerfect12, next.c_str(), false);
    const std::vector<Block> blocks = ParseBlocks(full.text);
    ASSERT_EQ(blocks.size(), 2u);
    // PARI/GP: numdiv(2^126*(2^127-1)) = 254, numdiv(2^126*(2^127-1)+1) = 32.
    EXPECT_EQ(blocks[0].pairs.size(), 127u);
    EXPECT_TRUE(blocks[0].perfect);
    EXPECT_EQ(blocks[1].pairs.size(), 16u);
    EXPECT_FALSE(blocks[1].perfect);
    for (const Block& block : blocks) ExpectTruePairs(block);
    // PARI/GP: factor(2^126*(2^127-1)+1) = 11 * 107 * 261697 * 70333627629913 * (a 54-digit prime).
    EXPECT_EQ(blocks[1].pairs[1].first, 11);
    EXPECT_EQ(blocks[1].pairs[2].first, 107);
    EXPECT_EQ(full.outcome.summary, n + ",共1个");
}

TEST(ForEachPerfectNumber, PublishedPerfectNumbers) {
    // OEIS A000396: 9 perfect numbers below 10^40, the 10th to 12th between 10^40 and 10^200,
    // and none near 2^66 (2^67 - 1) (2^67 - 1 = 193707721 * 761838257287).
    struct Row {
        const char* name;
        const char* lo;
        const char* hi;
        std::vector<const char*> expected;
    };
    const mpz_class cole = (mpz_class(1) << 66) * ((mpz_class(1) << 67) - 1);
    const std::string near_lo = mpz_class(cole - 1000).get_str(),
                      near_hi = mpz_class(cole + 1000).get_str();
    const std::string ten40 = "1" + std::string(40, '0'), ten200 = "1" + std::string(200, '0');
    const Row rows[] = {
        {"BelowTenTo40",
         "1",
         ten40.c_str(),
         {"6", "28", "496", "8128", "33550336", "8589869056", "137438691328", "2305843008139952128",
          "2658455991569831744654692615953842176"}},
        {"TenTo40ToTenTo200",
         ten40.c_str(),
         ten200.c_str(),
         {"191561942608236107294793378084303638130997321548169216",
          "13164036458569648337239753460458722910223472318386943117783728128", kPerfect12}},
        {"CompositeMersenne67", near_lo.c_str(), near_hi.c_str(), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> found;
        ForEachPerfectNumber(Big(row.lo), Big(row.hi),
                             [&](const mpz_class& n) { found.push_back(n.get_str()); });
        EXPECT_EQ(found, std::vector<std::string>(row.expected.begin(), row.expected.end()));
    }
}

// Wherever both can run, the large path writes what the Decimal96 path writes.
TEST(DivisorsRunBig, SameTextAsTheDecimal96Path) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        bool perfect_only;
    };
    for (const Row& row :
         {Row{"FromTwo", "2", "600", false}, Row{"PerfectOnly", "2", "10000", true},
          Row{"Squares", "3600", "3700", false},
          Row{"TopOfDecimal96", "79228162514264337593543950330", "79228162514264337593543950335",
              false}}) {
        SCOPED_TRACE(row.name);
        const Result big = RunBig(row.from, row.to, row.perfect_only);
        DivisorsInput input;
        input.from = FromMpz(Big(row.from));
        input.to = FromMpz(Big(row.to));
        input.path = kD96;
        input.perfect_only = row.perfect_only;
        StringSink sink;
        const DivisorsOutcome exact = DivisorsRun(input, sink, {});
        EXPECT_EQ(big.text, sink.Text());
        EXPECT_EQ(big.outcome.summary, exact.summary);
    }
}

// The progress of an interval wider than a double's range: the perfect number 2^606 (2^607 - 1)
// stands half way between 10^40 and twice itself.
TEST(DivisorsRunBig, ProgressBeyondTheRangeOfADouble) {
    const mpz_class last = (mpz_class(1) << 606) * ((mpz_class(1) << 607) - 1);
    DivisorsBigInput input{
        Big("10000000000000000000000000000000000000000"), 2 * last, true, {}, {}};
    std::vector<double> reports;
    StringSink sink;
    const DivisorsOutcome outcome =
        DivisorsRunBig(input, sink, [&](double fraction) { reports.push_back(fraction); });
    EXPECT_EQ(outcome.count, 5);  // 2^(p-1) (2^p - 1) for p = 89, 107, 127, 521, 607
    ASSERT_EQ(reports.size(), 5u);
    EXPECT_NEAR(reports.back(), 0.5, 1e-12);
}

// A number with 2^30 divisors fills the budget inside its own block: the list ends there, and
// the perfect numbers of the rest of the interval are still counted.
TEST(DivisorsRunBig, BudgetCutInsideABlockStillCountsThePerfectNumbers) {
    mpz_class primorial;  // 2 * 3 * ... * 113, thirty primes
    mpz_primorial_ui(primorial.get_mpz_t(), 113);
    const std::string from = primorial.get_str();
    const std::string to = "1" + std::string(80, '0');
    const Result result = RunBig(from.c_str(), to.c_str(), false, 1000);
    EXPECT_TRUE(result.outcome.cut);
    const std::vector<Block> blocks = ParseBlocks(result.text);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_GT(blocks[0].pairs.size(), 100u);
    ExpectTruePairs(blocks[0]);
    const mpz_class total = Big(to.c_str()) - primorial + 1;
    EXPECT_TRUE(
        result.text.ends_with(")\r\n……列表过长,只保存了前0个,共" + total.get_str() + "个\r\n"));
    EXPECT_EQ(result.outcome.summary,
              "191561942608236107294793378084303638130997321548169216,"
              "13164036458569648337239753460458722910223472318386943117783728128," +
                  std::string(kPerfect12) + ",共3个");
}

// Asks the run to stop once the sink has taken `after` bytes.
class StoppingSink final : public ResultSink {
public:
    StoppingSink(StopToken& token, std::size_t after) : token_(token), after_(after) {}
    void Append(std::string_view text) override {
        text_.append(text);
        if (text_.size() >= after_) token_.RequestStop();
    }
    void EndLine() override { text_.append("\r\n"); }
    const std::string& Text() const { return text_; }

private:
    StopToken& token_;
    std::size_t after_;
    std::string text_;
};

// A stop inside a block keeps its header and the pairs written before it; the stop line follows
// on a line of its own and the summary is marked partial.
TEST(DivisorsRunBig, StopInsideABlockKeepsWhatWasWritten) {
    mpz_class primorial;
    mpz_primorial_ui(primorial.get_mpz_t(), 113);
    StopToken token;
    const StopScope scope(token);
    StoppingSink sink(token, 1);
    DivisorsBigInput input{primorial, primorial + 5, false, {}, {}};
    const DivisorsOutcome outcome = DivisorsRunBig(input, sink, {});
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.summary, "已停止:共0个");
    const std::string& text = sink.Text();
    const std::string stop_line = "\r\n" + std::string(kStoppedLine) + "\r\n";
    ASSERT_TRUE(text.ends_with(stop_line));
    EXPECT_EQ(text.find("\r\n"), text.size() - stop_line.size());  // one unfinished block
    const std::vector<Block> blocks = ParseBlocks(text);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].n, primorial);
    EXPECT_GT(blocks[0].pairs.size(), 0u);
    ExpectTruePairs(blocks[0]);
}

struct CheckCase {
    const char* name;
    PathButton path;
    std::string from;
    std::string to;
    // The large input's bounds and repairs, or the rejection's message.
    std::string big_from;
    std::string big_to;
    std::optional<std::string> from_text;
    std::optional<std::string> to_text;
    std::optional<Message> message;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class DivisorsCheckBigCases : public testing::TestWithParam<CheckCase> {};

TEST_P(DivisorsCheckBigCases, ReadRepairOrRefuse) {
    const CheckCase& c = GetParam();
    const auto checked = DivisorsCheckBig(c.path, c.from, c.to, false);
    ASSERT_TRUE(checked.has_value());
    if (c.message) {
        const auto* rejection = std::get_if<Rejection>(&*checked);
        ASSERT_NE(rejection, nullptr);
        EXPECT_EQ(rejection->message, c.message);
        const bool over = *c.message == OverLimitMessage(InputLimit::Digits1000);
        EXPECT_EQ(rejection->effect, over ? FieldEffect::EmptyAllBackward : FieldEffect::None);
        return;
    }
    const auto* input = std::get_if<DivisorsBigInput>(&*checked);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->from, Big(c.big_from.c_str()));
    EXPECT_EQ(input->to, Big(c.big_to.c_str()));
    EXPECT_EQ(input->from_text, c.from_text);
    EXPECT_EQ(input->to_text, c.to_text);
}

const std::string kNines1000(1000, '9');
const Message kNotInteger{"请输入两个整数!", "输入错误", MessageIcon::Exclamation,
                          MessageButtons::Ok};

INSTANTIATE_TEST_SUITE_P(
    Bounds, DivisorsCheckBigCases,
    testing::Values(
        CheckCase{"Expression", kD96, "2^126*(2^127-1)", "2^126*(2^127-1)+1", kPerfect12,
                  "14474011154664524427946373126085988481573677491474835889066354349131199152129",
                  std::nullopt, std::nullopt, std::nullopt},
        // Widening the largest Decimal96 lower bound now reaches 2^96 on the large path.
        CheckCase{"RepairPastTwoTo96", kD96, "79228162514264337593543950335",
                  "79228162514264337593543950335", "79228162514264337593543950335",
                  "79228162514264337593543950336", std::nullopt, "79228162514264337593543950336",
                  std::nullopt},
        CheckCase{"ReversedAtAnySize", kD96, "10^500", "7", "1" + std::string(500, '0'),
                  "1" + std::string(499, '0') + "1", std::nullopt,
                  "1" + std::string(499, '0') + "1", std::nullopt},
        CheckCase{"LowerOneRaisedToTwo", kD96, "1", "10^40", "2",
                  "10000000000000000000000000000000000000000", "2", std::nullopt, std::nullopt},
        CheckCase{"NegativeLowerRaisedToTwo", kD96, "-10^40", "10^40", "2",
                  "10000000000000000000000000000000000000000", "2", std::nullopt, std::nullopt},
        // The ordinary button reads the numeral at the start, exactly, at any size.
        CheckCase{"BinaryTrailingLetters", kB64, "1e30x", "3", "1000000000000000000000000000000",
                  "1000000000000000000000000000001", std::nullopt,
                  "1000000000000000000000000000001", std::nullopt},
        CheckCase{"LargestUpperBound", kD96, "10^999", kNines1000, "1" + std::string(999, '0'),
                  kNines1000, std::nullopt, std::nullopt, std::nullopt},
        CheckCase{"Beyond1000Digits", kD96, "2", "10^1000", "", "", std::nullopt, std::nullopt,
                  OverLimitMessage(InputLimit::Digits1000)},
        CheckCase{"RepairBeyond1000Digits", kD96, kNines1000, "5", "", "", std::nullopt,
                  std::nullopt, OverLimitMessage(InputLimit::Digits1000)},
        CheckCase{"FractionBesideALargeBound", kD96, "2.5", "10^40", "", "", std::nullopt,
                  std::nullopt, kNotInteger},
        CheckCase{"ExpressionWithoutIntegerValue", kD96, "10^40", "10^41/3", "", "", std::nullopt,
                  std::nullopt, kNotInteger}),
    [](const auto& info) { return std::string(info.param.name); });

// Up to 2^96 - 1 the Decimal96 check keeps its texts.
TEST(DivisorsCheckBig, LeavesBoundsUpToTwoTo96MinusOneToTheDecimal96Check) {
    for (const auto& [path, from, to] :
         {std::tuple{kD96, "79228162514264337593543950334", "79228162514264337593543950335"},
          std::tuple{kD96, "79228162514264337593543950334", "5"}, std::tuple{kB64, "1", "2.5"},
          std::tuple{kD96, "abc", "10000000000000000"}}) {
        SCOPED_TRACE(std::string(from) + " " + to);
        EXPECT_FALSE(DivisorsCheckBig(path, from, to, false).has_value());
    }
}

}  // namespace
}  // namespace numerel
