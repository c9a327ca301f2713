#include "ui/results/result_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace numerel::ui {

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
    // The marker comes after the lock, so a marked directory without a lock has been released
    // by its owner and a sweep never sees a marked directory that is still being set up.
    if (!lock_->tryLock(0)) return;
    QFile marker(QDir(path_).filePath(kResultDirMarker));
    if (marker.open(QIODevice::WriteOnly | QIODevice::NewOnly)) marker.write(kResultDirMarkerText);
}

bool IsMarkedResultDirectory(const QString& dir) {
    QFile marker(QDir(dir).filePath(kResultDirMarker));
    const QFileInfo info(marker);
    if (info.isSymLink() || !info.isFile()) return false;
    const QByteArray expected(kResultDirMarkerText);
    if (info.size() != expected.size() || !marker.open(QIODevice::ReadOnly)) return false;
    return marker.readAll() == expected;
}

int RemoveStaleResultDirectories(const QString& root) {
    const QString prefix = QString(kResultDirPattern).remove("XXXXXX");
    const QFileInfoList entries =
        QDir(root).entryInfoList({prefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isWritable()) continue;
        if (!IsMarkedResultDirectory(entry.filePath())) continue;
        const QString lock_path = QDir(entry.filePath()).filePath(kResultDirLock);
        bool stale = true;  // marked and unlocked: the owner released it on its way out
        if (QFileInfo::exists(lock_path)) {
            QLockFile probe(lock_path);
            probe.setStaleLockTime(0);
            // Succeeds only when the owner process is gone (its stale lock is taken over).
            stale = probe.tryLock(0);
            if (stale) probe.unlock();
        }
        if (stale && QDir(entry.filePath()).removeRecursively()) ++removed;
    }
    return removed;
}

}  // namespace numerel::ui
