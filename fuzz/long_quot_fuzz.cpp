// LongIntQuot, LongMod and LongGcd on integer texts with leading zeros: quotient times divisor
// plus remainder is the dividend, the remainder is below the divisor, the divisor found divides
// both and leaves coprime cofactors; a zero divisor gives the box, and nothing else an empty text.
#include <cstdint>
#include <string>

#include "core/exact_rational.h"
#include "core/long/long_messages.h"
#include "core/long/long_quot.h"
#include "core/scripted_prompter.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    const std::vector<std::string> fields = fuzz::Fields(data, size, 2);
    const std::string a = fuzz::Numeral(fields[0], 80, false);
    const std::string b = fuzz::Numeral(fields[1], 40, false);
    const mpz_class va = exact::IntegerValue(a), vb = exact::IntegerValue(b);
    testing::ScriptedPrompter prompter;
    const std::string quotient = LongIntQuot(a, b, prompter);
    const std::string remainder = LongMod(a, b, prompter);
    if (vb == 0) {
        FUZZ_CHECK(prompter.Calls().size() == 2);
        FUZZ_CHECK(prompter.Calls()[0].message == ZeroDivisorMessage());
        FUZZ_CHECK(remainder.empty());
        return 0;
    }
    FUZZ_CHECK(prompter.Calls().empty());
    // A result the pane shows is a numeral, never the empty text (an empty dividend is 0).
    FUZZ_CHECK(!quotient.empty() && !remainder.empty());
    const mpz_class q = exact::IntegerValue(quotient), r = exact::IntegerValue(remainder);
    FUZZ_CHECK(q * vb + r == va);
    FUZZ_CHECK(0 <= r && r < vb);
    if (va == 0) return 0;
    const std::string divisor = LongGcd(a, b, prompter);
    if (!prompter.Calls().empty()) return 0;  // "00" met as a divisor on the way
    const mpz_class g = exact::IntegerValue(divisor);
    FUZZ_CHECK(g > 0);
    FUZZ_CHECK(va % g == 0 && vb % g == 0);
    FUZZ_CHECK(gcd(va / g, vb / g) == 1);
    return 0;
}
