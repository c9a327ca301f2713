// numerel-cli goldbach-even TEXT [--one] and goldbach-odd TEXT [--one]: the two tools of the
// Goldbach page; --one ticks 只计算一种结果, the progress box stays unticked.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/tools/goldbach.h"

namespace numerel::cli {
namespace {

using CheckFn = GoldbachChecked (*)(PathButton, std::string_view, GoldbachOptions);
using RunFn = SearchSummary (*)(const GoldbachRequest&, ResultSink&, const ProgressFn&);

int RunGoldbach(CliContext& context, CheckFn check_fn, RunFn run_fn) {
    const std::vector<std::string>& fields = context.Args();  // Text11(0) or Text12(0)
    const std::optional<PathButton> button = ButtonAfterFilling(fields);
    if (!button) {
        context.ShowMessage(OverLimitMessage());
        return kExitRejected;
    }
    GoldbachOptions options;
    options.one_result = context.Flag();
    const GoldbachChecked check = check_fn(*button, fields[0], options);
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    const SearchSummary summary = run_fn(std::get<GoldbachRequest>(check), sink, {});
    FinishSearch(context, sink, summary);
    return kExitOk;
}

int RunEven(CliContext& context) {
    return RunGoldbach(context, &GoldbachEvenCheck, &GoldbachEvenRun);
}

int RunOdd(CliContext& context) {
    return RunGoldbach(context, &GoldbachOddCheck, &GoldbachOddRun);
}

}  // namespace

NUMEREL_CLI_COMMAND("goldbach-even", "TEXT [--one]", 1, "--one", false, &RunEven);
NUMEREL_CLI_COMMAND("goldbach-odd", "TEXT [--one]", 1, "--one", false, &RunOdd);

}  // namespace numerel::cli
