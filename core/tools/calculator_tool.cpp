#include "core/tools/calculator_tool.h"

#include <cassert>
#include <utility>

#include "core/long/long_add_sub.h"
#include "core/long/long_div.h"
#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"
#include "core/long/long_pow.h"
#include "core/long/long_precision.h"
#include "core/long/long_quot.h"
#include "core/long/long_sqrt.h"

namespace numerel {

namespace {

constexpr const char* kInt32Max = "2147483647";

bool ReadsB(CalcOp op) {
    return op != CalcOp::Sqrt && op != CalcOp::Factorial;
}

// The precision prompt: the notice, then the input box. nullopt when the answer is empty or the
// box was cancelled.
std::optional<Precision> AskPrecision(Prompter& prompter, const char* prompt, const char* title) {
    prompter.Show(PrecisionNoticeMessage());
    const std::optional<std::string> answer = prompter.Ask(prompt, title);
    if (!answer || answer->empty()) return std::nullopt;
    return ReadPrecision(*answer);
}

// The integer part of an operand: the text before the point, or "0" when there is none (".4");
// nullopt when it has no point.
std::optional<std::string> IntegerPart(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return std::nullopt;
    return point == 0 ? std::string("0") : text.substr(0, point);
}

}  // namespace

const std::array<CalcButton, kCalcOpCount>& CalcButtons() {
    static const std::array<CalcButton, kCalcOpCount> buttons = {{
        {"A+B", ""},
        {"A－B", ""},
        {"A×B", ""},
        {"A/B", "除法运算"},
        {"A^B", "求A的B(整数)次幂"},
        {"A\\B", "求A除以B商的整数部分(A、B都是整数)"},
        {"A mod B", "A除以B的余数(A、B都是整数)"},
        {"Sqr(A)", "求A的平方根"},
        {"A!", "求A的阶乘"},
    }};
    return buttons;
}

std::string WithoutSign(std::string operand) {
    if (operand.starts_with('-')) operand.erase(0, 1);
    return operand;
}

CalcChecked CalcCheck(CalcOp op, CalcOperands operands) {
    if (operands.a.empty() && operands.b.empty()) return Rejection{};
    // Anything but digits and one point would make the arithmetic's results meaningless.
    if (!IsDigitString(operands.a)) return Rejection{.message = NotANumeralMessage("A")};
    if (ReadsB(op) && !IsDigitString(operands.b)) {
        return Rejection{.message = NotANumeralMessage("B")};
    }
    return operands;
}

CalcClick::CalcClick(CalcOp op, CalcOperands operands, CalcWriteBack write_back)
    : op_(op), write_back_(std::move(write_back)) {
    // CalcCheck passed them: the operations read digits and one point only.
    assert(IsDigitString(operands.a) && (!ReadsB(op) || IsDigitString(operands.b)));
    outcome_.a = std::move(operands.a);
    outcome_.b = std::move(operands.b);
}

void CalcClick::Write(CalcField field, std::string text) {
    std::string& box = field == CalcField::A ? outcome_.a : outcome_.b;
    box = std::move(text);
    if (write_back_) write_back_(field, box);
}

void CalcClick::CutFraction(CalcField field) {
    const std::string& text = field == CalcField::A ? outcome_.a : outcome_.b;
    if (std::optional<std::string> integer = IntegerPart(text)) Write(field, std::move(*integer));
}

bool CalcClick::Admit(double digits, Prompter& prompter) {
    if (digits > static_cast<double>(kMaxLongDigits)) {
        outcome_.rejection = ResultTooLongMessage(digits);
        return false;
    }
    // Cancel: nothing more.
    return digits <= static_cast<double>(kConfirmLongDigits) ||
           prompter.Show(ConfirmLongResultMessage(digits));
}

bool CalcClick::Prepare(Prompter& prompter) {
    switch (op_) {
        case CalcOp::Add:
        case CalcOp::Mul:
        case CalcOp::Div:
            return true;
        case CalcOp::Sub:
            if (LongCompare(outcome_.a, outcome_.b) == -1) {
                const std::string a_text = outcome_.a;
                const std::string b_text = outcome_.b;
                Write(CalcField::A, b_text);
                Write(CalcField::B, a_text);
            }
            return true;
        case CalcOp::Pow:
            CutFraction(CalcField::B);
            if (LongCompare(outcome_.b, kInt32Max) == 1) {
                outcome_.rejection = PowerTooLargeMessage();
                return false;
            }
            return Admit(EstimatePowerLength(outcome_.a, RoundedLeadingInteger(outcome_.b)),
                         prompter);
        case CalcOp::IntQuot:
        case CalcOp::Mod:
            CutFraction(CalcField::A);
            CutFraction(CalcField::B);
            return true;
        case CalcOp::Sqrt:
            if (!SqrtNeedsPrecision(outcome_.a)) return true;
            precision_ = AskPrecision(prompter, kSqrtPrecisionPrompt, kSqrtPrecisionTitle);
            if (precision_) return true;
            outcome_.result = DigitString();
            outcome_.no_result = CalcNoResult::PromptCancelled;
            return false;
        case CalcOp::Factorial:
            CutFraction(CalcField::A);
            if (CompareDigitTexts(outcome_.a, kInt32Max) > 0) {
                outcome_.rejection = FactorialTooLargeMessage();
                return false;
            }
            return Admit(EstimateFactorialLength(
                             static_cast<std::int32_t>(RoundedLeadingInteger(outcome_.a))),
                         prompter);
    }
    return false;
}

void CalcClick::Run() {
    const DigitString& a = outcome_.a;
    const DigitString& b = outcome_.b;
    const auto digits = [](DigitString text) { return LongResult::Of(std::move(text)); };
    bool exact = false;
    switch (op_) {
        case CalcOp::Add:
            computed_ = digits(LongAdd(a, b));
            return;
        case CalcOp::Sub:
            computed_ = digits(LongSub(a, b));
            return;
        case CalcOp::Mul:
            computed_ = digits(LongMul(a, b));
            return;
        case CalcOp::Div:
            if (plan_) {
                computed_ = ExpandDivision(std::move(*plan_), precision_.value());
            } else {
                plan_ = PlanDivision(a, b);
            }
            return;
        case CalcOp::Pow:
            computed_ = digits(LongPow(a, b));
            return;
        case CalcOp::IntQuot:
            computed_ = LongIntQuot(a, b);
            return;
        case CalcOp::Mod:
            computed_ = LongMod(a, b);
            return;
        case CalcOp::Sqrt:
            // Without a precision the root is exact and reads none.
            computed_ = LongSqrt(a, precision_.value_or(Precision{}), exact);
            return;
        case CalcOp::Factorial:
            computed_ = digits(LongFactorial(static_cast<std::int32_t>(RoundedLeadingInteger(a))));
            return;
    }
}

bool CalcClick::AfterRun(Prompter& prompter) {
    if (!computed_ && plan_) {
        if (!plan_->NeedsPrecision()) {
            computed_ = plan_->TakeResult();
        } else {
            // The quotient has a repetend: only now is the precision asked.
            precision_ = AskPrecision(prompter, kDivisionPrecisionPrompt, kDivisionPrecisionTitle);
            if (precision_) return true;
            outcome_.result = DigitString();
            outcome_.no_result = CalcNoResult::PromptCancelled;
            return false;
        }
    }
    LongResult& computed = *computed_;
    if (computed.refusal) {
        prompter.Show(RefusalMessage(*computed.refusal));
        outcome_.result = DigitString();
        outcome_.no_result = *computed.refusal == LongRefusal::ZeroDivisor
                                 ? CalcNoResult::ZeroDivisor
                                 : CalcNoResult::PrecisionRefused;
        return false;
    }
    if (computed.repetend_not_found) prompter.Show(RepetendNotFoundMessage());
    outcome_.result = std::move(computed.digits);
    return false;
}

CalcOutcome RunCalculator(CalcOp op, CalcOperands operands, Prompter& prompter,
                          const CalcWriteBack& write_back) {
    CalcClick click(op, std::move(operands), write_back);
    if (click.Prepare(prompter)) {
        do {
            click.Run();
        } while (click.AfterRun(prompter));
    }
    return click.TakeOutcome();
}

}  // namespace numerel
