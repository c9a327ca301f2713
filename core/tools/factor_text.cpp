#include "core/tools/factor_text.h"

namespace numerel {

void AppendNumber(ResultSink& out, uint128 value) {
    char buffer[kMaxUint128Digits];
    char* const end = buffer + sizeof buffer;
    const char* begin = WriteDecimalBefore(end, value);
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
