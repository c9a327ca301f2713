#include "core/tools/twin_search_big.h"

#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "core/nt/big_prime_sieve.h"
#include "core/run_control.h"
#include "core/tools/twin_search.h"

namespace numerel {

std::optional<TwinsBigChecked> TwinsCheckBig(std::string_view from_text, std::string_view to_text) {
    if (!BeyondDecimal96(from_text) && !BeyondDecimal96(to_text)) return std::nullopt;
    const BigIntegerRead a = ReadBigInteger(from_text);
    const BigIntegerRead b = ReadBigInteger(to_text);
    if (a.status == BigReadStatus::Overflow || b.status == BigReadStatus::Overflow) {
        return TwinsRejection(true);
    }
    if (a.status != BigReadStatus::Ok || b.status != BigReadStatus::Ok || a.value < 2 ||
        b.value < a.value + 2) {
        return TwinsRejection(false);
    }
    return TwinsBigBounds{a.value, b.value};
}

SearchSummary TwinsRunBig(const TwinsBigBounds& bounds, ResultSink& sink,
                          const ProgressFn& progress) {
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    SearchSummary summary;
    std::uint64_t kept = 0;
    const mpz_class& a = bounds.from;
    const mpz_class last = bounds.to - 2;  // the largest lower member inside
    try {
        if (a <= last) {
            const mpz_class span = last - a;
            const mpz_class report_step = span / 1024 + 1;
            mpz_class next_report = a;
            ForEachBigTwinPrime(a, last, [&](const mpz_class& p) {
                ++summary.count;
                if (!summary.cut) {
                    text += '(';
                    AppendDecimal(text, p);
                    text += ',';
                    AppendDecimal(text, p + 2);
                    text += ')';
                    out.Commit();
                    if (out.Full()) {
                        summary.cut = true;
                        kept = summary.count;
                    }
                }
                if (progress && p >= next_report && span > 0) {
                    progress(FractionOf(p - a, span));
                    next_report = p + report_step;
                }
                return true;
            });
            if (progress) progress(1.0);
        }
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    FinishTwinsText(out, summary, kept);
    return summary;
}

}  // namespace numerel
