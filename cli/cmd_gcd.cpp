// numerel-cli gcd A B: greatest common divisor and least common multiple (page 7).
#include <variant>

#include "cli/cli.h"
#include "core/tools/fraction_tools.h"

namespace numerel::cli {
namespace {

int RunGcd(CliContext& context) {
    const GcdLcmChecked checked = GcdLcmCheck(context.Args()[0], context.Args()[1]);
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    context.WritePane(GcdLcmRun(std::get<GcdLcmOperands>(checked)));
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("gcd", "A B", 2, nullptr, false, &RunGcd);

}  // namespace numerel::cli
