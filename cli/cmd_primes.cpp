// numerel-cli primes FROM TO [--lines]: the primes page, its button picked as the page picks it.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/tools/prime_search.h"

namespace numerel::cli {
namespace {

int RunPrimes(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text4, Text5
    const std::optional<PathButton> button = ButtonAfterFilling(fields);
    if (!button) {
        context.ShowMessage(OverLimitMessage());
        return kExitRejected;
    }
    const PrimesChecked check = PrimesCheck(*button, fields[0], fields[1]);
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSearch(context, [&](ResultSink& sink) {
        return PrimesRun(std::get<PrimesBounds>(check), sink, {});
    });
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("primes", "FROM TO [--lines]", 2, "--lines", false, &RunPrimes);

}  // namespace numerel::cli
