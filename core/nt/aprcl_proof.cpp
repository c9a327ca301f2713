#include "core/nt/aprcl_proof.h"

#include <flint/aprcl.h>
#include <flint/flint.h>
#include <flint/fmpz.h>
#include <flint/ulong_extras.h>
#include <gmpxx.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "core/nt/aprcl_plan.h"
#include "core/nt/flint_thread_memory.h"
#include "core/nt/lenstra_divisors.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// One pseudoprime test with Jacobi sums: a prime q of the parameters and a prime power
// p^k exactly dividing q - 1.
struct PairTest {
    ulong q;
    ulong p;
    ulong k;
    // Results.
    slong h = -1;                  // n passes when h >= 0: the power is a root of unity zeta^h
    bool q_power_minus_1 = false;  // q^((n-1)/2) == -1 mod n (p == 2, k >= 2 only)
};

class Fmpz {
public:
    Fmpz() { fmpz_init(value_); }
    explicit Fmpz(const mpz_class& n) {
        fmpz_init(value_);
        fmpz_set_mpz(value_, n.get_mpz_t());
    }
    ~Fmpz() { fmpz_clear(value_); }
    Fmpz(const Fmpz&) = delete;
    Fmpz& operator=(const Fmpz&) = delete;
    fmpz* get() { return value_; }
    const fmpz* get() const { return value_; }

private:
    fmpz_t value_;
};

class UnityZp {
public:
    UnityZp(ulong p, ulong k, const fmpz_t n) { unity_zp_init(value_, p, k, n); }
    ~UnityZp() { unity_zp_clear(value_); }
    UnityZp(const UnityZp&) = delete;
    UnityZp& operator=(const UnityZp&) = delete;
    _unity_zp* get() { return value_; }

private:
    unity_zp value_;
};

void RunPair(PairTest& test, const fmpz_t n) {
    const ulong r = n_pow(test.p, test.k);
    Fmpz u;
    fmpz_tdiv_q_ui(u.get(), n, r);
    const ulong v = fmpz_tdiv_ui(n, r);
    if (test.p == 2 && test.k >= 2) {
        // q^((n-1)/2) mod n decides condition L_2 together with h.
        Fmpz exponent, power;
        fmpz_sub_ui(exponent.get(), n, 1);
        fmpz_fdiv_q_2exp(exponent.get(), exponent.get(), 1);
        fmpz_set_ui(power.get(), test.q);
        fmpz_powm(power.get(), power.get(), exponent.get(), n);
        fmpz_add_ui(power.get(), power.get(), 1);
        test.q_power_minus_1 = fmpz_equal(power.get(), n) != 0;
    }
    if (test.p == 2 && test.k == 1) {
        test.h = _aprcl_is_prime_jacobi_check_21(test.q, n);
        return;
    }
    UnityZp sum(test.p, test.k, n);
    unity_zp_jacobi_sum_pq(sum.get(), test.q, test.p);
    if (test.p == 2 && test.k == 2) {
        test.h = _aprcl_is_prime_jacobi_check_22(sum.get(), u.get(), v, test.q);
    } else if (test.p == 2) {
        UnityZp sum3(test.p, test.k, n), sum2(test.p, test.k, n);
        unity_zp_jacobi_sum_2q_one(sum3.get(), test.q);
        unity_zp_jacobi_sum_2q_two(sum2.get(), test.q);
        test.h = _aprcl_is_prime_jacobi_check_2k(sum.get(), sum3.get(), sum2.get(), u.get(), v);
    } else {
        test.h = _aprcl_is_prime_jacobi_check_pk(sum.get(), u.get(), v);
    }
}

// The pairs of the plan, the dearest first so that the threads end together.
std::vector<PairTest> Pairs(const AprclPlan& plan) {
    std::vector<PairTest> pairs;
    for (const ulong q : plan.qs) {
        n_factor_t factors;
        n_factor_init(&factors);
        n_factor(&factors, q - 1, 1);
        for (slong j = 0; j < factors.num; ++j)
            pairs.push_back({q, factors.p[j], static_cast<ulong>(factors.exp[j])});
    }
    const auto degree = [](const PairTest& t) { return n_pow(t.p, t.k - 1) * (t.p - 1); };
    std::stable_sort(pairs.begin(), pairs.end(),
                     [&](const PairTest& a, const PairTest& b) { return degree(a) > degree(b); });
    return pairs;
}

// Runs every pair on `threads` threads; false when the run was stopped.
bool RunPairs(std::vector<PairTest>& pairs, const fmpz_t n, unsigned threads) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> abandon{false};
    const auto work = [&] {
        for (std::size_t i = next++; i < pairs.size() && !abandon; i = next++) {
            RunPair(pairs[i], n);
            if (pairs[i].h < 0) abandon = true;  // composite: the rest is not needed
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads && t < pairs.size(); ++t) {
        helpers.emplace_back([&work] {
            const FlintThreadMemory flint_memory;
            work();
        });
    }
    // The calling thread works too, and alone sees its stop token.
    bool stopped = false;
    for (std::size_t i = next++; i < pairs.size() && !abandon; i = next++) {
        RunPair(pairs[i], n);
        if (pairs[i].h < 0) abandon = true;
        if (StopRequested()) {
            stopped = true;
            abandon = true;
        }
    }
    for (std::thread& helper : helpers) helper.join();
    return !stopped;
}

ProofOutcome Prove(const mpz_class& n_value, const fmpz_t n, const AprclPlan& plan,
                   unsigned threads) {
    if (gcd(n_value, plan.s * plan.R) != 1) return ProofOutcome::Composite;

    // Condition L_p for each prime p of R: met at once for odd p when n^(p-1) != 1 mod p^2,
    // otherwise by a pair test below or the extra test at the end.
    const std::vector<ulong>& r_primes = plan.r_primes;
    std::vector<bool> condition(r_primes.size(), false);
    const auto index_of = [&](ulong p) {
        return std::find(r_primes.begin(), r_primes.end(), p) - r_primes.begin();
    };
    for (std::size_t i = 0; i < r_primes.size(); ++i) {
        const ulong p = r_primes[i];
        if (p == 2) continue;
        mpz_class power;
        const mpz_class square(p * p);
        mpz_powm_ui(power.get_mpz_t(), n_value.get_mpz_t(), p - 1, square.get_mpz_t());
        condition[i] = power != 1;
    }

    std::vector<PairTest> pairs = Pairs(plan);
    if (!RunPairs(pairs, n, threads)) throw RunStopped{};
    const ulong n_mod_4 = fmpz_fdiv_ui(n, 4);
    for (const PairTest& test : pairs) {
        if (test.h < 0) return ProofOutcome::Composite;
        const auto i = index_of(test.p);
        if (test.p != 2) {
            if (test.h % static_cast<slong>(test.p) != 0) condition[i] = true;
        } else if (test.k == 1) {
            if (test.h == 1 && n_mod_4 == 1) condition[i] = true;
        } else if (test.h % 2 != 0 && test.q_power_minus_1) {
            condition[i] = true;
        }
    }
    for (std::size_t i = 0; i < r_primes.size(); ++i) {
        if (condition[i]) continue;
        PollStop();
        const int extra = _aprcl_is_prime_jacobi_additional_test(n, r_primes[i]);
        if (extra == 2) return ProofOutcome::Composite;
        if (extra == 0) return ProofOutcome::Unknown;
    }
    // Every divisor of n is now n^i mod s for some i < R.
    const std::optional<bool> prime =
        plan.last_step == LastStep::SquareRoot
            ? NoDivisorAmongPowers(n_value, plan.s, plan.R, threads)
            : NoDivisorInPowerClasses(n_value, plan.s, plan.R, threads);
    if (!prime) throw RunStopped{};
    return *prime ? ProofOutcome::Prime : ProofOutcome::Composite;
}

}  // namespace

ProofOutcome AprclProve(const mpz_class& n, unsigned threads) {
    const AprclPlan plan = PlanAprcl(n);
    if (plan.s == 0) return ProofOutcome::Unknown;
    Fmpz value(n);
    return Prove(n, value.get(), plan, std::max(threads, 1u));
}

namespace {

// Pieces 0..count-1 of the last step dealt out to `threads` threads: false as soon as one piece
// holds a divisor of n, true when none does, nullopt when the calling thread (the only one that
// polls its StopToken, between pieces) was stopped.
std::optional<bool> NoPieceHoldsADivisor(std::size_t count, unsigned threads,
                                         const std::function<bool(std::size_t)>& holds_divisor) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> divisor_found{false};
    std::atomic<bool> abandon{false};
    const auto work = [&](bool polls_stop) {
        for (std::size_t i = next++; i < count && !abandon; i = next++) {
            if (holds_divisor(i)) {
                divisor_found = true;
                abandon = true;
            }
            if (polls_stop && StopRequested()) abandon = true;
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work, false);
    work(true);
    for (std::thread& helper : helpers) helper.join();
    if (divisor_found) return false;
    if (abandon) return std::nullopt;
    return true;
}

}  // namespace

// FLINT's own loop for this step is serial (0.9 s at 500 digits, 16 s at 1000): the range of i
// is dealt out to the threads in pieces.
std::optional<bool> NoDivisorAmongPowers(const mpz_class& n, const mpz_class& s, unsigned long R,
                                         unsigned threads) {
    const mpz_class n_mod_s = n % s;
    // Pieces of at most 4096 powers, at least 64 of them: a stop is seen within milliseconds
    // even at 1000 digits, and a piece's first power costs little beside its products.
    constexpr ulong kMaxPiece = 4096;
    constexpr ulong kMinPieces = 64;
    // i runs over 0..R: n^R = 1 mod s in the proof, and FLINT's loop tries it too.
    const ulong end = R + 1;
    const ulong piece = std::clamp<ulong>((end + kMinPieces - 1) / kMinPieces, 1, kMaxPiece);
    return NoPieceHoldsADivisor((end + piece - 1) / piece, threads, [&](std::size_t k) {
        const ulong from = piece * k;
        const ulong to = std::min(end, from + piece);
        mpz_class r;
        const mpz_class exponent(from);
        mpz_powm(r.get_mpz_t(), n.get_mpz_t(), exponent.get_mpz_t(), s.get_mpz_t());
        for (ulong i = from; i < to; ++i) {
            if (i > 0 && r != 1 && mpz_divisible_p(n.get_mpz_t(), r.get_mpz_t()) != 0) return true;
            r = r * n_mod_s % s;
        }
        return false;
    });
}

namespace {

// Every residue n^i mod s, i from 0 up to the order of n (a divisor of R), save one of each
// pair i, 1 - i: a divisor d in class i has its cofactor n/d in class 1 - i, so trying either
// class finds one of them. Should n^R not be 1 mod s (never so in a proof), all R classes.
std::vector<mpz_class> PowerClassesUpToPairs(const mpz_class& n, const mpz_class& s,
                                             unsigned long R) {
    std::vector<mpz_class> residues{1};
    const mpz_class n_mod_s = n % s;
    mpz_class r = n_mod_s;
    for (; r != 1 && residues.size() < R; r = r * n_mod_s % s) residues.push_back(r);
    if (r != 1) return residues;
    const std::size_t order = residues.size();
    std::vector<mpz_class> classes;
    for (std::size_t i = 0; i < order; ++i)
        if (i <= (order + 1 - i) % order) classes.push_back(residues[i]);
    return classes;
}

}  // namespace

std::optional<bool> NoDivisorInPowerClasses(const mpz_class& n, const mpz_class& s, unsigned long R,
                                            unsigned threads) {
    const std::vector<mpz_class> classes = PowerClassesUpToPairs(n, s, R);
    return NoPieceHoldsADivisor(classes.size(), threads,
                                [&](std::size_t i) { return HasDivisorInClass(n, classes[i], s); });
}

}  // namespace numerel
