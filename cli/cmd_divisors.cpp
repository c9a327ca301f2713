// numerel-cli divisors FROM TO [--perfect-only]: page 5; the summary box's text follows the list.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "cli/search_command.h"
#include "core/input/pick_path.h"
#include "core/tools/divisors_search.h"
#include "core/tools/divisors_search_big.h"

namespace numerel::cli {
namespace {

// The summary box's text is the search's caption.
template <class Input>
SearchSummary Summarised(DivisorsOutcome (*run)(const Input&, ResultSink&, const ProgressFn&),
                         const Input& input, ResultSink& sink) {
    SearchSummary summary;
    summary.caption = run(input, sink, ProgressFn{}).summary;
    return summary;
}

int RunDivisors(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // lower bound, upper bound
    const std::optional<PathButton> button = PickButton(context, InputLimit::Digits1000);
    if (!button) return kExitRejected;
    const bool perfect_only = context.Flag();
    if (const auto big = DivisorsCheckBig(*button, fields[0], fields[1], perfect_only)) {
        return RunSearchCommand(
            context, *big, [](const DivisorsBigInput& input, ResultSink& sink, const ProgressFn&) {
                return Summarised(DivisorsRunBig, input, sink);
            });
    }
    return RunSearchCommand(context, DivisorsCheck(*button, fields[0], fields[1], perfect_only),
                            [](const DivisorsInput& input, ResultSink& sink, const ProgressFn&) {
                                return Summarised(DivisorsRun, input, sink);
                            });
}

}  // namespace

NUMEREL_CLI_COMMAND("divisors", "FROM TO [--perfect-only]", 2, "--perfect-only", false,
                    &RunDivisors);

}  // namespace numerel::cli
