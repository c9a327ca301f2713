#include "core/tools/factor_text.h"

#include <charconv>

namespace numerel {

void AppendNumber(ResultSink& out, uint128 value) {
    char buffer[40];
    char* end = buffer + sizeof buffer;
    char* begin = end;
    if (value <= UINT64_MAX) {
        begin = buffer;
        end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(value)).ptr;
    } else {
        while (value != 0) {
            *--begin = static_cast<char>('0' + static_cast<int>(value % 10));
            value /= 10;
        }
    }
    out.Append(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

void AppendFactor(ResultSink& out, int s, uint128 d, uint128 m) {
    if (s <= 0) return;
    AppendNumber(out, d);
    if (s > 1) {
        out.Append("^");
        AppendNumber(out, static_cast<uint128>(s));
    }
    if (m != 1) out.Append(kTimes);
}

void AppendFactorLine(ResultSink& out, int s, uint128 d, uint128 m) {
    if (s <= 0) return;
    AppendFactor(out, s, d, m);
    if (m == 1) out.EndLine();
}

}  // namespace numerel
