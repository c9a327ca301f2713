// numerel-cli primes FROM TO [--lines]: the primes page, its button picked as the page picks it.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/input/read_big_integer.h"
#include "core/tools/prime_search.h"
#include "core/tools/prime_search_big.h"

namespace numerel::cli {
namespace {

int RunBig(CliContext& context, const PrimesBigChecked& check) {
    if (const auto* rejection = std::get_if<Rejection>(&check)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StreamSearch(context, [&](ResultSink& sink) {
        return PrimesRunBig(std::get<PrimesBigBounds>(check), sink, {});
    });
    return kExitOk;
}

int RunPrimes(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text4, Text5
    const std::optional<PathButton> button = ButtonAfterFilling(fields, InputLimit::Digits1000);
    if (!button) {
        context.ShowMessage(OverLimitMessage(InputLimit::Digits1000));
        return kExitRejected;
    }
    if (*button == PathButton::Decimal96) {
        if (const auto big = PrimesCheckBig(fields[0], fields[1])) return RunBig(context, *big);
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
