// numerel-cli fraction INTPART REPETEND and numerel-cli reduce NUM DEN: the repeating decimal
// tools of page 7; each prints the numerator line and the denominator line, or nothing when the
// page would do nothing.
#include <optional>

#include "cli/cli.h"
#include "core/fraction_tools.h"

namespace numerel::cli {
namespace {

int WriteFraction(CliContext& context, const std::optional<Fraction>& fraction) {
    if (fraction) {
        context.WriteLine(fraction->numerator);
        context.WriteLine(fraction->denominator);
    }
    return kExitOk;
}

int RunFraction(CliContext& context) {
    return WriteFraction(context, RepeatingDecimalToFraction(context.Args()[0], context.Args()[1]));
}

int RunReduce(CliContext& context) {
    CliPrompter prompter(context);
    return WriteFraction(context, ReduceFraction(context.Args()[0], context.Args()[1], prompter));
}

}  // namespace

NUMEREL_CLI_COMMAND("fraction", "INTPART REPETEND", 2, nullptr, false, &RunFraction);
NUMEREL_CLI_COMMAND("reduce", "NUM DEN", 2, nullptr, false, &RunReduce);

}  // namespace numerel::cli
