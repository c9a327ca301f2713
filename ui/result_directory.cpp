#include "ui/result_directory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace numerel::ui {

namespace {
constexpr qint64 kLocklessGraceSeconds = 600;
}  // namespace

ResultDirectory::ResultDirectory(const QString& given) {
    if (!given.isEmpty()) {
        path_ = given;
        return;
    }
    own_ = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(kResultDirPattern));
    path_ = own_->path();
    lock_ = std::make_unique<QLockFile>(QDir(path_).filePath(kResultDirLock));
    // Only a dead owner makes the lock stale, never its age: runs may last for hours.
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
}

int RemoveStaleResultDirectories(const QString& root) {
    const QString prefix = QString(kResultDirPattern).remove("XXXXXX");
    const QFileInfoList entries =
        QDir(root).entryInfoList({prefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isWritable()) continue;
        const QString lock_path = QDir(entry.filePath()).filePath(kResultDirLock);
        bool stale = false;
        if (QFileInfo::exists(lock_path)) {
            QLockFile probe(lock_path);
            probe.setStaleLockTime(0);
            // Succeeds only when the owner process is gone (its stale lock is taken over).
            stale = probe.tryLock(0);
            if (stale) probe.unlock();
        } else {
            stale =
                entry.lastModified().secsTo(QDateTime::currentDateTime()) > kLocklessGraceSeconds;
        }
        if (stale && QDir(entry.filePath()).removeRecursively()) ++removed;
    }
    return removed;
}

}  // namespace numerel::ui
