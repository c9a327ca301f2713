// Page 0, "分解一个数": factoring one positive integer into primes, "12=2^2×3".
// One "分解" button is the binary64 path (values up to SmallLimit), the other the Decimal96 path
// (up to 2^96 - 1, and beyond it the large path, up to 1000 digits). Both are a check phase and a
// run phase; the window runs its protocol in between. The field may hold an integer expression
// ("2^128+1"), which keeps its text on the left of "=".
#pragma once

#include <gmpxx.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/input/decimal96.h"
#include "core/message.h"
#include "core/nt/factor_big.h"
#include "core/result_sink.h"
#include "core/tools/checked.h"

namespace numerel {

// "您输入的数不能分解,请重新输入." with the exclamation icon, title "输入错误".
Message CannotFactorMessage();

struct FactorOneInput {
    uint128 value = 0;  // 1 <= value <= 2^96 - 1, or 0 when `large` holds the value
    mpz_class large;    // a value above 2^96 - 1 (up to 1000 digits), else 0
    // The text the result starts with: the field as typed (binary64 button), rewritten
    // (Decimal96 button), or the value in digits where the reading ignored the rest of the text
    // ("12abc" gives "12"); an expression as typed.
    std::string text;
    // The Decimal96 button writes `text` into the field before it factors (dropping a fraction,
    // normalising "1e16" to "10000000000000000"); the change reaction runs on it.
    bool rewritten = false;
};

// Rejections: the empty field on the Decimal96 button ends silently; after CannotFactorMessage the
// field and the pane are emptied, focus to the field; after the over-limit message (1000 digits)
// the field becomes kLargestInput1000 (its change reaction runs).
using FactorOneChecked = Checked<FactorOneInput>;

// The binary64 button: ReadNumber's numeral in the field (or the expression's value), read exactly
// (ReadExactBigInteger); not a whole number >= 1 gives CannotFactorMessage, also where the
// binary64 value only looks whole after rounding. A value above SmallLimit (a numeral followed by
// other characters, which keeps this button in place) is factored exactly, never as its rounded
// binary64 value; beyond 1000 digits it gets the over-limit message. Cost: linear in the text.
FactorOneChecked FactorOneCheck(std::string_view text);

// The Decimal96 button: an empty field ends silently; a text ReadDecimal cannot read (or a value
// below 1, which the change reaction never lets through) gives CannotFactorMessage; beyond 1000
// digits the over-limit message; otherwise the field becomes the integer part of the number typed,
// exactly (not of its 29-digit Decimal96 rounding). An expression is not rewritten. Cost: linear in
// the text.
FactorOneChecked FactorLargeCheck(std::string_view text);

// Writes the pane text, one line without a line end: "1=既不是素数,也不是合数", "7=素数" (written
// from the value for 2, 3, 5, 7, 11 and 13), otherwise text + "=" + the prime factors in
// increasing order ("2^2×3") or text + "=素数". The factors are exact for every input.
// progress: once per round of 48 trial divisors, the fraction d² / span (may exceed 1; the window
// clips it); 1 when the rest has been factored at once. Cost: microseconds below 2^64, a few
// milliseconds for the hardest 29-digit inputs. Stop: polled once per round of trial division and
// inside the quadratic sieve; RunStopped escapes (the pane keeps what was written).
// Above 2^96 - 1 (`large`) FactorBig factors: the same line, every prime proven, "=素数" for a
// prime; `live` gets the pane text so far (FactorLargeLiveText) as FactorBig reports. A stop
// returns normally with FactorLargeText's partial line written and true returned (RunStopped
// does not escape); false otherwise. Cost: FactorBig's.
using FactorLiveFn = std::function<void(const std::string& pane_text)>;
bool FactorOneRun(const FactorOneInput& input, ResultSink& pane, const ProgressFn& progress,
                  const FactorLiveFn& live = {});

// The line of a large factorization: text, "=", then the proven primes ("p" or "p^e", joined by
// "×"), then each part not yet split as "[未分解:N]" (or "[未分解:N]^e"), or text + "=素数" when
// the one prime is the value itself.
std::string FactorLargeText(std::string_view text, const BigFactorization& factors);

// What a large factorization shows while it runs: its line so far, a line end, then
// "分解中,当前步骤:" and the stage ("试除", "Pollard rho 法", "p-1 法", "椭圆曲线法(ECM)",
// "二次筛法(SIQS)", "素性证明").
std::string FactorLargeLiveText(std::string_view text, const BigFactorization& so_far,
                                FactorStage stage);

}  // namespace numerel
