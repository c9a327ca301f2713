// The one shape of the search commands: the button the page would show after its fields are
// filled, the tool's check, then its run streamed to stdout and finished with its caption.
#pragma once

#include <optional>
#include <variant>

#include "cli/cli.h"
#include "cli/search_output.h"
#include "core/input/pick_path.h"
#include "core/tools/checked.h"

namespace numerel::cli {

// Whether the command's flag asks for one item per line (--lines) or means something else.
enum class ItemLines { Never, WithFlag };

// The button the arguments pick, as the page's fields would after being filled; nullopt once the
// over-limit message has been shown.
inline std::optional<PathButton> PickButton(CliContext& context,
                                            InputLimit limit = InputLimit::Decimal96) {
    const std::optional<PathButton> button = ButtonAfterFilling(context.Args(), limit);
    if (!button) context.ShowMessage(OverLimitMessage(limit));
    return button;
}

// A search command's end: the check's message (if any) and kExitRejected, or the run
// (input, sink, progress) -> SearchSummary streamed without progress, its caption after it.
template <class Input, class Run>
int RunSearchCommand(CliContext& context, const Checked<Input>& checked, Run run,
                     ItemLines lines = ItemLines::Never) {
    if (const auto* rejection = std::get_if<Rejection>(&checked)) {
        if (rejection->message) context.ShowMessage(*rejection->message);
        return kExitRejected;
    }
    const Input& input = std::get<Input>(checked);
    StreamSearch(context, lines == ItemLines::WithFlag && context.Flag(),
                 [&](ResultSink& sink) { return run(input, sink, ProgressFn{}); });
    return kExitOk;
}

}  // namespace numerel::cli
