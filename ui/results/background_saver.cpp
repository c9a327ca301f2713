#include "ui/results/background_saver.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <exception>

#include "ui/results/pane_file_saver.h"
#include "ui/results/stored_result.h"

namespace numerel::ui {

BackgroundSaver::BackgroundSaver(QObject* parent) : QObject(parent) {}

BackgroundSaver::~BackgroundSaver() {
    if (thread_.joinable()) thread_.join();
}

void BackgroundSaver::Launch(std::function<bool()> save, const QString& path) {
    if (thread_.joinable()) thread_.join();
    thread_ = std::thread([this, save = std::move(save), path] {
        bool saved = false;
        try {
            saved = save();
        } catch (const std::exception&) {
            saved = false;  // out of memory: reported as a failed save, the old file kept
        }
        emit Finished(saved, path);
    });
}

bool BackgroundSaver::SaveStored(const QString& stored, const QString& path,
                                 const QByteArray& codeset) {
    // A descriptor rather than a QFile: the file object then lives and dies on the save thread.
    const int fd = ::open(QFile::encodeName(stored).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    Launch(
        [fd, path, codeset] {
            QFile in;
            if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
                ::close(fd);
                return false;
            }
            return SaveStoredResult(in, path, codeset);
        },
        path);
    return true;
}

void BackgroundSaver::SaveText(const QString& text, const QString& path) {
    Launch([text, path] { return SavePaneText(path, text); }, path);
}

}  // namespace numerel::ui
