#include "core/tools/goldbach_big.h"

#include <cmath>
#include <primesieve.hpp>

#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "core/nt/big_goldbach.h"
#include "core/nt/big_proof_watch.h"
#include "core/run_control.h"
#include "core/tools/partition_lines.h"

namespace numerel {

namespace {

enum class Parity { Even, Odd };

std::optional<GoldbachBigChecked> CheckBig(Parity parity, std::string_view text,
                                           GoldbachOptions options) {
    if (!BeyondDecimal96(text)) return std::nullopt;
    const auto reject = [](Message message) -> GoldbachBigChecked {
        return Rejection{.message = std::move(message),
                         .effect = FieldEffect::EmptyAll,
                         .focus = FocusAfter::First,
                         .empty_pane = true};
    };
    const BigIntegerRead read = ReadBigInteger(text);
    if (read.status == BigReadStatus::Overflow)
        return reject(OverLimitMessage(InputLimit::Digits1000));
    const bool even = parity == Parity::Even;
    // Beyond 2^96 - 1 the minimum (6 or 9) is passed by any positive value.
    if (read.status != BigReadStatus::Ok || read.value < 9 ||
        mpz_even_p(read.value.get_mpz_t()) != even) {
        return reject(Message{even ? "请输入≥6的偶数" : "请输入≥9的奇数", "重新输入",
                              MessageIcon::Exclamation, MessageButtons::Ok});
    }
    return GoldbachBigRequest{read.value, std::string(text), options};
}

// Progress 2p/n of the page, reported when it moves by a thousandth at least.
class BigPartitionProgress {
public:
    BigPartitionProgress(const ProgressFn& progress, const mpz_class& n)
        : progress_(progress), n_(mpz_get_d(n.get_mpz_t())) {}
    void At(std::uint64_t p) {
        if (!progress_) return;
        const double fraction = 2.0 * static_cast<double>(p) / n_;
        if (fraction >= last_ + 1e-3) {
            progress_(fraction);
            last_ = fraction;
        }
    }

private:
    const ProgressFn& progress_;
    double n_;
    double last_ = -1;
};

// The proof of a pair's large prime, with the bar moving along its expected duration.
ProveFn WatchedProof(const ProgressFn& progress) {
    return [&progress](const mpz_class& q) {
        const double expected =
            ExpectedProofSeconds(static_cast<double>(mpz_sizeinbase(q.get_mpz_t(), 10)));
        return ProveWatched(q, [&](double seconds) {
            if (progress) progress(1.0 - std::exp(-seconds / expected));
        });
    };
}

}  // namespace

std::optional<GoldbachBigChecked> GoldbachEvenCheckBig(std::string_view text,
                                                       GoldbachOptions options) {
    return CheckBig(Parity::Even, text, options);
}

std::optional<GoldbachBigChecked> GoldbachOddCheckBig(std::string_view text,
                                                      GoldbachOptions options) {
    return CheckBig(Parity::Odd, text, options);
}

SearchSummary GoldbachEvenRunBig(const GoldbachBigRequest& request, ResultSink& sink,
                                 const ProgressFn& progress) {
    const mpz_class& n = request.n;
    const GoldbachOptions options = request.options;
    PartitionLines lines(
        sink, options.one_result && options.show_progress ? request.typed_text : n.get_str());
    return lines.Run([&] {
        if (options.one_result) {
            const std::optional<BigPrimePair> pair =
                FirstBigPrimePair(n, 3, WatchedProof(progress));
            if (pair) lines.Write(pair->p, pair->q);
        } else {
            BigPartitionProgress bar(progress, n);
            ForEachBigPrimePair(
                n, 3,
                [&](std::uint64_t p, const mpz_class& q) {
                    lines.Write(p, q);
                    return true;
                },
                [&](std::uint64_t p) {
                    bar.At(p + 2);
                    return true;
                });
        }
    });
}

SearchSummary GoldbachOddRunBig(const GoldbachBigRequest& request, ResultSink& sink,
                                const ProgressFn& progress) {
    const mpz_class& n = request.n;
    PartitionLines lines(sink, n.get_str());
    BigPartitionProgress bar(progress, n);
    return lines.Run([&] {
        // Every partition has p <= n/3; for each such prime the pairs q + r = n - p, q >= p.
        primesieve::iterator primes(3);
        for (std::uint64_t p = primes.next_prime(); n >= 3 * mpz_class(p);
             p = primes.next_prime()) {
            PollStop();
            bar.At(p);
            const mpz_class m = n - p;
            if (request.options.one_result) {
                if (const auto pair = FirstBigPrimePair(m, p, WatchedProof(progress))) {
                    lines.Write(p, pair->p, pair->q);
                    return;
                }
            } else {
                ForEachBigPrimePair(
                    m, p,
                    [&](std::uint64_t q, const mpz_class& r) {
                        lines.Write(p, q, r);
                        return true;
                    },
                    [](std::uint64_t) { return true; });
            }
        }
    });
}

}  // namespace numerel
