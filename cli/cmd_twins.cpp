// numerel-cli twins FROM TO: the twin-primes page (it has one button only).
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/tools/twin_search.h"

namespace numerel::cli {
namespace {

int RunTwins(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text13, Text14
    const TwinsCheckResult check = TwinsCheck(fields[0], fields[1]);
    if (check.rejection) context.ShowMessage(check.rejection->message);
    if (!check.bounds) return kExitRejected;
    StreamSink sink(context.Out());
    const SearchSummary summary = TwinsRun(*check.bounds, sink, {});
    FinishSearch(context, sink, summary);
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("twins", "FROM TO", 2, nullptr, false, &RunTwins);

}  // namespace numerel::cli
