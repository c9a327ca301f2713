#include "core/prime_search_output.h"

namespace numerel {

void AppendDecimal(std::string& out, uint128 v) {
    if (v < kTwoTo64) {
        AppendDecimal(out, static_cast<std::uint64_t>(v));
        return;
    }
    constexpr std::uint64_t kTen19 = 10000000000000000000ULL;
    AppendDecimal(out, v / kTen19);
    // The low 19 digits, zero-padded.
    std::uint64_t low = static_cast<std::uint64_t>(v % kTen19);
    char digits[19];
    for (int i = 18; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + low % 10);
        low /= 10;
    }
    out.append(digits, sizeof digits);
}

std::string DecimalText(uint128 v) {
    std::string text;
    AppendDecimal(text, v);
    return text;
}

}  // namespace numerel
