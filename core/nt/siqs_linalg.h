// The linear algebra of the quadratic sieve over GF(2): sets of relations whose exponent
// vectors sum to zero. Structured elimination (drop singletons and surplus, merge along rows of
// weight two) shrinks the sparse matrix; dense elimination on 64-bit words finishes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace numerel::siqs {

// columns[i] lists the rows (below row_count) where column i has a one, each once. Returns up to
// max_count nonempty sets of column indices, each summing to zero. shortfall receives how many
// more columns would make the reduced matrix yield about max_count sets (0 when it does).
std::vector<std::vector<std::uint32_t>> FindDependencies(
    std::size_t row_count, std::vector<std::vector<std::uint32_t>> columns, std::size_t max_count,
    std::size_t& shortfall);

}  // namespace numerel::siqs
