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
    // A closing line (the stop, cut or disk-full line) after the list, on a line of its own.
    virtual void NoteLine(std::string_view line) {
        Append(line);
        EndLine();
    }
    // True once the medium ran out of room (a full disk): Full() is then true as well, the list
    // ends at the last whole item stored, and only closing lines are still taken.
    virtual bool OutOfSpace() const { return false; }
};

// Collects everything in memory; line ends are written as CR LF. With a budget it is Full once
// that many bytes were written (it still takes what it is given).
class StringSink final : public ResultSink {
public:
    StringSink() = default;
    explicit StringSink(std::uint64_t budget) : budget_(budget) {}
    void Append(std::string_view text) override { text_.append(text); }
    void EndLine() override { text_.append("\r\n"); }
    bool Full() const override { return text_.size() >= budget_; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    std::uint64_t budget_ = UINT64_MAX;
};

// Counts what a run writes and keeps nothing (benchmarks measure computing and formatting only);
// Full past an optional budget, as the window's result file is.
class CountingSink final : public ResultSink {
public:
    CountingSink() = default;
    explicit CountingSink(std::uint64_t budget) : budget_(budget) {}
    void Append(std::string_view text) override { bytes_ += text.size(); }
    void EndLine() override { bytes_ += 2; }
    bool Full() const override { return bytes_ >= budget_; }
    std::uint64_t Bytes() const { return bytes_; }

private:
    std::uint64_t bytes_ = 0;
    std::uint64_t budget_ = UINT64_MAX;
};

// Progress of a run as a fraction of the full bar, in [0, 1]. May be empty (progress off).
using ProgressFn = std::function<void(double fraction)>;

}  // namespace numerel
