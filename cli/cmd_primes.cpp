// numerel-cli primes FROM TO [--lines]: the primes page, its button picked as the page picks it.
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_command.h"
#include "core/tools/prime_search.h"
#include "core/tools/prime_search_big.h"

namespace numerel::cli {
namespace {

int RunPrimes(CliContext& context) {
    const std::vector<std::string>& bounds = context.Args();  // from, to
    const std::optional<PathButton> button = PickButton(context, InputLimit::Digits1000);
    if (!button) return kExitRejected;
    if (*button == PathButton::Decimal96) {
        if (const auto big = PrimesCheckBig(bounds[0], bounds[1]))
            return RunSearchCommand(context, *big, &PrimesRunBig, ItemLines::WithFlag);
    }
    return RunSearchCommand(context, PrimesCheck(*button, bounds[0], bounds[1]), &PrimesRun,
                            ItemLines::WithFlag);
}

}  // namespace

NUMEREL_CLI_COMMAND("primes", "FROM TO [--lines]", 2, "--lines", false, &RunPrimes);

}  // namespace numerel::cli
