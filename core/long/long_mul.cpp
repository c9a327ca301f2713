#include "core/long/long_mul.h"

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"

namespace numerel {

namespace {

// The product of two integer texts without leading zeros, both non-zero. Trailing zeros are
// taken off before the conversion and put back after it.
std::string MultiplyIntegers(std::string a, std::string b) {
    const std::size_t za = CountTrailingZeros(a);
    const std::size_t zb = CountTrailingZeros(b);
    a.resize(a.size() - za);
    b.resize(b.size() - zb);
    // The product has as many digits as both factors together: a power's peak, in effect.
    RequireMemory(PowerMemory(static_cast<double>(a.size() + b.size())));
    const mpz_class product = DigitsToMpz(a) * DigitsToMpz(b);
    std::string digits = MpzToDigits(product);
    if (digits != "0") digits.append(za + zb, '0');
    return digits;
}

}  // namespace

DigitString LongMul(const DigitString& a, const DigitString& b) {
    DigitString x = a;
    DigitString y = b;
    TrimLeadingZeros(x);
    TrimFraction(x);
    TrimLeadingZeros(y);
    TrimFraction(y);
    if (IsZeroOrEmpty(x) || IsZeroOrEmpty(y)) return "0";
    if (x == "1") return y;
    if (y == "1") return x;
    if (HasPoint(x) || HasPoint(y)) {
        const SplitParts parts = SplitAtPoint(x, y);
        const std::size_t k = parts.fa.size() + parts.fb.size();
        DigitString product =
            PlacePointFromRight(LongMul(parts.ia + parts.fa, parts.ib + parts.fb), k);
        TrimFraction(product);
        return product;
    }
    return MultiplyIntegers(x, y);
}

}  // namespace numerel
