// The primes below 2^16 in one table, sieved once per process and shared by every thread. FLINT's
// n_nextprime keeps its own prime tables per thread and rebuilds them in each new thread, which
// cost a factorization's sieving threads milliseconds apiece.
#pragma once

#include <cstdint>
#include <vector>

namespace numerel {

// 2, 3, 5, …, 65521.
const std::vector<std::uint32_t>& PrimesBelow2To16();

// The least prime above p: a table lookup below 65521, FLINT's n_nextprime above.
std::uint64_t NextPrime(std::uint64_t p);

}  // namespace numerel
