// Conversions between unsigned 128-bit integers and GMP integers.
#pragma once

#include <gmpxx.h>

#include <cstdint>

#include "core/input/decimal96.h"

namespace numerel {

inline mpz_class ToMpz(uint128 value) {
    mpz_class result(static_cast<unsigned long>(value >> 64));
    result <<= 64;
    result += static_cast<unsigned long>(value & UINT64_MAX);
    return result;
}

// value must be below 2^128.
inline uint128 FromMpz(const mpz_class& value) {
    const mpz_class high = value >> 64;
    const mpz_class low = value - (high << 64);
    return (static_cast<uint128>(high.get_ui()) << 64) | low.get_ui();
}

}  // namespace numerel
