#include "ui/stored_result_saver.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <exception>

#include "ui/stored_result.h"

namespace numerel::ui {

StoredResultSaver::StoredResultSaver(QObject* parent) : QObject(parent) {}

StoredResultSaver::~StoredResultSaver() {
    if (thread_.joinable()) thread_.join();
}

bool StoredResultSaver::Start(const QString& stored, const QString& path,
                              const QByteArray& codeset) {
    if (thread_.joinable()) thread_.join();
    // A descriptor rather than a QFile: the file object then lives and dies on the save thread.
    const int fd = ::open(QFile::encodeName(stored).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    busy_ = true;
    thread_ = std::thread([this, fd, path, codeset] {
        bool saved = false;
        QFile in;
        try {
            saved = in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) &&
                    SaveStoredResult(in, path, codeset);
        } catch (const std::exception&) {
            saved = false;  // out of memory: reported as a failed save, the old file kept
        }
        if (!in.isOpen()) ::close(fd);
        busy_ = false;
        emit Finished(saved, path);
    });
    return true;
}

}  // namespace numerel::ui
