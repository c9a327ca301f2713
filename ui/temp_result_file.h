// The temporary result file of the long searches: appended to while a run goes on (on the
// worker thread), then loaded into the pane. It lives in the program's private directory, so no
// user file in the current directory is ever touched.
//
// Stored text has a budget, fixed when the file is opened: Full() tells the searches to stop
// writing list text (they go on counting and end with a cut line); text beyond the budget and a
// small margin is dropped, so a search that ignores Full() still cannot fill the disk.
#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>

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
    void Append(std::string_view text) override;
    void EndLine() override;
    bool Full() const override { return BytesWritten() >= budget_; }
    // Closes; false when a write failed.
    bool Close();
    // Deletes the file; a missing file is no error.
    bool Remove();
    // Moves the closed file to `name` in the same directory (replacing a file of that name), so
    // that it outlives the next run. The new path, or an empty string on failure.
    QString KeepAs(const QString& name);
    QString Error() const { return error_; }

private:
    QString directory_;
    QString path_;
    QFile file_;
    QString error_;
    std::optional<std::uint64_t> budget_override_;
    std::uint64_t budget_ = kMaxResultBudget;
    std::atomic<std::uint64_t> written_{0};
    bool write_failed_ = false;
};

}  // namespace numerel::ui
