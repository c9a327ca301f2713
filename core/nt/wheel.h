// The trial-divisor wheels of the factorization tools. Both list the integers prime to the
// wheel's primorial, so every prime above its last fixed divisor is among them.
#pragma once

#include <array>
#include <cstdint>

namespace numerel {

// Wheel210: after the fixed divisors 2, 3, 5, 7, 11, 13, the trial divisors run in rounds of 48,
// the integers prime to 210 from 17 to 223; each further round adds 210 to every entry.
inline constexpr std::array<std::uint16_t, 48> kWheel210 = {
    17,  19,  23,  29,  31,  37,  41,  43,  47,  53,  59,  61,  67,  71,  73,  79,
    83,  89,  97,  101, 103, 107, 109, 113, 121, 127, 131, 137, 139, 143, 149, 151,
    157, 163, 167, 169, 173, 179, 181, 187, 191, 193, 197, 199, 209, 211, 221, 223};
inline constexpr std::uint64_t kWheel210Round = 210;
inline constexpr std::array<std::uint8_t, 6> kWheel210Fixed = {2, 3, 5, 7, 11, 13};

// Wheel30: after the fixed divisors 2, 3, 5, 7, the divisor starts at 7 and grows by these steps
// in turn (11, 13, 17, 19, 23, 29, 31, 37, then 41, ...): the integers prime to 30, eight per 30.
inline constexpr std::array<std::uint8_t, 8> kWheel30Steps = {4, 2, 4, 2, 4, 6, 2, 6};
inline constexpr std::array<std::uint8_t, 4> kWheel30Fixed = {2, 3, 5, 7};

}  // namespace numerel
