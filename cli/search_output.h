// How the search commands print: the pane text streams to stdout while the search runs (memory
// stays bounded however long the list), then the count caption follows on its own line.
// primes and twins can print one item per line instead (LinesSink).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "core/result_sink.h"
#include "core/tools/search_output.h"

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

// The same text with one item per line, for line-oriented tools (--lines): a line end takes the
// place of each run of blanks and follows each closing parenthesis, so "2 3  5" and "(3,5)(5,7)"
// give one prime or pair a line. The notes of a search have neither, so they keep their lines.
class LinesSink final : public ResultSink {
public:
    explicit LinesSink(std::ostream& out) : out_(out) {}
    void Append(std::string_view text) override {
        // Translated into one buffer and written at once: the stream's per-character path is
        // several times slower over gigabytes.
        chunk_.clear();
        for (const char c : text) {
            if (c == ' ') {
                Break();
                continue;
            }
            chunk_.push_back(c);
            at_line_start_ = false;
            if (c == ')') Break();
        }
        out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    }
    void EndLine() override {
        chunk_.clear();
        Break();
        out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    }
    bool NeedsLineEnd() const { return !at_line_start_; }

private:
    void Break() {
        if (at_line_start_) return;
        chunk_.push_back('\n');
        at_line_start_ = true;
    }
    std::ostream& out_;
    std::string chunk_;
    bool at_line_start_ = true;
};

// Ends the pane text as the contract asks (or prints the fixed pane text that replaces it) and
// writes the caption line; a search without a count caption ends with its list.
template <class Sink>
void FinishSearch(CliContext& context, const Sink& sink, const SearchSummary& summary) {
    if (summary.pane_text) {
        // A fixed text replaces the pane: the search streamed nothing in that case.
        context.WritePane(*summary.pane_text);
    } else if (sink.NeedsLineEnd()) {
        context.Out() << '\n';
    }
    if (!summary.caption.empty()) context.WriteLine(summary.caption);
}

}  // namespace numerel::cli

namespace numerel::cli {

// Streams a search's text as the pane holds it, or one item per line, then finishes it; `run`
// takes the sink and returns the summary.
template <class Run>
void StreamSearch(CliContext& context, bool item_lines, Run run) {
    if (item_lines) {
        LinesSink sink(context.Out());
        FinishSearch(context, sink, run(static_cast<ResultSink&>(sink)));
    } else {
        StreamSink sink(context.Out());
        FinishSearch(context, sink, run(static_cast<ResultSink&>(sink)));
    }
}

}  // namespace numerel::cli
