#include "ui/results/temp_result_file.h"

#include <unistd.h>

#include <QDir>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace numerel::ui {

namespace {

// Pending text is handed to the disk in pieces of this size, which also bounds what a full disk
// can cut off in the middle of an item.
constexpr std::size_t kWriteChunk = std::size_t{1} << 16;
// How far back a full disk looks for the end of the last whole line.
constexpr qint64 kTrimWindow = qint64{4} << 20;

TempResultFile::WriteResult WriteAll(int fd, std::string_view bytes) {
    TempResultFile::WriteResult result;
    while (result.stored < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + result.stored, bytes.size() - result.stored);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            result.error = n < 0 ? errno : EIO;
            break;
        }
        result.stored += static_cast<std::uint64_t>(n);
    }
    return result;
}

bool IsLackOfSpace(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

}  // namespace

std::uint64_t DefaultResultBudget(std::uint64_t free, std::uint64_t total) {
    const std::uint64_t reserve = total / 20 + kBudgetMargin;
    const std::uint64_t above_reserve = free > reserve ? free - reserve : 0;
    return std::min({kMaxResultBudget, free / 4, above_reserve});
}

TempResultFile::TempResultFile(const QString& directory)
    : directory_(directory), path_(QDir(directory).filePath("a.txt")) {
    file_.setFileName(path_);
}

bool TempResultFile::Open() {
    write_failed_ = false;
    written_.store(0, std::memory_order_relaxed);
    if (budget_override_) {
        budget_ = *budget_override_;
    } else {
        const QStorageInfo disk(directory_);
        budget_ = disk.isValid()
                      ? DefaultResultBudget(
                            static_cast<std::uint64_t>(std::max<qint64>(0, disk.bytesAvailable())),
                            static_cast<std::uint64_t>(std::max<qint64>(0, disk.bytesTotal())))
                      : kMaxResultBudget;
    }
    pending_.clear();
    out_of_space_.store(false, std::memory_order_relaxed);
    unstored_note_.clear();
    if (file_.isOpen()) return true;
    // Unbuffered: the pending text is buffered here, so that a failed write tells how much of it
    // reached the disk.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        error_ = file_.errorString();
        return false;
    }
    stored_ = static_cast<std::uint64_t>(file_.size());
    ends_line_ = true;
    return true;
}

void TempResultFile::Append(std::string_view text) {
    // Past a full disk only closing lines are taken (NoteLine).
    if (!file_.isOpen() || text.empty() || OutOfSpace()) return;
    const std::uint64_t written = written_.load(std::memory_order_relaxed);
    const std::uint64_t limit = budget_ + kBudgetMargin;
    if (written >= limit) return;
    const std::size_t size =
        static_cast<std::size_t>(std::min<std::uint64_t>(text.size(), limit - written));
    pending_.append(text.data(), size);
    written_.store(written + size, std::memory_order_relaxed);
    if (pending_.size() >= kWriteChunk) Drain();
}

void TempResultFile::EndLine() {
    Append("\r\n");
}

void TempResultFile::Drain() {
    if (pending_.empty()) return;
    Store(pending_);
    pending_.clear();
}

void TempResultFile::Store(std::string_view bytes) {
    if (write_failed_ || bytes.empty() || !file_.isOpen()) return;
    const WriteResult result =
        raw_write_ ? raw_write_(file_.handle(), bytes) : WriteAll(file_.handle(), bytes);
    stored_ += result.stored;
    if (result.stored > 0) ends_line_ = bytes[result.stored - 1] == '\n';
    if (result.error == 0) return;
    error_ = QString::fromLocal8Bit(std::strerror(result.error));
    if (!IsLackOfSpace(result.error)) {
        write_failed_ = true;
        return;
    }
    out_of_space_.store(true, std::memory_order_relaxed);
    TrimToItem();
}

void TempResultFile::TrimToItem() {
    QFile in(path_);
    if (!in.open(QIODevice::ReadOnly)) return;
    const qint64 size = static_cast<qint64>(stored_);
    qint64 line_cut = -1;
    qint64 item_cut = -1;
    for (qint64 end = size; end > 0 && size - end < kTrimWindow && line_cut < 0;) {
        const qint64 start = std::max<qint64>(0, end - static_cast<qint64>(kWriteChunk));
        if (!in.seek(start)) return;
        const QByteArray block = in.read(end - start);
        if (block.size() != end - start) return;
        for (qsizetype i = block.size() - 1; i >= 0; --i) {
            const char c = block[i];
            if (c == '\n') {
                line_cut = start + i + 1;
                break;
            }
            if (item_cut < 0 && (c == ' ' || c == ')')) item_cut = start + i + 1;
        }
        end = start;
    }
    qint64 cut = line_cut >= 0 ? line_cut : item_cut;
    if (cut < 0) {
        if (size > kTrimWindow) return;  // no item ends anywhere near: leave it
        cut = 0;
    }
    if (!file_.resize(cut)) return;
    stored_ = static_cast<std::uint64_t>(cut);
    ends_line_ = cut == 0 || cut == line_cut;
}

void TempResultFile::NoteLine(std::string_view line) {
    Drain();
    if (!OutOfSpace()) {
        ResultSink::NoteLine(line);
        Drain();
        if (!OutOfSpace()) return;
        // The disk filled up on this very line: it was cut off with the rest.
    }
    std::string bytes = ends_line_ ? std::string() : std::string("\r\n");
    bytes.append(line);
    bytes += "\r\n";
    const std::uint64_t before = stored_;
    if (unstored_note_.isEmpty() && file_.isOpen() && !write_failed_) {
        const WriteResult result =
            raw_write_ ? raw_write_(file_.handle(), bytes) : WriteAll(file_.handle(), bytes);
        if (result.error == 0) {
            stored_ += result.stored;
            ends_line_ = true;
            return;
        }
        file_.resize(static_cast<qint64>(before));
    }
    if (!unstored_note_.isEmpty()) unstored_note_ += u'\n';
    unstored_note_ += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

bool TempResultFile::Close() {
    if (file_.isOpen()) {
        Drain();
        file_.close();
    }
    pending_.clear();
    return !write_failed_;
}

bool TempResultFile::Remove() {
    if (file_.isOpen()) Close();
    return !QFile::exists(path_) || QFile::remove(path_);
}

QString TempResultFile::KeepAs(const QString& name) {
    if (file_.isOpen()) Close();
    const QString target = QDir(directory_).filePath(name);
    QFile::remove(target);
    return QFile::rename(path_, target) ? target : QString();
}

}  // namespace numerel::ui
