// The Goldbach page: an even n >= 6 as p + q and an odd n >= 9 as p + q + r, odd primes in
// non-decreasing order, every partition or only the first. Check and run phases as the other
// search pages; both tools write into the page's one pane.
#pragma once

#include <string>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/input/pick_path.h"
#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"
#include "core/tools/search_output.h"

namespace numerel {

// A tool's two check boxes on the page.
struct GoldbachOptions {
    bool one_result = false;     // 只计算一种结果
    bool show_progress = false;  // 显示进度(较慢)
};

struct GoldbachRequest {
    uint128 n = 0;
    std::string typed_text;  // the field as typed (the even tool's left side may use it)
    GoldbachOptions options;
};

// A rejection with a message empties the tool's field and focuses it; the count label keeps its
// text. Every press but one empties the shared pane first (with the status label and the bar),
// which empty_pane says; the odd tool's Decimal96 button with an empty field does nothing at all.
using GoldbachChecked = Checked<GoldbachRequest>;

// Even tool, its one field. Binary64 button: ReadNumber; n/2 whole and n >= 6. Decimal96
// button: empty -> nothing beyond emptying the pane; ReadDecimal, whole, n >= 6, even. Else
// "请输入≥6的偶数" / "重新输入" (also for a non-number on the Decimal96 button). Values above
// SmallLimit on the binary64 button are re-read exactly; beyond 2^96 - 1 the over-limit message.
GoldbachChecked GoldbachEvenCheck(PathButton button, std::string_view text,
                                  GoldbachOptions options);

// Odd tool, its one field, the same way: whole, odd, n >= 9, else "请输入≥9的奇数" / "重新输入";
// the Decimal96 button with an empty field does nothing at all (a silent rejection that keeps the
// pane).
GoldbachChecked GoldbachOddCheck(PathButton button, std::string_view text, GoldbachOptions options);

// Lines "18=5+13" (CR LF through the sink's EndLine after each) in increasing p, p <= q. The
// left side is the typed text when both one_result and show_progress are set, else n's digits.
// Returns the count and "共N种" ("共1种" in one-result mode). progress (may be empty) gets 2p/n.
// Cost, all results: primesieve walking p upward and q = n - p downward, O(n) sieving and
// O(sqrt n) memory for n < 2^56 (10^9 in about a second); from there on one proven test per
// prime p, memory a few MB at any n. One result: about ln n proven tests, instant for 29
// digits. n must be even and >= 6. Stop: the lines so far, then kStoppedLine, caption
// "已停止:共N种". Budget: once sink.Full(), lines are only counted; CutLine(K, N, "种") ends the
// text, cut set, the caption exact.
SearchSummary GoldbachEvenRun(const GoldbachRequest& request, ResultSink& sink,
                              const ProgressFn& progress);

// Lines "21=3+5+13" in increasing p, then q; p <= q <= r. Left side always n's digits. Returns
// the count and "共N种" ("共1种" in one-result mode); progress gets 2p/n. Cost, all results: for
// each prime p <= n/3 the even walk of n - p from q = p (grows like n^2 / log^2 n); one result:
// a few proven tests. n must be odd and >= 9. Stop and budget as GoldbachEvenRun.
SearchSummary GoldbachOddRun(const GoldbachRequest& request, ResultSink& sink,
                             const ProgressFn& progress);

}  // namespace numerel
