// Saves a long result on a thread of its own, so that writing a gigabyte never freezes the
// window. The stored file is opened before the thread starts, so clearing or rewriting its pane
// meanwhile does not take the result away; and the saver waits for a save in progress when it
// is destroyed, so a save the user asked for is never cut short by closing the window.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

namespace numerel::ui {

class StoredResultSaver : public QObject {
    Q_OBJECT
public:
    explicit StoredResultSaver(QObject* parent = nullptr);
    ~StoredResultSaver() override;

    // Starts writing the stored result file `stored` to `path` (see SaveStoredResult). False,
    // with nothing started, when `stored` cannot be opened. A save still running is waited for
    // first.
    bool Start(const QString& stored, const QString& path, const QByteArray& codeset);
    bool Busy() const { return busy_; }

signals:
    // On the saver's thread of creation, once per started save.
    void Finished(bool saved, const QString& path);

private:
    std::thread thread_;
    std::atomic<bool> busy_{false};
};

}  // namespace numerel::ui
