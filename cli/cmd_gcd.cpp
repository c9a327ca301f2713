// numerel-cli gcd A B: greatest common divisor and least common multiple (page 7).
#include "cli/cli.h"
#include "core/tools/fraction_tools.h"

namespace numerel::cli {
namespace {

int RunGcd(CliContext& context) {
    CliPrompter prompter(context);
    const GcdLcmOutcome outcome = RunGcdLcm(context.Args()[0], context.Args()[1], prompter);
    if (outcome.rejection) {
        context.ShowMessage(*outcome.rejection);
        return kExitRejected;
    }
    context.WritePane(outcome.pane);
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("gcd", "A B", 2, nullptr, false, &RunGcd);

}  // namespace numerel::cli
