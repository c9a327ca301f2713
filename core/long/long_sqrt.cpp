#include "core/long/long_sqrt.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/long/long_kernel.h"
#include "core/long/long_memory.h"
#include "core/long/long_messages.h"
#include "core/long/long_precision.h"
#include "core/run_control.h"

namespace numerel {

namespace {

// The root of an integer radicand and the number of decimals asked for (0 when exact).
struct Root {
    DigitString text;
    std::size_t decimals = 0;
};

Root IntegerRoot(DigitString a, bool& exact, Prompter& prompter) {
    TrimLeadingZeros(a);
    if (a.size() < 16) {
        const mpz_class value = DigitsToMpz(a);
        if (mpz_perfect_square_p(value.get_mpz_t()) != 0) {
            exact = true;
            return {MpzToDigits(sqrt(value)), 0};
        }
    }
    const std::optional<std::string> answer =
        AskPrecision(prompter, kSqrtPrecisionPrompt, kSqrtPrecisionTitle);
    if (!answer) return {};
    const double n = PrecisionValue(*answer);
    if (!(n <= static_cast<double>(kMaxLongDigits))) {
        prompter.Show(PrecisionTooLargeMessage());
        return {};
    }
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
    return {root, decimals};
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

}  // namespace

DigitString LongSqrt(const DigitString& a, bool& exact, Prompter& prompter) {
    DigitString x = a;
    if (!HasPoint(x)) return IntegerRoot(x, exact, prompter).text;
    TrimFraction(x);
    if (!HasPoint(x)) return LongSqrt(x, exact, prompter);
    const std::size_t point = x.find('.');
    DigitString i = x.substr(0, point);
    DigitString f = x.substr(point + 1, x.find('.', point + 1) - point - 1);
    if (f.size() % 2 != 0) f += '0';
    const std::size_t k = f.size() / 2;
    const Root r = IntegerRoot(i + f, exact, prompter);
    if (exact) {
        if (k >= r.text.size()) return "0." + std::string(k - r.text.size(), '0') + r.text;
        return PlacePointFromRight(r.text, k);
    }
    if (r.text.empty()) return "";
    // Leading zeros of the integer part would misplace the point ("007.5" is 7.5).
    TrimLeadingZeros(i);
    std::size_t before = 0;
    const DigitString digits = PaddedDigits(r.text, r.decimals, before);
    if (i != "0") {
        const std::size_t integer_digits = (i.size() + 1) / 2;
        return CutRight(digits.substr(0, integer_digits) + "." + digits.substr(integer_digits), k);
    }
    const std::size_t z = std::min(f.find_first_not_of('0'), f.size());
    return CutRight("0." + std::string(z / 2, '0') + digits, before + z / 2);
}

}  // namespace numerel
