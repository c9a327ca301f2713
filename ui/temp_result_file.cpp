#include "ui/temp_result_file.h"

#include <QDir>

namespace numerel::ui {

TempResultFile::TempResultFile(const QString& directory)
    : private_dir_(QDir::tempPath() + "/numerel-XXXXXX") {
    const QString dir = directory.isEmpty() ? private_dir_.path() : directory;
    path_ = QDir(dir).filePath("a.txt");
    file_.setFileName(path_);
}

bool TempResultFile::Open() {
    write_failed_ = false;
    if (file_.isOpen()) return true;
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

void TempResultFile::Append(std::string_view text) {
    if (!file_.isOpen() || text.empty()) return;
    if (file_.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        write_failed_ = true;
        error_ = file_.errorString();
    }
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

std::optional<QString> TempResultFile::ReadAll() const {
    QFile in(path_);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    return QString::fromUtf8(in.readAll());
}

bool TempResultFile::Remove() {
    if (file_.isOpen()) file_.close();
    return !QFile::exists(path_) || QFile::remove(path_);
}

}  // namespace numerel::ui
