#include "core/tools/search_output.h"

#include <cmath>

namespace numerel {

void AppendDecimal(std::string& out, const mpz_class& v) {
    const std::size_t at = out.size();
    out.resize(at + mpz_sizeinbase(v.get_mpz_t(), 10) + 2);
    mpz_get_str(out.data() + at, 10, v.get_mpz_t());
    out.resize(at + std::char_traits<char>::length(out.data() + at));
}

double FractionOf(const mpz_class& done, const mpz_class& span) {
    // Mantissas and exponents apart: beyond about 10^308 a plain conversion is infinite.
    long done_exp = 0, span_exp = 0;
    const double done_part = mpz_get_d_2exp(&done_exp, done.get_mpz_t());
    const double span_part = mpz_get_d_2exp(&span_exp, span.get_mpz_t());
    return std::ldexp(done_part / span_part, static_cast<int>(done_exp - span_exp));
}

std::string CountCaption(std::uint64_t count, std::string_view unit, bool stopped) {
    std::string caption = stopped ? std::string(kStoppedMark) : std::string();
    caption += "共";
    AppendDecimal(caption, count);
    caption += unit;
    return caption;
}

std::string CutLine(const mpz_class& kept, const mpz_class& total, std::string_view unit) {
    std::string line = "……列表过长,只保存了前";
    AppendDecimal(line, kept);
    line += unit;
    line += ",共";
    AppendDecimal(line, total);
    line += unit;
    return line;
}

std::string CutLine(std::uint64_t kept, std::uint64_t total, std::string_view unit) {
    return CutLine(mpz_class(kept), mpz_class(total), unit);
}

std::string DiskFullLine(const mpz_class& total, std::string_view unit) {
    std::string line = "……磁盘已满,只保存了以上部分,共";
    AppendDecimal(line, total);
    line += unit;
    return line;
}

std::string DiskFullLine(std::uint64_t total, std::string_view unit) {
    return DiskFullLine(mpz_class(total), unit);
}

std::string FullLine(const ResultSink& sink, const mpz_class& kept, const mpz_class& total,
                     std::string_view unit) {
    return sink.OutOfSpace() ? DiskFullLine(total, unit) : CutLine(kept, total, unit);
}

std::string FullLine(const ResultSink& sink, std::uint64_t kept, std::uint64_t total,
                     std::string_view unit) {
    return FullLine(sink, mpz_class(kept), mpz_class(total), unit);
}

void FinishSearchText(SinkWriter& out, SearchSummary& summary, std::string_view unit,
                      std::uint64_t kept) {
    // A stop during the count of a cut list leaves no exact total to quote.
    if (summary.stopped) {
        out.NoteLine(kStoppedLine);
    } else if (summary.cut) {
        out.NoteLine(out.OutOfSpace() ? DiskFullLine(summary.count, unit)
                                      : CutLine(kept, summary.count, unit));
    }
    out.Flush();
    summary.caption = CountCaption(summary.count, unit, summary.stopped);
}

}  // namespace numerel
