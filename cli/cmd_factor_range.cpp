// numerel-cli factor-range FROM TO: page 1, the list streamed to stdout as it is computed.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "cli/search_command.h"
#include "core/tools/factor_range.h"

namespace numerel::cli {
namespace {

int RunFactorRange(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // lower bound, upper bound
    return RunSearchCommand(
        context, FactorRangeCheck(fields[0], fields[1]),
        [](const FactorRangeInput& input, ResultSink& sink, const ProgressFn& progress) {
            FactorRangeRun(input, sink, progress);
            return SearchSummary{};
        });
}

}  // namespace

NUMEREL_CLI_COMMAND("factor-range", "FROM TO", 2, nullptr, false, &RunFactorRange);

}  // namespace numerel::cli
