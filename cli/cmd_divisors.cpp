// numerel-cli divisors FROM TO [--perfect-only]: page 5; the Text9 summary follows the list.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/tools/divisors_search.h"

namespace numerel::cli {
namespace {

int RunDivisors(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text16, Text17
    const std::optional<PathButton> button = ButtonAfterFilling(fields);
    if (!button) {
        context.ShowMessage(OverLimitMessage());
        return kExitRejected;
    }
    const DivisorsChecked checked = DivisorsCheck(*button, fields[0], fields[1], context.Flag());
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    const DivisorsOutcome outcome = DivisorsRun(std::get<DivisorsInput>(checked), sink, {});
    if (sink.NeedsLineEnd()) context.Out() << '\n';
    context.WriteLine(outcome.summary);
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("divisors", "FROM TO [--perfect-only]", 2, "--perfect-only", false,
                    &RunDivisors);

}  // namespace numerel::cli
