// Page 5, "批量找因数": the divisor pairs of every number of [a, b] and the perfect numbers among
// them. The ordinary button reads the bounds with ReadNumber (binary64 path), the large one with
// ReadDecimal (Decimal96 path); both then work exactly on 128-bit integers. Bounds beyond 2^96 - 1
// go to divisors_search_big.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/input/decimal96.h"
#include "core/input/pick_path.h"
#include "core/message.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"

namespace numerel {

// "请输入两个整数!", title "输入错误": a bound with a fraction, or one that is no number on the
// Decimal96 path.
Message DivisorsNotIntegerMessage();

struct DivisorsInput {
    uint128 from = 2;  // 2 <= from < to <= 2^96 - 1
    uint128 to = 3;
    PathButton path = PathButton::Binary64;
    bool perfect_only = false;  // "只找完全数" ticked
    // The repaired bounds the page shows in its lower / upper field; nullopt where a field is
    // unchanged.
    std::optional<std::string> from_text;
    std::optional<std::string> to_text;
};

using DivisorsChecked = Checked<DivisorsInput>;

// Reads the bounds as the button of `path` does and repairs them silently: a lower bound below 2
// (0, 1 or negative) becomes 2, and an upper bound not above the lower one becomes the lower one
// plus 1. Rejected: a bound with a fraction, a Decimal96 field that is no number
// (DivisorsNotIntegerMessage, fields kept, focus to the lower one), a bound above 2^96 - 1, or a
// repair that would make one (the 29-digit over-limit box, both fields emptied, the upper one
// first); the page asks DivisorsCheckBig first, which takes those bounds on. A binary64 bound above
// SmallLimit (a numeral with trailing characters) is read again exactly. Cost: linear in the texts.
DivisorsChecked DivisorsCheck(PathButton path, std::string_view from_text, std::string_view to_text,
                              bool perfect_only);

struct DivisorsOutcome {
    int count = 0;        // perfect numbers found
    std::string summary;  // the summary box: "6、28、共2个" (binary64) or "6,28,共2个" (larger)
    bool stopped = false;  // the summary then ends "已停止:共2个" and the text kStoppedLine
    bool cut = false;      // the sink's budget ran out; the text ends with a CutLine
};

// Streams the result text (lines end with EndLine): in full mode per n " n 的因数有:" and the
// tokens
// "(d,n/d)" for every divisor d <= sqrt(n) in increasing order, "●n是完全数" and a line end for a
// perfect n, then a line end; in perfect-only mode only the lines "●n是完全数". n is perfect
// when the pairs' sum equals 2n, compared exactly. progress: once per n, (n - a) / (b - a).
// Cost: the divisors come from each number's factorization (a sieve over the interval below
// about 1.1e15), so about the number of divisors per n instead of sqrt(n) divisions.
// Stop: polled once per number (and inside the factoring); the text so far is followed by the
// line kStoppedLine and the summary's count is marked "已停止:". Budget: once sink.Full(), no
// more list text; the perfect numbers are still found, and a CutLine (K numbers of b - a + 1),
// or a DiskFullLine when the sink ran out of room, ends the text.
DivisorsOutcome DivisorsRun(const DivisorsInput& input, ResultSink& sink,
                            const ProgressFn& progress);

}  // namespace numerel
