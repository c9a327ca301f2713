// numerel-cli goldbach-even TEXT [--one] and goldbach-odd TEXT [--one]: the two tools of the
// Goldbach page; --one ticks 只计算一种结果, the progress box stays unticked.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "core/tools/goldbach.h"
#include "core/tools/goldbach_big.h"

namespace numerel::cli {
namespace {

using CheckFn = GoldbachChecked (*)(PathButton, std::string_view, GoldbachOptions);
using RunFn = SearchSummary (*)(const GoldbachRequest&, ResultSink&, const ProgressFn&);
using BigCheckFn = std::optional<GoldbachBigChecked> (*)(std::string_view, GoldbachOptions);
using BigRunFn = SearchSummary (*)(const GoldbachBigRequest&, ResultSink&, const ProgressFn&);

struct Tool {
    CheckFn check;
    RunFn run;
    BigCheckFn big_check;
    BigRunFn big_run;
};

int RunBig(CliContext& context, const GoldbachBigChecked& check, BigRunFn run_fn) {
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    FinishSearch(context, sink, run_fn(std::get<GoldbachBigRequest>(check), sink, {}));
    return kExitOk;
}

int RunGoldbach(CliContext& context, const Tool& tool) {
    const std::vector<std::string>& fields = context.Args();  // Text11(0) or Text12(0)
    const std::optional<PathButton> button = ButtonAfterFilling(fields, InputLimit::Digits1000);
    if (!button) {
        context.ShowMessage(OverLimitMessage(InputLimit::Digits1000));
        return kExitRejected;
    }
    GoldbachOptions options;
    options.one_result = context.Flag();
    if (*button == PathButton::Decimal96) {
        if (const auto big = tool.big_check(fields[0], options)) {
            return RunBig(context, *big, tool.big_run);
        }
    }
    const CheckFn check_fn = tool.check;
    const RunFn run_fn = tool.run;
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
    return RunGoldbach(context, {&GoldbachEvenCheck, &GoldbachEvenRun, &GoldbachEvenCheckBig,
                                 &GoldbachEvenRunBig});
}

int RunOdd(CliContext& context) {
    return RunGoldbach(
        context, {&GoldbachOddCheck, &GoldbachOddRun, &GoldbachOddCheckBig, &GoldbachOddRunBig});
}

}  // namespace

NUMEREL_CLI_COMMAND("goldbach-even", "TEXT [--one]", 1, "--one", false, &RunEven);
NUMEREL_CLI_COMMAND("goldbach-odd", "TEXT [--one]", 1, "--one", false, &RunOdd);

}  // namespace numerel::cli
