// LongDiv: every digit shown is the exact quotient truncated to the places shown; a division
// that needs no precision is exact; a zero divisor is refused and gives no digits.
#include <cstdint>
#include <string>

#include "core/exact_rational.h"
#include "core/long/long_div.h"
#include "core/long/long_precision.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    const std::vector<std::string> fields = fuzz::Fields(data, size, 3);
    const std::string a = fuzz::Numeral(fields[0], 60, true);
    const std::string b = fuzz::Numeral(fields[1], 12, true);
    const mpq_class va = exact::Value(a), vb = exact::Value(b);
    // Until repeat only where the period (at most the divisor's numerator) is short.
    std::string answer = fuzz::Numeral(fields[2], 2, false);
    if (answer.empty()) answer = "0";
    if (answer == "0" && vb.get_num() > 10'000) answer = "40";
    const DivisionPlan plan = PlanDivision(a, b);
    const bool needs_precision = plan.NeedsPrecision();
    const LongResult result = LongDiv(a, b, ReadPrecision(answer));
    const std::string& shown = result.digits;
    if (vb == 0) {
        FUZZ_CHECK(shown.empty() && result.refusal == LongRefusal::ZeroDivisor);
        return 0;
    }
    FUZZ_CHECK(!result.refusal && !shown.empty());
    FUZZ_CHECK(exact::Value(shown) == exact::Truncated(va / vb, exact::FractionDigits(shown)));
    if (!needs_precision) FUZZ_CHECK(exact::Value(shown) == va / vb);
    // (The text need not be canonical: a divisor "1" gives the dividend as typed, "100.0".)
    return 0;
}
