// How the search commands print: the pane text streams to stdout while the search runs (memory
// stays bounded however long the list), then the count caption follows on its own line.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/cli.h"
#include "core/result_sink.h"
#include "core/tools/prime_search_output.h"

namespace numerel::cli {

class StreamSink final : public ResultSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void Append(std::string_view text) override {
        if (text.empty()) return;
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        ends_with_line_end_ = false;
    }
    void EndLine() override {
        out_.put('\n');
        ends_with_line_end_ = true;
    }
    // True when nothing was written or the last thing written was not a line end.
    bool NeedsLineEnd() const { return !ends_with_line_end_; }

private:
    std::ostream& out_;
    bool ends_with_line_end_ = false;
};

// Ends the pane text as the contract asks (or prints the fixed pane text that replaces it) and
// writes the caption line.
inline void FinishSearch(CliContext& context, const StreamSink& sink,
                         const SearchSummary& summary) {
    if (summary.pane_text) {
        // A fixed text replaces the pane: the search streamed nothing in that case.
        context.WritePane(*summary.pane_text);
    } else if (sink.NeedsLineEnd()) {
        context.Out() << '\n';
    }
    context.WriteLine(summary.caption);
}

}  // namespace numerel::cli
