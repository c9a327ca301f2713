#include "core/long/long_sqrt.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_precision.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// The root of an integer radicand and the number of decimals asked for (0 when exact).
struct Root {
    DigitString text;
    std::size_t decimals = 0;
};

// The root of an integer radicand, without leading zeros, of fewer than 16 characters that is a
// perfect square.
std::optional<DigitString> SmallExactRoot(const DigitString& a) {
    if (a.size() >= 16) return std::nullopt;
    const mpz_class value = DigitsToMpz(a);
    if (mpz_perfect_square_p(value.get_mpz_t()) == 0) return std::nullopt;
    return MpzToDigits(sqrt(value));
}

// The integer the root is taken of: a itself, or for a decimal i.f (after TrimFraction) the
// digits i f with f padded to 2k digits.
struct Radicand {
    DigitString integer;
    bool decimal = false;
    DigitString i;
    DigitString f;
    std::size_t k = 0;
};

Radicand ScaledRadicand(const DigitString& a) {
    Radicand out;
    out.integer = a;
    if (!HasPoint(out.integer)) return out;
    TrimFraction(out.integer);
    if (!HasPoint(out.integer)) return out;
    const DigitString& x = out.integer;
    const std::size_t point = x.find('.');
    out.i = x.substr(0, point);
    out.f = x.substr(point + 1, x.find('.', point + 1) - point - 1);
    if (out.f.size() % 2 != 0) out.f += '0';
    out.k = out.f.size() / 2;
    out.decimal = true;
    out.integer = out.i + out.f;
    return out;
}

// nullopt when refused.
std::optional<Root> IntegerRoot(DigitString a, const Precision& precision, bool& exact) {
    TrimLeadingZeros(a);
    if (std::optional<DigitString> root = SmallExactRoot(a)) {
        exact = true;
        return Root{std::move(*root), 0};
    }
    if (PrecisionTooLarge(precision)) return std::nullopt;
    const double n = precision.digits;
    // The digit-pair method stops when exactly N decimals are found; a count that it can never
    // reach exactly (0, negative, fractional) is taken as the next whole number of decimals.
    const std::size_t decimals = n > 0.0 ? static_cast<std::size_t>(std::ceil(n)) : 0;
    const std::size_t h = (a.size() + a.size() % 2) / 2;
    RequireMemory(SqrtMemory(static_cast<double>(h + decimals)));
    DigitString digits = StoppableDigits(static_cast<double>(h + decimals), [&] {
        mpz_class radicand = DigitsToMpz(a);
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, 2 * decimals);
        radicand *= scale;
        PollStop();
        const mpz_class whole_root = sqrt(radicand);
        PollStop();
        return MpzToDigits(whole_root);
    });
    PollStop();
    if (digits.size() < h + decimals) digits.insert(0, h + decimals - digits.size(), '0');
    DigitString root = digits.substr(0, h) + "." + digits.substr(h);
    TrimFraction(root);
    return Root{root, decimals};
}

// The root's digits with exactly `decimals` decimals (the zeros TrimFraction took restored),
// the point removed; `before` receives the number of digits before the point.
DigitString PaddedDigits(const DigitString& root, std::size_t decimals, std::size_t& before) {
    const std::size_t point = root.find('.');
    before = point == std::string::npos ? root.size() : point;
    DigitString digits = root;
    if (point != std::string::npos) digits.erase(point, 1);
    digits.append(before + decimals - std::min(before + decimals, digits.size()), '0');
    return digits;
}

DigitString CutRight(DigitString text, std::size_t count) {
    text.resize(text.size() - std::min(count, text.size()));
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

// The root of a decimal radicand from the root of its scaled integer.
DigitString PlaceDecimalRoot(const Radicand& radicand, const Root& root, bool exact) {
    if (exact) {
        if (radicand.k >= root.text.size())
            return "0." + std::string(radicand.k - root.text.size(), '0') + root.text;
        return PlacePointFromRight(root.text, radicand.k);
    }
    // Leading zeros of the integer part would misplace the point ("007.5" is 7.5).
    DigitString i = radicand.i;
    TrimLeadingZeros(i);
    std::size_t before = 0;
    const DigitString digits = PaddedDigits(root.text, root.decimals, before);
    if (i != "0") {
        const std::size_t integer_digits = (i.size() + 1) / 2;
        return CutRight(digits.substr(0, integer_digits) + "." + digits.substr(integer_digits),
                        radicand.k);
    }
    const std::size_t z = std::min(radicand.f.find_first_not_of('0'), radicand.f.size());
    return CutRight("0." + std::string(z / 2, '0') + digits, before + z / 2);
}

}  // namespace

bool SqrtNeedsPrecision(const DigitString& a) {
    DigitString integer = ScaledRadicand(a).integer;
    TrimLeadingZeros(integer);
    return !SmallExactRoot(integer).has_value();
}

LongResult LongSqrt(const DigitString& a, const Precision& precision, bool& exact) {
    const Radicand radicand = ScaledRadicand(a);
    const std::optional<Root> root = IntegerRoot(radicand.integer, precision, exact);
    if (!root) return LongResult::Refused(LongRefusal::PrecisionTooLarge);
    if (!radicand.decimal) return LongResult::Of(root->text);
    return LongResult::Of(PlaceDecimalRoot(radicand, *root, exact));
}

}  // namespace numerel
