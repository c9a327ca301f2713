#include "core/tools/prime_search_output.h"

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

std::string CountCaption(std::uint64_t count, std::string_view unit, bool stopped) {
    std::string caption = stopped ? std::string(kStoppedMark) : std::string();
    caption += "共";
    AppendDecimal(caption, count);
    caption += unit;
    return caption;
}

std::string CutLine(std::uint64_t kept, std::uint64_t total, std::string_view unit) {
    std::string line = "……列表过长,只保存了前";
    AppendDecimal(line, kept);
    line += unit;
    line += ",共";
    AppendDecimal(line, total);
    line += unit;
    return line;
}

void FinishSearchText(SinkWriter& out, SearchSummary& summary, std::string_view unit,
                      std::uint64_t kept) {
    // A stop during the count of a cut list leaves no exact total to quote.
    if (summary.stopped) {
        out.NoteLine(kStoppedLine);
    } else if (summary.cut) {
        out.NoteLine(CutLine(kept, summary.count, unit));
    }
    out.Flush();
    summary.caption = CountCaption(summary.count, unit, summary.stopped);
}

}  // namespace numerel
