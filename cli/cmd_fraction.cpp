// numerel-cli fraction INTPART REPETEND and numerel-cli reduce NUM DEN: the repeating decimal
// tools of page 7; each prints the numerator line and the denominator line. Where the page would
// do nothing, a line on stderr says why, and the exit status is 1.
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "core/tools/fraction_tools.h"

namespace numerel::cli {
namespace {

const char* Why(FractionGuard guard, bool reduce) {
    switch (guard) {
        case FractionGuard::NoPoint:
            return "INTPART needs a decimal point (1.02, 0. or .5)";
        case FractionGuard::ZeroOrEmpty:
            return reduce ? "NUM and DEN must not be empty or zero"
                          : "INTPART must not be 0, REPETEND not empty or 0";
        case FractionGuard::NotDigits:
            return reduce ? "NUM and DEN must be digits only"
                          : "INTPART must be digits with one point, REPETEND digits only";
    }
    return "";
}

int WriteFraction(CliContext& context, const std::optional<FractionGuard>& guard,
                  const std::optional<Fraction>& fraction, bool reduce) {
    if (!fraction) {
        context.Err() << "numerel-cli: nothing computed: " << Why(guard.value(), reduce) << '\n';
        return kExitRejected;
    }
    context.WriteLine(fraction->numerator);
    context.WriteLine(fraction->denominator);
    return kExitOk;
}

int RunFraction(CliContext& context) {
    const std::string& x = context.Args()[0];
    const std::string& r = context.Args()[1];
    return WriteFraction(context, RepeatingDecimalGuard(x, r), RepeatingDecimalToFraction(x, r),
                         false);
}

int RunReduce(CliContext& context) {
    const std::string& a = context.Args()[0];
    const std::string& b = context.Args()[1];
    return WriteFraction(context, ReduceGuard(a, b), ReduceFraction(a, b), true);
}

}  // namespace

NUMEREL_CLI_COMMAND("fraction", "INTPART REPETEND", 2, nullptr, false, &RunFraction);
NUMEREL_CLI_COMMAND("reduce", "NUM DEN", 2, nullptr, false, &RunReduce);

}  // namespace numerel::cli
