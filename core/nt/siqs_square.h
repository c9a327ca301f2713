// The last step of the quadratic sieve: from a set of relations whose product is a square,
// X^2 = Y^2 (mod n) and the divisor gcd(X - Y, n).
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <vector>

#include "core/nt/siqs_base.h"
#include "core/nt/siqs_relations.h"

namespace numerel::siqs {

// The exponent parities of a relation set: the base indices with an odd exponent, ascending.
std::vector<std::uint32_t> OddFactors(const std::vector<Relation>& relations,
                                      const RelationSet& set);

// gcd(X - Y, n) for the relation sets listed in dependency (indices into sets); 1 or n when
// this dependency does not split n.
mpz_class SquareGcd(const FactorBase& base, const std::vector<Relation>& relations,
                    const std::vector<RelationSet>& sets,
                    const std::vector<std::uint32_t>& dependency);

}  // namespace numerel::siqs
