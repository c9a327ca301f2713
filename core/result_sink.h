// Where the searches write their (possibly huge) text while they run. The window's sink is the
// temporary result file, the CLI's is stdout, the tests' a string.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace numerel {

class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void Append(std::string_view text) = 0;
    // A line end: carriage return and line feed in the file, "\n" on the CLI.
    virtual void EndLine() = 0;
    // True once the sink's byte budget is used up; the searches then stop writing list text and
    // only count. Without a budget never.
    virtual bool Full() const { return false; }
};

// Collects everything in memory; line ends are written as CR LF.
class StringSink final : public ResultSink {
public:
    void Append(std::string_view text) override { text_.append(text); }
    void EndLine() override { text_.append("\r\n"); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Counts what a run writes and keeps nothing (benchmarks measure computing and formatting only).
class CountingSink final : public ResultSink {
public:
    void Append(std::string_view text) override { bytes_ += text.size(); }
    void EndLine() override { bytes_ += 2; }
    std::uint64_t Bytes() const { return bytes_; }

private:
    std::uint64_t bytes_ = 0;
};

// Progress of a run as a fraction of the full bar, in [0, 1]. May be empty (progress off).
using ProgressFn = std::function<void(double fraction)>;

}  // namespace numerel
