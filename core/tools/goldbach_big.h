// The Goldbach page above 2^96 - 1: the Decimal96 buttons' check and run for values of up to
// 1000 digits, with the texts of the page's two tools.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/goldbach.h"
#include "core/tools/search_output.h"

namespace numerel {

struct GoldbachBigRequest {
    mpz_class n;
    std::string typed_text;
    GoldbachOptions options;
};

using GoldbachBigChecked = Checked<GoldbachBigRequest>;

// The Decimal96 button's check of the even (odd) tool when the field's magnitude exceeds
// 2^96 - 1; nullopt otherwise (GoldbachEvenCheck / GoldbachOddCheck apply). Beyond 1000 digits
// OverLimitMessage(InputLimit::Digits1000); a fraction, a negative, a non-number or the wrong
// parity the tool's "请输入≥6的偶数" / "请输入≥9的奇数"; every message empties the field and the
// pane.
std::optional<GoldbachBigChecked> GoldbachEvenCheckBig(std::string_view text,
                                                       GoldbachOptions options);
std::optional<GoldbachBigChecked> GoldbachOddCheckBig(std::string_view text,
                                                      GoldbachOptions options);

// GoldbachEvenRun for n of any size: lines "n=p+q", p ascending, both proven prime; left side
// the typed text when one_result and show_progress are both set. One result: the smallest p
// (FirstBigPrimePair); while q's proof runs, progress moves along its expected duration (it
// never reaches the end before the proof does). All results: unbounded in practice; stop and
// budget as GoldbachEvenRun, progress 2p/n.
SearchSummary GoldbachEvenRunBig(const GoldbachBigRequest& request, ResultSink& sink,
                                 const ProgressFn& progress);

// GoldbachOddRun for n of any size: lines "n=p+q+r", p then q ascending; one result: p = 3 and
// the smallest q in practice (the loops of GoldbachOddRun), r proven as the even tool's q.
SearchSummary GoldbachOddRunBig(const GoldbachBigRequest& request, ResultSink& sink,
                                const ProgressFn& progress);

}  // namespace numerel
