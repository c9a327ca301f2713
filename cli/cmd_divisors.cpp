// numerel-cli divisors FROM TO [--perfect-only]: page 5; the summary box's text follows the list.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/tools/divisors_search.h"
#include "core/tools/divisors_search_big.h"

namespace numerel::cli {
namespace {

// Streams one run of either path, then its summary on a line of its own.
template <class Input, class Run>
int RunChecked(CliContext& context, const Checked<Input>& checked, Run run) {
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    const DivisorsOutcome outcome = run(std::get<Input>(checked), sink, ProgressFn{});
    if (sink.NeedsLineEnd()) context.Out() << '\n';
    context.WriteLine(outcome.summary);
    return kExitOk;
}

int RunDivisors(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // lower bound, upper bound
    const std::optional<PathButton> button = ButtonAfterFilling(fields, InputLimit::Digits1000);
    if (!button) {
        context.ShowMessage(OverLimitMessage(InputLimit::Digits1000));
        return kExitRejected;
    }
    const bool perfect_only = context.Flag();
    if (const auto big = DivisorsCheckBig(*button, fields[0], fields[1], perfect_only))
        return RunChecked(context, *big, DivisorsRunBig);
    return RunChecked(context, DivisorsCheck(*button, fields[0], fields[1], perfect_only),
                      DivisorsRun);
}

}  // namespace

NUMEREL_CLI_COMMAND("divisors", "FROM TO [--perfect-only]", 2, "--perfect-only", false,
                    &RunDivisors);

}  // namespace numerel::cli
