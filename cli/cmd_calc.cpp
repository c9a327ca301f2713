// numerel-cli calc OP A B [--precision TEXT]: the calculator page, OP naming the button.
#include <array>
#include <ostream>
#include <string_view>
#include <variant>

#include "cli/cli.h"
#include "core/tools/calculator_tool.h"

namespace numerel::cli {
namespace {

// The operation buttons by name, in CalcOp's order.
constexpr std::array<std::string_view, kCalcOpCount> kOperations = {
    "add", "sub", "mul", "div", "pow", "quot", "mod", "sqrt", "fact"};

int RunCalc(CliContext& context) {
    const std::vector<std::string>& args = context.Args();
    std::size_t index = 0;
    while (index < kOperations.size() && kOperations[index] != args[0]) ++index;
    if (index == kOperations.size()) {
        context.Err() << "numerel-cli calc: unknown operation '" << args[0]
                      << "' (add sub mul div pow quot mod sqrt fact)\n";
        return kExitUsage;
    }
    const CalcOp op = CalcOpAt(index);
    CalcChecked check = CalcCheck(op, {WithoutSign(args[1]), WithoutSign(args[2])});
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (!rejection->message) return kExitOk;  // both operands empty: nothing to compute
        context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    CliPrompter prompter(context);
    const CalcOutcome outcome =
        RunCalculator(op, std::get<CalcOperands>(std::move(check)), prompter);
    if (outcome.rejection) {
        context.ShowMessage(*outcome.rejection);
        return kExitRejected;
    }
    switch (outcome.no_result) {
        case CalcNoResult::None:
            break;
        case CalcNoResult::ZeroDivisor:
        case CalcNoResult::PrecisionRefused:
            return kExitRejected;  // its message box is on stderr already
        case CalcNoResult::PromptCancelled:
            context.Err() << "numerel-cli: nothing computed: the precision prompt was cancelled "
                             "(answer it with --precision TEXT)\n";
            return kExitRejected;
    }
    // A result is one numeral without line ends: written as it is, not copied (the digits of a
    // long division may run to 100 MB).
    if (outcome.result) context.Out() << *outcome.result << '\n';
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("calc",
                    "OP A B [--precision TEXT]  (OP: add sub mul div pow quot mod sqrt fact)", 3,
                    nullptr, true, &RunCalc);

}  // namespace numerel::cli
