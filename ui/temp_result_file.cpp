#include "ui/temp_result_file.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace numerel::ui {

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
    if (file_.isOpen()) return true;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

void TempResultFile::Append(std::string_view text) {
    if (!file_.isOpen() || text.empty()) return;
    const std::uint64_t written = written_.load(std::memory_order_relaxed);
    const std::uint64_t limit = budget_ + kBudgetMargin;
    if (written >= limit) return;
    const std::size_t size =
        static_cast<std::size_t>(std::min<std::uint64_t>(text.size(), limit - written));
    if (file_.write(text.data(), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        write_failed_ = true;
        error_ = file_.errorString();
    }
    written_.store(written + size, std::memory_order_relaxed);
}

void TempResultFile::EndLine() {
    Append("\r\n");
}

bool TempResultFile::Close() {
    if (file_.isOpen()) {
        if (!file_.flush()) {
            write_failed_ = true;
            error_ = file_.errorString();
        }
        file_.close();
    }
    return !write_failed_;
}

bool TempResultFile::Remove() {
    if (file_.isOpen()) file_.close();
    return !QFile::exists(path_) || QFile::remove(path_);
}

QString TempResultFile::KeepAs(const QString& name) {
    if (file_.isOpen()) file_.close();
    const QString target = QDir(directory_).filePath(name);
    QFile::remove(target);
    return QFile::rename(path_, target) ? target : QString();
}

}  // namespace numerel::ui
