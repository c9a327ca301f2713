// numerel-cli twins FROM TO [--lines]: the twin-primes page (it has one button only).
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_command.h"
#include "core/tools/twin_search.h"
#include "core/tools/twin_search_big.h"

namespace numerel::cli {
namespace {

int RunTwins(CliContext& context) {
    const std::vector<std::string>& bounds = context.Args();  // from, to
    if (const auto big = TwinsCheckBig(bounds[0], bounds[1]))
        return RunSearchCommand(context, *big, &TwinsRunBig, ItemLines::WithFlag);
    return RunSearchCommand(context, TwinsCheck(bounds[0], bounds[1]), &TwinsRun,
                            ItemLines::WithFlag);
}

}  // namespace

NUMEREL_CLI_COMMAND("twins", "FROM TO [--lines]", 2, "--lines", false, &RunTwins);

}  // namespace numerel::cli
