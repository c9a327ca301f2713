// numerel-cli factor [TEXT]: page 0, on the button the page would have visible after the paste.
// Without TEXT every line of standard input is one text, as a pipe into a factoring tool expects.
#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/cli.h"
#include "core/input/pick_path.h"
#include "core/result_sink.h"
#include "core/tools/factor_one.h"

namespace numerel::cli {
namespace {

// What page 0 answers to one text: its pane text, or the message that turned it away (nullopt
// for a silent refusal).
struct FactorAnswer {
    std::optional<std::string> pane;
    std::optional<Message> message;
};

FactorAnswer FactorText(const std::string& text) {
    const std::vector<std::string> fields{text};  // the number field
    const std::optional<PathButton> button = ButtonAfterFilling(fields, InputLimit::Digits1000);
    if (!button) return {std::nullopt, OverLimitMessage(InputLimit::Digits1000)};
    const FactorOneChecked checked =
        *button == PathButton::Binary64 ? FactorOneCheck(text) : FactorLargeCheck(text);
    if (const auto* rejection = std::get_if<Rejection>(&checked))
        return {std::nullopt, rejection->message};
    StringSink pane;
    FactorOneRun(std::get<FactorOneInput>(checked), pane, {});
    return {pane.Text(), std::nullopt};
}

bool IsBlank(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

int FactorLines(CliContext& context) {
    bool any = false;
    bool rejected = false;
    std::string line;
    while (std::getline(context.In(), line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a file saved with CR LF
        if (IsBlank(line)) continue;
        any = true;
        const FactorAnswer answer = FactorText(line);
        if (answer.pane) {
            context.WritePane(*answer.pane);
            // A reader at the other end of a pipe sees each result as soon as it is known.
            context.Out().flush();
            continue;
        }
        rejected = true;
        context.Err() << '\'' << line << "': ";
        if (answer.message)
            context.ShowMessage(*answer.message);
        else
            context.Err() << "numerel-cli: nothing computed\n";
        context.Err().flush();
    }
    if (!any) {
        context.Err() << "numerel-cli: no text on standard input\n";
        return kExitRejected;
    }
    return rejected ? kExitRejected : kExitOk;
}

int RunFactor(CliContext& context) {
    if (context.Args().empty()) return FactorLines(context);
    const FactorAnswer answer = FactorText(context.Args()[0]);
    if (!answer.pane) {
        if (answer.message) context.ShowMessage(*answer.message);
        return kExitRejected;
    }
    context.WritePane(*answer.pane);
    return kExitOk;
}

}  // namespace

NUMEREL_CLI_COMMAND("factor", "[TEXT]", kOneArgOrStdin, nullptr, false, &RunFactor);

}  // namespace numerel::cli
