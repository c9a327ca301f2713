// numerel-cli goldbach-even TEXT [--one] and goldbach-odd TEXT [--one]: the two tools of the
// Goldbach page; --one ticks 只计算一种结果, the progress box stays unticked.
#include <optional>
#include <string>

#include "cli/cli.h"
#include "cli/search_command.h"
#include "core/tools/goldbach.h"
#include "core/tools/goldbach_big.h"

namespace numerel::cli {
namespace {

// A tool's check and run on either path.
template <class Check, class Run, class BigCheck, class BigRun>
int RunGoldbach(CliContext& context, Check check, Run run, BigCheck big_check, BigRun big_run) {
    const std::string& text = context.Args()[0];
    const std::optional<PathButton> button = PickButton(context, InputLimit::Digits1000);
    if (!button) return kExitRejected;
    const GoldbachOptions options{.one_result = context.Flag()};
    if (*button == PathButton::Decimal96) {
        if (const auto big = big_check(text, options))
            return RunSearchCommand(context, *big, big_run);
    }
    return RunSearchCommand(context, check(*button, text, options), run);
}

int RunEven(CliContext& context) {
    return RunGoldbach(context, &GoldbachEvenCheck, &GoldbachEvenRun, &GoldbachEvenCheckBig,
                       &GoldbachEvenRunBig);
}

int RunOdd(CliContext& context) {
    return RunGoldbach(context, &GoldbachOddCheck, &GoldbachOddRun, &GoldbachOddCheckBig,
                       &GoldbachOddRunBig);
}

}  // namespace

NUMEREL_CLI_COMMAND("goldbach-even", "TEXT [--one]", 1, "--one", false, &RunEven);
NUMEREL_CLI_COMMAND("goldbach-odd", "TEXT [--one]", 1, "--one", false, &RunOdd);

}  // namespace numerel::cli
