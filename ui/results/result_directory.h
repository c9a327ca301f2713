// The private directory of one running program, where its result files live. A marker file names
// it as ours, and a lock file in it tells a live owner from a dead one, so that the directories
// of killed runs can be removed at the next start while a second instance keeps its own and any
// other folder that merely shares the name pattern is left alone.
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
inline constexpr const char* kResultDirMarker = "numerel-result-directory";
// The marker's whole content: a file that merely has the marker's name is not enough.
inline constexpr const char* kResultDirMarkerText = "numerel result directory\n";

// Whether `dir` carries the marker this program writes into the directories it creates.
bool IsMarkedResultDirectory(const QString& dir);

// Removes every result directory under `root` that this program made (it carries the marker)
// and whose owner is gone (its lock is free or already released). A directory without the
// marker is never removed, whatever its name or age. Returns how many were removed.
int RemoveStaleResultDirectories(const QString& root);

}  // namespace numerel::ui
