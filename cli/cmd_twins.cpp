// numerel-cli twins FROM TO [--lines]: the twin-primes page (it has one button only).
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/tools/twin_search.h"
#include "core/tools/twin_search_big.h"

namespace numerel::cli {
namespace {

int RunBig(CliContext& context, const TwinsBigChecked& check) {
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSearch(context, [&](ResultSink& sink) {
        return TwinsRunBig(std::get<TwinsBigBounds>(check), sink, {});
    });
    return kExitOk;
}

int RunTwins(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text13, Text14
    if (const auto big = TwinsCheckBig(fields[0], fields[1])) return RunBig(context, *big);
    const TwinsChecked check = TwinsCheck(fields[0], fields[1]);
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSearch(context, [&](ResultSink& sink) {
        return TwinsRun(std::get<TwinsBounds>(check), sink, {});
    });
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("twins", "FROM TO [--lines]", 2, "--lines", false, &RunTwins);

}  // namespace numerel::cli
