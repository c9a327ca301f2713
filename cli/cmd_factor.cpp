// numerel-cli factor TEXT: page 0, on the button the page would have visible after the paste.
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "core/factor_one.h"
#include "core/pick_path.h"
#include "core/result_sink.h"

namespace numerel::cli {
namespace {

int RunFactor(CliContext& context) {
    const std::vector<std::string>& fields = context.Args();  // Text1
    const std::optional<PathButton> button = ButtonAfterFilling(fields);
    if (!button) {
        context.ShowMessage(OverLimitMessage());
        return kExitRejected;
    }
    const FactorOneChecked checked =
        *button == PathButton::Binary64 ? FactorOneCheck(fields[0]) : FactorLargeCheck(fields[0]);
    if (const auto* rejection = std::get_if<FactorOneRejection>(&checked)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    StringSink pane;
    FactorOneRun(std::get<FactorOneInput>(checked), pane, {});
    context.WritePane(pane.Text());
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("factor", "TEXT", 1, nullptr, false, &RunFactor);

}  // namespace numerel::cli
