// The temporary result file of the long searches: appended to while a run goes on, loaded into
// the pane in one step, then deleted. It lives in a private per-process directory, so no user
// file in the current directory is ever touched.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "core/result_sink.h"

namespace numerel::ui {

class TempResultFile final : public ResultSink {
public:
    // directory: where "a.txt" lives; empty = a fresh private temporary directory.
    explicit TempResultFile(const QString& directory = QString());

    QString Path() const { return path_; }
    // Opens for appending (created if missing). False, with Error() set, when that fails.
    bool Open();
    void Append(std::string_view text) override;
    void EndLine() override;
    // Closes; false when a write failed.
    bool Close();
    // The whole content (UTF-8); nullopt when it cannot be read.
    std::optional<QString> ReadAll() const;
    // Deletes the file; a missing file is no error.
    bool Remove();
    QString Error() const { return error_; }

private:
    QTemporaryDir private_dir_;
    QString path_;
    QFile file_;
    QString error_;
    bool write_failed_ = false;
};

}  // namespace numerel::ui
