// numerel-cli factor-range FROM TO: page 1, the list streamed to stdout as it is computed.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/tools/factor_range.h"

namespace numerel::cli {
namespace {

int RunFactorRange(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // lower bound, upper bound
    const FactorRangeChecked checked = FactorRangeCheck(fields[0], fields[1]);
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    FactorRangeRun(std::get<FactorRangeInput>(checked), sink, {});
    if (sink.NeedsLineEnd()) context.Out() << '\n';
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("factor-range", "FROM TO", 2, nullptr, false, &RunFactorRange);

}  // namespace numerel::cli
