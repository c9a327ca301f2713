// The input checks of the two Goldbach tools.
#include "core/input/read_number.h"
#include "core/tools/goldbach.h"

namespace numerel {

namespace {

enum class Parity { Even, Odd };

Message ParityMessage(Parity parity) {
    return Message{parity == Parity::Even ? "请输入≥6的偶数" : "请输入≥9的奇数", "重新输入",
                   MessageIcon::Exclamation, MessageButtons::Ok};
}

uint128 Minimum(Parity parity) {
    return parity == Parity::Even ? 6 : 9;
}

GoldbachChecked Reject(Message message) {
    return Rejection{.message = std::move(message),
                     .effect = FieldEffect::EmptyAll,
                     .focus = FocusAfter::First,
                     .empty_pane = true};
}

GoldbachChecked Accept(uint128 n, std::string_view text, GoldbachOptions options) {
    return GoldbachRequest{n, std::string(text), options};
}

bool ExactlyFits(uint128 n, Parity parity) {
    return n >= Minimum(parity) && (n % 2 == 0) == (parity == Parity::Even);
}

GoldbachChecked CheckBinary64(Parity parity, std::string_view text, GoldbachOptions options) {
    // Parity is decided on the exact numeral: every binary64 value above 2^53 is even.
    const ExactInteger exact = ReadExactInteger(text);
    if (exact.status == ExactStatus::Overflow) return Reject(OverLimitMessage());
    if (exact.status != ExactStatus::Exact || !ExactlyFits(exact.value, parity)) {
        return Reject(ParityMessage(parity));
    }
    return Accept(exact.value, text, options);
}

GoldbachChecked CheckDecimal96(Parity parity, std::string_view text, GoldbachOptions options) {
    if (text.empty()) return Rejection{.empty_pane = parity == Parity::Even};
    const DecimalRead read = ReadDecimal(text);
    if (read.status == DecimalStatus::Overflow) return Reject(OverLimitMessage());
    if (read.status != DecimalStatus::Ok || !read.value.IsInteger() || read.value.IsNegative()) {
        return Reject(ParityMessage(parity));
    }
    const std::optional<uint128> n = read.value.IntegerPart().ToUInt128();
    if (!n || !ExactlyFits(*n, parity)) return Reject(ParityMessage(parity));
    return Accept(*n, text, options);
}

}  // namespace

GoldbachChecked GoldbachEvenCheck(PathButton button, std::string_view text,
                                  GoldbachOptions options) {
    return button == PathButton::Binary64 ? CheckBinary64(Parity::Even, text, options)
                                          : CheckDecimal96(Parity::Even, text, options);
}

GoldbachChecked GoldbachOddCheck(PathButton button, std::string_view text,
                                 GoldbachOptions options) {
    return button == PathButton::Binary64 ? CheckBinary64(Parity::Odd, text, options)
                                          : CheckDecimal96(Parity::Odd, text, options);
}

}  // namespace numerel
