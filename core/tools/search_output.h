// What every search shares on its output side: fast decimal formatting, a buffered writer in
// front of a ResultSink, the summary a search hands back to the page (count caption, or a fixed
// pane text when nothing was found) and the closing stop, cut and disk-full lines. The progress
// throttle the searches use is ProgressThrottle in core/progress_throttle.h.
#pragma once

#include <gmpxx.h>

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/input/decimal96.h"
#include "core/progress_throttle.h"
#include "core/result_sink.h"

namespace numerel {

// Appends the plain decimal digits of v to out.
inline void AppendDecimal(std::string& out, std::uint64_t v) {
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    out.append(digits, end);
}

// The same for a value of any size, written in place.
void AppendDecimal(std::string& out, const mpz_class& v);

// done / span as a double, whatever the size of the numbers: the progress of a large search.
double FractionOf(const mpz_class& done, const mpz_class& span);

// Collects small pieces of text and hands them to the sink in large chunks. Line ends go to the
// sink's own EndLine, so the pending text is handed over first. After each hand-over it asks the
// sink whether its budget is used up (Full): the search then stops writing list text.
class SinkWriter {
public:
    explicit SinkWriter(ResultSink& sink) : sink_(sink) { buffer_.reserve(kChunk + 256); }
    SinkWriter(const SinkWriter&) = delete;
    SinkWriter& operator=(const SinkWriter&) = delete;
    ~SinkWriter() { Flush(); }

    // The pending text; append to it, then call Commit.
    std::string& Buffer() { return buffer_; }
    void Commit() {
        if (buffer_.size() >= kChunk) Flush();
    }
    void EndLine() {
        Flush();
        sink_.EndLine();
        line_open_ = false;
        full_ = sink_.Full();
    }
    void Flush() {
        if (buffer_.empty()) return;
        sink_.Append(buffer_);
        buffer_.clear();
        line_open_ = true;
        full_ = sink_.Full();
    }
    // True once the sink said its budget is used up.
    bool Full() const { return full_; }
    bool OutOfSpace() const { return sink_.OutOfSpace(); }
    // A closing note on a line of its own (the stop or cut line), after any unfinished line.
    void NoteLine(std::string_view note) {
        if (line_open_ || !buffer_.empty()) EndLine();
        sink_.NoteLine(note);
        line_open_ = false;
        full_ = sink_.Full();
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    ResultSink& sink_;
    std::string buffer_;
    bool line_open_ = false;
    bool full_ = false;
};

// What a search hands back besides its streamed text.
struct SearchSummary {
    std::uint64_t count = 0;
    // The count label's caption, e.g. "共4个"; "已停止:共4个" after a stop.
    std::string caption;
    // When set, the page shows this text instead of loading what was streamed.
    std::optional<std::string> pane_text;
    // Asked to stop: the text ends with kStoppedLine, count is what was found so far.
    bool stopped = false;
    // The sink's budget (or its disk) ran out: the list ends with a CutLine (a DiskFullLine),
    // count stays exact (unless stopped).
    bool cut = false;
};

// The last line of a stopped search's text.
inline constexpr std::string_view kStoppedLine = "(已停止,以上为部分结果)";
// Put before the count caption of a stopped search: "已停止:共1234个".
inline constexpr std::string_view kStoppedMark = "已停止:";

// "共N个" for unit "个" (or "对", "种"), marked partial when the run was stopped.
std::string CountCaption(std::uint64_t count, std::string_view unit, bool stopped);

// The last line of a list the budget cut: "……列表过长,只保存了前K个,共N个".
std::string CutLine(std::uint64_t kept, std::uint64_t total, std::string_view unit);

// The last line of a list cut short by a full disk: "……磁盘已满,只保存了以上部分,共N个".
std::string DiskFullLine(std::uint64_t total, std::string_view unit);

// The line that closes a cut list: DiskFullLine when the sink ran out of room, else CutLine.
std::string FullLine(const ResultSink& sink, std::uint64_t kept, std::uint64_t total,
                     std::string_view unit);
// The same for counts of any size (the large searches).
std::string FullLine(const ResultSink& sink, const mpz_class& kept, const mpz_class& total,
                     std::string_view unit);

// Ends a search's text the way every search does: the stop line or the cut line where they apply,
// and fills in the summary's caption (and stopped, cut) for count items of `unit`.
void FinishSearchText(SinkWriter& out, SearchSummary& summary, std::string_view unit,
                      std::uint64_t kept);

}  // namespace numerel
