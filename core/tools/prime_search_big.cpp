#include "core/tools/prime_search_big.h"

#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "core/nt/big_prime_sieve.h"
#include "core/nt/factor_big.h"
#include "core/run_control.h"
#include "core/tools/prime_list_ends.h"
#include "core/tools/prime_search.h"

namespace numerel {

namespace {

Rejection BoundsRejection() {
    return {.message = Message{"请输入两个正整数!\r并且两数至少相差6.", "重新输入!",
                               MessageIcon::Exclamation, MessageButtons::Ok},
            .effect = FieldEffect::EmptyAll,
            .focus = FocusAfter::First,
            .empty_pane = true};
}

}  // namespace

std::optional<PrimesBigChecked> PrimesCheckBig(std::string_view from_text,
                                               std::string_view to_text) {
    if (!BeyondDecimal96(from_text) && !BeyondDecimal96(to_text)) return std::nullopt;
    if (from_text.empty() || to_text.empty()) return Rejection{};
    const BigIntegerRead a = ReadBigInteger(from_text);
    const BigIntegerRead b = ReadBigInteger(to_text);
    if (a.status == BigReadStatus::Overflow || b.status == BigReadStatus::Overflow) {
        return Rejection{.message = OverLimitMessage(InputLimit::Digits1000),
                         .effect = FieldEffect::EmptyAllBackward,
                         .focus = FocusAfter::First};
    }
    if (a.status != BigReadStatus::Ok || a.value < 1 || b.status != BigReadStatus::Ok) {
        return BoundsRejection();
    }
    if (b.value < a.value + 6) {
        const mpz_class raised = a.value + 6;
        return Rejection{.message = Message{"下边的数要比上边的至少大6", "重新输入",
                                            MessageIcon::Exclamation, MessageButtons::Ok},
                         .effect = FieldEffect::RewriteLast,
                         .text = raised.get_str()};
    }
    return PrimesBigBounds{a.value, b.value};
}

SearchSummary PrimesRunBig(const PrimesBigBounds& bounds, ResultSink& sink,
                           const ProgressFn& progress) {
    SinkWriter out(sink);
    std::string& text = out.Buffer();
    SearchSummary summary;
    std::uint64_t kept = 0;
    const auto text_item = [&](const mpz_class& p) {
        if (!summary.cut) {
            AppendDecimal(text, p);
            text += ' ';
        }
        ++summary.count;
    };
    const mpz_class& b = bounds.to;
    mpz_class a = bounds.from;
    try {
        // The steps of PrimesRun, on numbers of any size.
        const auto proven = [](const mpz_class& n) {
            return IsBpswProbablePrime(n) && IsProvenPrime(n, ProofThreads::AllCores);
        };
        a = ListPrimesUpTo6kMinus1(
            a,
            [&proven](const mpz_class& n) {
                PollStop();
                return proven(n);
            },
            text_item);
        const mpz_class a0 = a;
        if (a0 + 2 <= b) {
            const mpz_class last = a0 + (b - 2 - a0) / 6 * 6 + 2;
            const mpz_class span = b - a0;
            mpz_class next_report = a0;
            const mpz_class report_step = span / 1024 + 1;
            ForEachBigPrime(a0, last, [&](const mpz_class& p) {
                ++summary.count;
                if (!summary.cut) {
                    text += ' ';
                    AppendDecimal(text, p);
                    text += ' ';
                    out.Commit();
                    if (out.Full()) {
                        summary.cut = true;
                        kept = summary.count;
                    }
                }
                if (progress && p >= next_report) {
                    const mpz_class i = p - (p - a0) % 6;
                    progress(FractionOf(i - a0, span));
                    next_report = p + report_step;
                }
                return true;
            });
            if (progress) progress(FractionOf(last - 2 - a0, span));
        }
        ListPrimeAtTop(b, proven, text_item);
    } catch (const RunStopped&) {
        summary.stopped = true;
    }
    FinishPrimesText(out, summary, kept);
    return summary;
}

}  // namespace numerel
