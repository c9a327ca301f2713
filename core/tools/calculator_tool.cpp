#include "core/tools/calculator_tool.h"

#include <cassert>
#include <utility>

#include "core/long/long_add_sub.h"
#include "core/long/long_div.h"
#include "core/long/long_kernel.h"
#include "core/long/long_messages.h"
#include "core/long/long_mul.h"
#include "core/long/long_pow.h"
#include "core/long/long_quot.h"
#include "core/long/long_sqrt.h"

namespace numerel {

namespace {

constexpr const char* kInt32Max = "2147483647";

class Click {
public:
    Click(CalcOperands operands, const CalcWriteBack& write_back) : write_back_(write_back) {
        outcome_.a = std::move(operands.a);
        outcome_.b = std::move(operands.b);
    }

    DigitString& A() { return outcome_.a; }
    DigitString& B() { return outcome_.b; }

    void Write(CalcField field, std::string text) {
        (field == CalcField::A ? outcome_.a : outcome_.b) = std::move(text);
        if (write_back_) write_back_(field, field == CalcField::A ? outcome_.a : outcome_.b);
    }

    // The integer part, written back when there was a point: the text before the point, or "0"
    // when there is none (".4").
    void CutFraction(CalcField field) {
        const std::string& text = field == CalcField::A ? outcome_.a : outcome_.b;
        const std::size_t point = text.find('.');
        if (point == 0) Write(field, "0");
        if (point != 0 && point != std::string::npos) Write(field, text.substr(0, point));
    }

    // The outcome is handed over once, moved: a division's result may be 100 MB of digits.
    CalcOutcome Reject(Message message) {
        outcome_.rejection = std::move(message);
        return std::move(outcome_);
    }
    CalcOutcome Result(DigitString text, CalcNoResult no_result) {
        outcome_.no_result = no_result;
        outcome_.result = no_result == CalcNoResult::None ? std::move(text) : DigitString();
        return std::move(outcome_);
    }
    CalcOutcome Result(DigitString text) { return Result(std::move(text), CalcNoResult::None); }
    CalcOutcome Nothing() { return std::move(outcome_); }

private:
    CalcOutcome outcome_;
    const CalcWriteBack& write_back_;
};

// Passes every dialog on and notes the ones after which the operation has no result.
class WatchingPrompter final : public Prompter {
public:
    explicit WatchingPrompter(Prompter& inner) : inner_(inner) {}

    bool Show(const Message& message) override {
        if (message == ZeroDivisorMessage()) no_result_ = CalcNoResult::ZeroDivisor;
        if (message == PrecisionTooLargeMessage()) no_result_ = CalcNoResult::PrecisionRefused;
        return inner_.Show(message);
    }
    std::optional<std::string> Ask(const std::string& prompt, const std::string& title) override {
        std::optional<std::string> answer = inner_.Ask(prompt, title);
        if (!answer || answer->empty()) no_result_ = CalcNoResult::PromptCancelled;
        return answer;
    }
    CalcNoResult NoResult() const { return no_result_; }

private:
    Prompter& inner_;
    CalcNoResult no_result_ = CalcNoResult::None;
};

bool ReadsB(CalcOp op) {
    return op != CalcOp::Sqrt && op != CalcOp::Factorial;
}

// nullopt when a result of about `digits` characters may be computed; otherwise the outcome.
std::optional<CalcOutcome> CheckLength(Click& click, double digits, Prompter& prompter) {
    if (digits > static_cast<double>(kMaxLongDigits)) {
        return click.Reject(ResultTooLongMessage(digits));
    }
    if (digits > static_cast<double>(kConfirmLongDigits) &&
        !prompter.Show(ConfirmLongResultMessage(digits))) {
        return click.Nothing();
    }
    return std::nullopt;
}

CalcOutcome Power(Click& click, Prompter& prompter) {
    click.CutFraction(CalcField::B);
    if (LongCompare(click.B(), kInt32Max) == 1) return click.Reject(PowerTooLargeMessage());
    const double digits = EstimatePowerLength(click.A(), RoundedLeadingInteger(click.B()));
    if (auto stop = CheckLength(click, digits, prompter)) return *stop;
    return click.Result(LongPow(click.A(), click.B()));
}

CalcOutcome Factorial(Click& click, Prompter& prompter) {
    click.CutFraction(CalcField::A);
    if (CompareDigitTexts(click.A(), kInt32Max) > 0) {
        return click.Reject(FactorialTooLargeMessage());
    }
    const auto n = static_cast<std::int32_t>(RoundedLeadingInteger(click.A()));
    if (auto stop = CheckLength(click, EstimateFactorialLength(n), prompter)) return *stop;
    return click.Result(LongFactorial(n));
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

CalcOutcome RunCalculator(CalcOp op, CalcOperands operands, Prompter& outer_prompter,
                          const CalcWriteBack& write_back) {
    // CalcCheck passed them: the operations read digits and one point only.
    assert(IsDigitString(operands.a) && (!ReadsB(op) || IsDigitString(operands.b)));
    WatchingPrompter prompter(outer_prompter);
    Click click(std::move(operands), write_back);
    switch (op) {
        case CalcOp::Add:
            return click.Result(LongAdd(click.A(), click.B()));
        case CalcOp::Sub:
            if (LongCompare(click.A(), click.B()) == -1) {
                const std::string a_text = click.A();
                const std::string b_text = click.B();
                click.Write(CalcField::A, b_text);
                click.Write(CalcField::B, a_text);
            }
            return click.Result(LongSub(click.A(), click.B()));
        case CalcOp::Mul:
            return click.Result(LongMul(click.A(), click.B()));
        case CalcOp::Div: {
            DigitString quotient = LongDiv(click.A(), click.B(), prompter);
            return click.Result(std::move(quotient), prompter.NoResult());
        }
        case CalcOp::Pow:
            return Power(click, prompter);
        case CalcOp::IntQuot:
        case CalcOp::Mod: {
            click.CutFraction(CalcField::A);
            click.CutFraction(CalcField::B);
            DigitString value = op == CalcOp::IntQuot ? LongIntQuot(click.A(), click.B(), prompter)
                                                      : LongMod(click.A(), click.B(), prompter);
            return click.Result(std::move(value), prompter.NoResult());
        }
        case CalcOp::Sqrt: {
            bool exact = false;
            DigitString root = LongSqrt(click.A(), exact, prompter);
            return click.Result(std::move(root), prompter.NoResult());
        }
        case CalcOp::Factorial:
            return Factorial(click, prompter);
    }
    return click.Nothing();
}

}  // namespace numerel
