// The private directory of one running program, where its result files live. A lock file in it
// tells a live owner from a dead one, so that the directories of killed runs can be removed at
// the next start while a second instance keeps its own.
#pragma once

#include <QLockFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace numerel::ui {

class ResultDirectory {
public:
    // given: a directory to use as it is (tests); empty = a fresh locked one under the system's
    // temporary directory, removed when this object goes.
    explicit ResultDirectory(const QString& given = QString());
    ResultDirectory(const ResultDirectory&) = delete;
    ResultDirectory& operator=(const ResultDirectory&) = delete;

    QString Path() const { return path_; }

private:
    std::unique_ptr<QTemporaryDir> own_;
    std::unique_ptr<QLockFile> lock_;  // released (and its file removed) before the directory goes
    QString path_;
};

inline constexpr const char* kResultDirPattern = "numerel-XXXXXX";
inline constexpr const char* kResultDirLock = "owner.lock";

// Removes every result directory under `root` whose owner is gone: its lock is free, or it has
// no lock at all (left by an older version) and was last changed more than ten minutes ago.
// Returns how many were removed.
int RemoveStaleResultDirectories(const QString& root);

}  // namespace numerel::ui
