// The calculator page (page 6) without its window: two operand texts and an operation in, the
// operands as the page shows them afterwards and what the pane shows out.
//
// How the page uses it: an operation button's click first writes WithoutSign of the A box, then
// of the B box, back where it removed a sign, and checks them with CalcCheck; a rejection with a
// message is shown as its message box, a silent one ends the click. Both leave the status label
// and the bar as they were. Otherwise it goes through a CalcClick: Prepare on the window's
// thread, then Run on the worker and AfterRun back on the window's thread, again while AfterRun
// asks for it. Then: a rejection is shown as its message box (no time report); a result replaces
// the whole content of the pane and the elapsed time is reported; with neither, nothing more
// happens (a long result not confirmed).
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/long/digit_string.h"
#include "core/long/long_div.h"
#include "core/long/long_precision.h"
#include "core/long/long_result.h"
#include "core/message.h"
#include "core/prompter.h"
#include "core/tools/checked.h"

namespace numerel {

// The nine operation buttons, in the page's order.
enum class CalcOp { Add, Sub, Mul, Div, Pow, IntQuot, Mod, Sqrt, Factorial };
inline constexpr std::size_t kCalcOpCount = static_cast<std::size_t>(CalcOp::Factorial) + 1;

// The operation of button index (< kCalcOpCount): every button table lists CalcOp's order.
inline CalcOp CalcOpAt(std::size_t index) {
    assert(index < kCalcOpCount);
    return static_cast<CalcOp>(index);
}

struct CalcButton {
    const char* caption;
    const char* tooltip;  // "" for none
};

// Captions and tooltips of the operation buttons, in CalcOp's order.
const std::array<CalcButton, kCalcOpCount>& CalcButtons();

enum class CalcField { A, B };  // the two operand boxes

// The operands as typed into (or rewritten in) the A and B boxes.
struct CalcOperands {
    std::string a;
    std::string b;
};

// The operand without one leading "-": the click writes it back into its box, where it removed
// one, before it checks anything. A second "-" stays (and is then no numeral).
std::string WithoutSign(std::string operand);

// Checks the operands (signs already removed) of one click: both empty -> a silent rejection;
// an operand the operation reads that is not digits with at most one point ->
// NotANumeralMessage("A"), then "B"; the fields keep their text. Otherwise the operands, as
// RunCalculator needs them. Cost: one pass over each operand read.
using CalcChecked = Checked<CalcOperands>;
CalcChecked CalcCheck(CalcOp op, CalcOperands operands);

// Called each time the click writes an operand box, in the order it does so (all before the
// first run).
using CalcWriteBack = std::function<void(CalcField field, const std::string& text)>;

// Why an operation that ran gave the pane nothing (the empty text).
enum class CalcNoResult {
    None,
    ZeroDivisor,       // "除数为零!" was shown
    PrecisionRefused,  // the precision answer was too large (its message was shown)
    PromptCancelled,   // the precision prompt was cancelled or answered with nothing
};

struct CalcOutcome {
    std::string a;                      // the A box after the click
    std::string b;                      // the B box after the click
    std::optional<Message> rejection;   // a limit of the operation refused it: its message
    std::optional<DigitString> result;  // the pane text; empty when no_result says why
    CalcNoResult no_result = CalcNoResult::None;
};

// One click on operands that passed CalcCheck, with the page's own steps: the exchange for A－B
// (larger operand into the A box), integer parts written back for A^B (B), A\B and A mod B
// (both) and A! (A); B above 2147483647 for A^B -> PowerTooLargeMessage(); A above 2147483647
// for A! -> FactorialTooLargeMessage(); a power or factorial estimated above kMaxLongDigits
// characters -> ResultTooLongMessage(), above kConfirmLongDigits -> ConfirmLongResultMessage()
// (Cancel: nothing more). The precision prompt (PrecisionNoticeMessage(), then the input box)
// comes before the run for a square root that needs it, and between the runs for a division
// whose quotient has a repetend. A zero divisor (A/B, A\B, A mod B alike), a refused or a
// cancelled precision prompt give the pane the empty text and no_result says which; the
// refusal's message comes after the run, as does RepetendNotFoundMessage() with the digits
// found. The integer part of an operand such as ".4" is "0", written back as such.
//
// The steps: Prepare; when it says so, Run then AfterRun, and again while AfterRun says so.
class CalcClick {
public:
    CalcClick(CalcOp op, CalcOperands operands, CalcWriteBack write_back = {});

    // Before any computing: the write-backs, the limits and the questions that need no result.
    // false when nothing is to run; the outcome is then final. Cost: linear in the operands.
    bool Prepare(Prompter& prompter);
    // The computing, on any thread. Cost: that of the operation. Stop: power, factorial, square
    // root and division poll between their GMP calls (each runs to its end) and let RunStopped
    // escape; the caller's guard reports it.
    void Run();
    // After a run: true when a question about its result was answered and Run must go once
    // more; otherwise the messages that come with the result, and the outcome is final.
    bool AfterRun(Prompter& prompter);
    // Handed over once, moved: a division's result may be 100 MB of digits.
    CalcOutcome TakeOutcome() { return std::move(outcome_); }

private:
    void Write(CalcField field, std::string text);
    // The integer part, written back when there was a point.
    void CutFraction(CalcField field);
    // Whether a result of about `digits` characters may be computed: refused above
    // kMaxLongDigits (the rejection set), asked above kConfirmLongDigits.
    bool Admit(double digits, Prompter& prompter);

    CalcOp op_;
    CalcOutcome outcome_;
    CalcWriteBack write_back_;
    std::optional<Precision> precision_;
    std::optional<DivisionPlan> plan_;
    std::optional<LongResult> computed_;
};

// A whole click at once: Prepare, then Run and AfterRun as long as needed.
CalcOutcome RunCalculator(CalcOp op, CalcOperands operands, Prompter& prompter,
                          const CalcWriteBack& write_back = {});

}  // namespace numerel
