// What the interval and partition searches share on their output side: fast decimal formatting,
// a buffered writer in front of a ResultSink, a throttle for progress reports, and the summary a
// search hands back to the page (count caption, or a fixed pane text when nothing was found).
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "core/decimal96.h"
#include "core/result_sink.h"

namespace numerel {

inline constexpr uint128 kTwoTo64 = uint128{1} << 64;

// Appends the plain decimal digits of v to out.
inline void AppendDecimal(std::string& out, std::uint64_t v) {
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    out.append(digits, end);
}
void AppendDecimal(std::string& out, uint128 v);

// The decimal text of v.
std::string DecimalText(uint128 v);

// Collects small pieces of text and hands them to the sink in large chunks. Line ends go to the
// sink's own EndLine, so the pending text is handed over first.
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
    }
    void Flush() {
        if (buffer_.empty()) return;
        sink_.Append(buffer_);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    ResultSink& sink_;
    std::string buffer_;
};

// Lets a search report progress about kReports times over its span rather than at every step:
// the page formulas stay, only the number of bar updates shrinks. Inactive when fn is empty.
class ProgressThrottle {
public:
    static constexpr unsigned kReports = 1024;

    ProgressThrottle(const ProgressFn& fn, uint128 start, uint128 span)
        : fn_(fn), next_(start), step_(span / kReports > 0 ? span / kReports : 1) {}

    // True when position pos has come far enough for the next report.
    bool Due(uint128 pos) const { return fn_ && pos >= next_; }
    void Report(uint128 pos, double fraction) {
        fn_(fraction);
        next_ = pos + step_;
    }

private:
    const ProgressFn& fn_;
    uint128 next_;
    uint128 step_;
};

// What a search hands back besides its streamed text.
struct SearchSummary {
    std::uint64_t count = 0;
    // The count label's caption, e.g. "共4个".
    std::string caption;
    // When set, the page shows this text instead of loading what was streamed.
    std::optional<std::string> pane_text;
};

}  // namespace numerel
