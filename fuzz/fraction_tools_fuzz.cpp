// The fraction page: "化" gives a fraction equal to the repeating decimal typed, "约分" the same
// value in lowest terms, and the gcd page the divisor and multiple of its two integers; none of
// them ever shows a box for input its guards let through.
#include <cstdint>
#include <string>
#include <variant>

#include "core/exact_rational.h"
#include "core/tools/fraction_tools.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numerel;
    const std::vector<std::string> fields = fuzz::Fields(data, size, 2);
    const std::string x = fuzz::Numeral(fields[0], 30, true);
    const std::string r = fuzz::Numeral(fields[1], 20, false);

    const std::optional<Fraction> fraction = RepeatingDecimalToFraction(x, r);
    FUZZ_CHECK(fraction.has_value() == !RepeatingDecimalGuard(x, r).has_value());
    if (fraction) {
        const mpz_class n = exact::IntegerValue(fraction->numerator);
        const mpz_class d = exact::IntegerValue(fraction->denominator);
        FUZZ_CHECK(d > 0 && exact::Ratio(n, d) == exact::RepeatingValue(x, r));
        const std::optional<Fraction> reduced =
            ReduceFraction(fraction->numerator, fraction->denominator);
        FUZZ_CHECK(reduced.has_value() == (n != 0));
        if (reduced) {
            const mpz_class rn = exact::IntegerValue(reduced->numerator);
            const mpz_class rd = exact::IntegerValue(reduced->denominator);
            FUZZ_CHECK(exact::Ratio(rn, rd) == exact::Ratio(n, d) && gcd(rn, rd) == 1);
        }
    }

    const std::string a = fuzz::Numeral(fields[0], 30, false);
    const std::string b = fuzz::Numeral(fields[1], 30, false);
    const GcdLcmChecked checked = GcdLcmCheck(a, b);
    const auto* operands = std::get_if<GcdLcmOperands>(&checked);
    FUZZ_CHECK(operands != nullptr);  // digits only, or an empty box
    const std::string pane = GcdLcmRun(*operands);
    if (a.empty() || b.empty()) {
        FUZZ_CHECK(pane.empty());
        return 0;
    }
    const mpz_class va = exact::IntegerValue(a), vb = exact::IntegerValue(b);
    mpz_class l;
    mpz_lcm(l.get_mpz_t(), va.get_mpz_t(), vb.get_mpz_t());
    const std::string gcd_caption = "最大公约数是", lcm_caption = "\r\n最小公倍数是";
    const std::size_t line = pane.find(lcm_caption);
    FUZZ_CHECK(pane.starts_with(gcd_caption) && line != std::string::npos);
    const std::string g = pane.substr(gcd_caption.size(), line - gcd_caption.size());
    FUZZ_CHECK(!g.empty() && exact::IntegerValue(g) == gcd(va, vb));
    FUZZ_CHECK(exact::IntegerValue(pane.substr(line + lcm_caption.size())) == l);
    return 0;
}
