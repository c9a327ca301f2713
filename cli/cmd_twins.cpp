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
    const TwinsChecked check = TwinsCheck(fields[0], fields[1]);
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSink sink(context.Out());
    const SearchSummary summary = TwinsRun(std::get<TwinsBounds>(check), sink, {});
    FinishSearch(context, sink, summary);
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("twins", "FROM TO", 2, nullptr, false, &RunTwins);

}  // namespace numerel::cli
