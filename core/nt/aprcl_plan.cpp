#include "core/nt/aprcl_plan.h"

#include <flint/aprcl.h>
#include <flint/fmpz.h>
#include <flint/ulong_extras.h>

#include <cmath>

#include "core/nt/lenstra_divisors.h"

namespace numerel {

namespace {

struct QPower {
    unsigned long q;
    unsigned long exponent;
    double cost_per_bit;  // the q's Jacobi sums, modelled as phi(p^k)^2 each, per bit of q^e
    bool used = true;
};

unsigned long Valuation(unsigned long value, unsigned long p) {
    unsigned long v = 0;
    for (; value % p == 0; value /= p) ++v;
    return v;
}

std::vector<unsigned long> DivisorsOf(unsigned long value) {
    n_factor_t factors;
    n_factor_init(&factors);
    n_factor(&factors, value, 1);
    std::vector<unsigned long> divisors{1};
    for (int i = 0; i < factors.num; ++i) {
        const std::size_t count = divisors.size();
        unsigned long power = 1;
        for (int j = 0; j < factors.exp[i]; ++j) {
            power *= factors.p[i];
            for (std::size_t l = 0; l < count; ++l) divisors.push_back(divisors[l] * power);
        }
    }
    return divisors;
}

double CostPerBit(unsigned long q, unsigned long exponent) {
    n_factor_t factors;
    n_factor_init(&factors);
    n_factor(&factors, q - 1, 1);
    double cost = 0;
    for (int j = 0; j < factors.num; ++j) {
        const double degree =
            static_cast<double>(n_pow(factors.p[j], factors.exp[j] - 1) * (factors.p[j] - 1));
        cost += degree * degree;
    }
    return cost / (static_cast<double>(exponent) * std::log2(static_cast<double>(q)));
}

bool Reaches(const mpz_class& s, const mpz_class& n, LastStep last_step) {
    mpz_class power;
    mpz_pow_ui(power.get_mpz_t(), s.get_mpz_t(), last_step == LastStep::SquareRoot ? 2 : 3);
    return power > n;
}

mpz_class PowerOf(unsigned long q, unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), q, exponent);
    return power;
}

}  // namespace

AprclPlan PlanAprcl(const mpz_class& n, unsigned long R, LastStep last_step) {
    AprclPlan plan;
    plan.R = R;
    plan.last_step = last_step;
    n_factor_t r_factors;
    n_factor_init(&r_factors);
    n_factor(&r_factors, R, 1);
    for (int i = 0; i < r_factors.num; ++i) plan.r_primes.push_back(r_factors.p[i]);

    std::vector<QPower> powers;
    plan.s = 1;
    for (const unsigned long d : DivisorsOf(R)) {
        const unsigned long q = d + 1;
        if (n_is_prime(q) == 0) continue;
        const unsigned long exponent = Valuation(R, q) + 1;
        powers.push_back({q, exponent, CostPerBit(q, exponent)});
        plan.s *= PowerOf(q, exponent);
    }
    if (!Reaches(plan.s, n, last_step)) {
        plan.s = 0;
        return plan;
    }
    for (;;) {
        QPower* dearest = nullptr;
        for (QPower& power : powers) {
            if (!power.used || (dearest != nullptr && power.cost_per_bit < dearest->cost_per_bit))
                continue;
            if (Reaches(plan.s / PowerOf(power.q, power.exponent), n, last_step)) dearest = &power;
        }
        if (dearest == nullptr) break;
        dearest->used = false;
        plan.s /= PowerOf(dearest->q, dearest->exponent);
    }
    for (const QPower& power : powers)
        if (power.used && power.q > 2) plan.qs.push_back(power.q);
    return plan;
}

AprclPlan PlanAprcl(const mpz_class& n) {
    // Lenstra's last step pays while s fits the machine-integer walk: up to about 57 digits it
    // takes a third off the proof (fewer q's), beyond that the walk in GMP costs more than the
    // Jacobi sums it saves.
    for (const unsigned long R : {180ul, 360ul}) {
        AprclPlan plan = PlanAprcl(n, R, LastStep::CubeRoot);
        if (plan.s != 0 && mpz_sizeinbase(plan.s.get_mpz_t(), 2) <= kLenstraWordBits) return plan;
    }
    fmpz_t value;
    fmpz_init(value);
    fmpz_set_mpz(value, n.get_mpz_t());
    const unsigned long R = aprcl_R_value(value);
    fmpz_clear(value);
    return PlanAprcl(n, R, LastStep::SquareRoot);
}

}  // namespace numerel
