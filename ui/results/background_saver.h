// Saves a long result on a thread of its own, so that writing a gigabyte never freezes the
// window. A stored result file is opened before the thread starts, so clearing or rewriting its
// pane meanwhile does not take the result away; a text held in memory is shared with the thread,
// not copied. The saver waits for a save in progress when it is destroyed, so a save the user
// asked for is never cut short by closing the window.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <thread>

namespace numerel::ui {

class BackgroundSaver : public QObject {
    Q_OBJECT
public:
    explicit BackgroundSaver(QObject* parent = nullptr);
    ~BackgroundSaver() override;

    // Writes the stored result file `stored` to `path` (SaveStoredResult). False, with nothing
    // started, when `stored` cannot be opened.
    bool SaveStored(const QString& stored, const QString& path, const QByteArray& codeset);
    // Writes a pane's text to `path` (SavePaneText).
    void SaveText(const QString& text, const QString& path);

signals:
    // On the saver's thread of creation, once per started save.
    void Finished(bool saved, const QString& path);

private:
    // A save still running is waited for first.
    void Launch(std::function<bool()> save, const QString& path);

    std::thread thread_;
};

}  // namespace numerel::ui
