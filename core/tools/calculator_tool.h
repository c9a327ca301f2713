// The calculator page (page 6) without its window: two operand texts and an operation in, the
// operands as the page shows them afterwards and what the pane shows out.
//
// How the page uses it: Command27(i)_Click first writes WithoutSign of Text22, then of Text23,
// back where it removed a sign, and checks them with CalcCheck; a rejection with a message is
// shown as its message box, a silent one ends the click. Both leave the status label and the bar
// as they were. Otherwise the run protocol starts RunCalculator(CalcOp(i), the operands, its
// Prompter, a write-back that sets Text22 / Text23) on the worker. Then: a refusal is shown as
// its message box (no time report); a result replaces the whole content of RichTextBox1(6) and
// the elapsed time is reported; with neither, nothing more happens (a long result not
// confirmed).
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/long/digit_string.h"
#include "core/message.h"
#include "core/prompter.h"
#include "core/tools/checked.h"

namespace numerel {

// The nine operation buttons Command27(0) ... Command27(8), in index order.
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

// Captions and tooltips of Command27(0) ... Command27(8).
const std::array<CalcButton, kCalcOpCount>& CalcButtons();

enum class CalcField { A, B };  // Text22, Text23

// The operands as typed into (or rewritten in) Text22 and Text23.
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

// Called each time the run writes an operand box, in the order it does so.
using CalcWriteBack = std::function<void(CalcField field, const std::string& text)>;

// Why an operation that ran gave the pane nothing (the empty text).
enum class CalcNoResult {
    None,
    ZeroDivisor,       // "除数为零!" was shown
    PrecisionRefused,  // the precision answer was too large (its message was shown)
    PromptCancelled,   // the precision prompt was cancelled or answered with nothing
};

struct CalcOutcome {
    std::string a;                      // Text22 after the run
    std::string b;                      // Text23 after the run
    std::optional<Message> rejection;   // a limit of the operation refused it: its message
    std::optional<DigitString> result;  // the pane text; empty when no_result says why
    CalcNoResult no_result = CalcNoResult::None;
};

// The operation on operands that passed CalcCheck, with the page's own steps: the exchange for
// A－B (larger operand into Text22), integer parts written back for A^B (B), A\B and A mod B
// (both) and A! (A); B above 2147483647 for A^B -> PowerTooLargeMessage(); A above 2147483647
// for A! -> FactorialTooLargeMessage(); a power or factorial estimated above kMaxLongDigits
// characters -> ResultTooLongMessage(), above kConfirmLongDigits -> ConfirmLongResultMessage()
// through the prompter (Cancel: nothing more). Zero divisors and precision prompts come from the
// operations; after a zero divisor (A/B, A\B, A mod B alike), a refused or a cancelled
// precision prompt the pane gets the empty text and no_result says which. The integer part of
// an operand such as ".4" is "0", written back as such.
// Cost: that of the operation. Stop: power, factorial and square root poll between their GMP
// calls (each runs to its end) and let RunStopped escape; the caller's guard reports it.
CalcOutcome RunCalculator(CalcOp op, CalcOperands operands, Prompter& prompter,
                          const CalcWriteBack& write_back = {});

}  // namespace numerel
