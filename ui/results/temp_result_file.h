// The temporary result file of the long searches: appended to while a run goes on (on the
// worker thread), then loaded into the pane. It lives in the program's private directory, so no
// user file in the current directory is ever touched.
//
// Stored text has a budget, fixed when the file is opened: Full() tells the searches to stop
// writing list text (they go on counting and end with a cut line); text beyond the budget and a
// small margin is dropped, so a search that ignores Full() still cannot fill the disk.
//
// A disk that fills up is treated like the budget: the file is cut back to its last whole item,
// Full() and OutOfSpace() turn true, the search counts on, and the closing line is stored if the
// disk still takes it, else kept in memory (UnstoredNote) for the pane to show.
#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/result_sink.h"

namespace numerel::ui {

inline constexpr std::uint64_t kMaxResultBudget = std::uint64_t{1} << 30;
// Room after the budget for the lines that close a list (the cut or stop line).
inline constexpr std::uint64_t kBudgetMargin = std::uint64_t{4} << 20;

// The default budget for a disk with `free` of `total` bytes available: the smaller of 1 GiB and
// a quarter of the free space, and never so much that less than 5 % of the disk stays free.
std::uint64_t DefaultResultBudget(std::uint64_t free, std::uint64_t total);

class TempResultFile final : public ResultSink {
public:
    // What one write to the file achieved: the bytes stored, and the errno that stopped it
    // (0 when all were stored).
    struct WriteResult {
        std::uint64_t stored = 0;
        int error = 0;
    };
    // Stores bytes at the end of the open file with descriptor fd; tests put a disk of little room
    // in place of the system's.
    using RawWrite = std::function<WriteResult(int fd, std::string_view bytes)>;

    explicit TempResultFile(const QString& directory);

    QString Path() const { return path_; }
    QString Directory() const { return directory_; }
    // A fixed budget in bytes instead of the one derived from the free space (tests, benchmarks).
    void SetBudget(std::optional<std::uint64_t> budget) { budget_override_ = budget; }
    std::uint64_t Budget() const { return budget_; }
    std::uint64_t BytesWritten() const { return written_.load(std::memory_order_relaxed); }

    // Opens for appending (created if missing) and fixes the budget. False, with Error() set,
    // when that fails.
    bool Open();
    void SetRawWrite(RawWrite write) { raw_write_ = std::move(write); }
    void Append(std::string_view text) override;
    void EndLine() override;
    void NoteLine(std::string_view line) override;
    bool Full() const override {
        return BytesWritten() >= budget_ || out_of_space_.load(std::memory_order_relaxed);
    }
    bool OutOfSpace() const override { return out_of_space_.load(std::memory_order_relaxed); }
    // The closing lines (LF-separated) that the full disk did not take.
    QString UnstoredNote() const { return unstored_note_; }
    // Closes; false when a write failed.
    bool Close();
    // Deletes the file; a missing file is no error.
    bool Remove();
    // Moves the closed file to `name` in the same directory (replacing a file of that name), so
    // that it outlives the next run. The new path, or an empty string on failure.
    QString KeepAs(const QString& name);
    QString Error() const { return error_; }

private:
    void Drain();
    void Store(std::string_view bytes);
    // Cuts the file back to its last whole item: after its last line end, or failing that after
    // its last blank or ')' (the one-line lists).
    void TrimToItem();

    QString directory_;
    QString path_;
    QFile file_;
    QString error_;
    std::optional<std::uint64_t> budget_override_;
    std::uint64_t budget_ = kMaxResultBudget;
    std::atomic<std::uint64_t> written_{0};
    bool write_failed_ = false;
    RawWrite raw_write_;
    std::string pending_;
    std::uint64_t stored_ = 0;  // bytes in the file
    bool ends_line_ = true;     // the stored text is empty or ends with a line end
    std::atomic<bool> out_of_space_{false};
    QString unstored_note_;
};

}  // namespace numerel::ui
