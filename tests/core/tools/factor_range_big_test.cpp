// Page 1 above SmallLimit, checked against GMP: every line's primes multiply to its number and
// pass 50 rounds of mpz_probab_prime_p.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/nt/flint_thread_memory.h"
#include "core/run_control.h"
#include "core/tools/factor_range.h"

namespace numerel {
namespace {

std::string List(const char* from, const char* to, std::uint64_t budget = UINT64_MAX) {
    const FactorRangeChecked checked = FactorRangeCheck(from, to);
    EXPECT_TRUE(std::holds_alternative<FactorRangeInput>(checked));
    if (!std::holds_alternative<FactorRangeInput>(checked)) return {};
    StringSink sink(budget);
    FactorRangeRun(std::get<FactorRangeInput>(checked), sink, {});
    return sink.Text();
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(separator, at)) != std::string::npos;
         at = next + separator.size())
        parts.push_back(text.substr(at, next - at));
    parts.push_back(text.substr(at));
    return parts;
}

bool ProbablePrime(const mpz_class& n) {
    return mpz_probab_prime_p(n.get_mpz_t(), 50) > 0;
}

// Each line is "n=素数" for a prime n, or "n=p^e×q" with primes increasing and product n; the
// numbers run from `from` to `to` one by one.
void ExpectFactorizations(const std::string& text, const mpz_class& from, const mpz_class& to) {
    std::vector<std::string> lines = Split(text, "\r\n");
    ASSERT_EQ(lines.back(), "");
    lines.pop_back();
    mpz_class n = from;
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 60));
        const std::size_t equals = line.find('=');
        ASSERT_NE(equals, std::string::npos);
        EXPECT_EQ(line.substr(0, equals), n.get_str());
        const std::string right = line.substr(equals + 1);
        if (right == "素数") {
            EXPECT_TRUE(ProbablePrime(n));
        } else {
            mpz_class product = 1;
            mpz_class previous = 1;
            for (const std::string& factor : Split(right, "×")) {
                const std::vector<std::string> power = Split(factor, "^");
                const mpz_class p(power[0]);
                EXPECT_TRUE(ProbablePrime(p)) << power[0];
                EXPECT_GT(p, previous);
                previous = p;
                const unsigned long e = power.size() == 2 ? std::stoul(power[1]) : 1;
                EXPECT_TRUE(power.size() == 1 || e > 1);
                mpz_class pe;
                mpz_pow_ui(pe.get_mpz_t(), p.get_mpz_t(), e);
                product *= pe;
            }
            EXPECT_EQ(product, n);
        }
        ++n;
    }
    EXPECT_EQ(n, to + 1);
}

mpz_class NextPrime(const mpz_class& n) {
    mpz_class p;
    mpz_nextprime(p.get_mpz_t(), n.get_mpz_t());
    return p;
}

mpz_class Pow(unsigned long base, unsigned long exponent) {
    mpz_class r;
    mpz_ui_pow_ui(r.get_mpz_t(), base, exponent);
    return r;
}

TEST(FactorRangeBig, LinesCheckedByGmp) {
    // 2^96 is where the exact 128-bit kernel hands over to the large one.
    const mpz_class two96 = Pow(2, 96);
    ExpectFactorizations(List("2^96-3", "2^96+3"), two96 - 3, two96 + 3);
    const mpz_class ten40 = Pow(10, 40);
    ExpectFactorizations(List("10^40", "10^40+6"), ten40, ten40 + 6);
    // A 1000-digit number of small, medium and large primes made by GMP.
    const mpz_class n =
        Pow(2, 2800) * NextPrime(Pow(10, 12)) * NextPrime(Pow(10, 15)) * NextPrime(Pow(10, 130));
    ASSERT_EQ(n.get_str().size(), 1000u);
    const std::string text = List(n.get_str().c_str(), n.get_str().c_str());
    ExpectFactorizations(text, n, n);
    EXPECT_EQ(Split(text, "×").size(), 4u);
}

// Where the lower bound is at most SmallLimit and the upper one above, every line is the same
// as on the binary64 path.
TEST(FactorRangeBig, AcrossSmallLimit) {
    EXPECT_EQ(List("999999999999998", "1000000000000003"),
              "999999999999998=2×499999999999999\r\n"
              "999999999999999=3^3×31×37×41×271×2906161\r\n"
              "1000000000000000=2^15×5^15\r\n"
              "1000000000000001=7×11×13×211×241×2161×9091\r\n"
              "1000000000000002=2×3×166666666666667\r\n"
              "1000000000000003=14902357×67103479\r\n");
}

// The bar moves once per prime, by (p - a') / (b - a'): 10^20 + 39 is the one prime of
// [10^20, 10^20 + 100].
TEST(FactorRangeBig, ProgressOncePerPrime) {
    const FactorRangeChecked checked = FactorRangeCheck("10^20", "10^20+100");
    ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(checked));
    CountingSink sink;
    std::vector<double> progress;
    FactorRangeRun(std::get<FactorRangeInput>(checked), sink,
                   [&](double f) { progress.push_back(f); });
    EXPECT_EQ(progress, std::vector<double>{39.0 / 100.0});
    // Spans beyond the range of a double still give the fraction.
    EXPECT_EQ(FractionOf(Pow(10, 600), 4 * Pow(10, 600)), 0.25);
}

// The fixed lines stay; a cut list names its total exactly, even beyond 2^64.
TEST(FactorRangeBig, FixedLinesThenCutWithTheExactTotal) {
    EXPECT_EQ(List("5", "10^20", 40),
              "5=素数\r\n6=2×3\r\n7=素数\r\n8=2^3\r\n9=3^2\r\n"
              "……列表过长,只保存了前5个,共99999999999999999996个\r\n");
}

// Stops once the sink has seen its first line end and a little time has passed, so the stop
// comes while the second number is being split.
class StopAfterFirstLine final : public ResultSink {
public:
    void Append(std::string_view text) override { text_.append(text); }
    void EndLine() override {
        text_.append("\r\n");
        std::lock_guard lock(mutex_);
        lines_ = true;
        cv_.notify_all();
    }
    void WaitForLine() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return lines_; });
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    std::mutex mutex_;
    std::condition_variable cv_;
    bool lines_ = false;
};

TEST(FactorRangeBig, StopKeepsTheLinesDoneAndMarksThePartNotYetSplit) {
    // n is a proven prime; n + 1 = 2 p q with p and q of 50 digits, which no method splits soon.
    const mpz_class p = NextPrime(Pow(10, 49));
    const mpz_class q("70000000000000000000000000000000000000000000055119");
    const mpz_class n = 2 * p * q - 1;
    ASSERT_TRUE(ProbablePrime(n) && ProbablePrime(q));
    const std::string from = n.get_str();
    const std::string to = mpz_class(n + 1).get_str();
    const FactorRangeChecked checked = FactorRangeCheck(from, to);
    ASSERT_TRUE(std::holds_alternative<FactorRangeInput>(checked));
    StopToken token;
    StopAfterFirstLine sink;
    SearchSummary summary;
    std::thread worker([&] {
        const FlintThreadMemory memory;
        const StopScope scope(token);
        summary = FactorRangeRun(std::get<FactorRangeInput>(checked), sink, {});
    });
    sink.WaitForLine();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    token.RequestStop();
    worker.join();
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(sink.Text(), from + "=素数\r\n" + to + "=2×[未分解:" + mpz_class(p * q).get_str() +
                               "]\r\n(已停止,以上为部分结果)\r\n");
}

}  // namespace
}  // namespace numerel
