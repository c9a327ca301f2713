// LongIntQuot, LongMod and LongGcd on integer texts with leading zeros: quotient times divisor
// plus remainder is the dividend, the remainder is below the divisor, the divisor found divides
// both and leaves coprime cofactors; a zero divisor is refused, and nothing else an empty text.
#include <cstdint>
#include <string>

#include "core/exact_rational.h"
#include "core/long/long_quot.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    const std::vector<std::string> fields = fuzz::Fields(data, size, 2);
    const std::string a = fuzz::Numeral(fields[0], 80, false);
    const std::string b = fuzz::Numeral(fields[1], 40, false);
    const mpz_class va = exact::IntegerValue(a), vb = exact::IntegerValue(b);
    const LongResult quotient_result = LongIntQuot(a, b);
    const LongResult remainder_result = LongMod(a, b);
    const std::string& quotient = quotient_result.digits;
    const std::string& remainder = remainder_result.digits;
    if (vb == 0) {
        FUZZ_CHECK(quotient_result.refusal == LongRefusal::ZeroDivisor);
        FUZZ_CHECK(remainder_result.refusal == LongRefusal::ZeroDivisor);
        FUZZ_CHECK(remainder.empty());
        return 0;
    }
    FUZZ_CHECK(!quotient_result.refusal && !remainder_result.refusal);
    // A result the pane shows is a numeral, never the empty text (an empty dividend is 0).
    FUZZ_CHECK(!quotient.empty() && !remainder.empty());
    const mpz_class q = exact::IntegerValue(quotient), r = exact::IntegerValue(remainder);
    FUZZ_CHECK(q * vb + r == va);
    FUZZ_CHECK(0 <= r && r < vb);
    if (va == 0) return 0;
    const LongResult divisor_result = LongGcd(a, b);
    if (divisor_result.refusal) return 0;  // "00" met as a divisor on the way
    const std::string& divisor = divisor_result.digits;
    const mpz_class g = exact::IntegerValue(divisor);
    FUZZ_CHECK(g > 0);
    FUZZ_CHECK(va % g == 0 && vb % g == 0);
    FUZZ_CHECK(gcd(va / g, vb / g) == 1);
    return 0;
}
