// Everything the window asks of the desktop, behind one interface so that tests can script the
// answers and no test ever opens a real modal dialog.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "core/message.h"

class QWidget;

namespace numerel::ui {

struct FontChoice {
    QFont font;
    QColor color;
};

class Platform {
public:
    virtual ~Platform() = default;
    // Modal message box; true for OK (an OK-only box, or one closed, counts as OK).
    virtual bool ShowMessage(const Message& message) = 0;
    // Modal input box with an empty default; nullopt when cancelled.
    virtual std::optional<QString> AskText(const QString& prompt, const QString& title) = 0;
    // Font chooser starting from the given font; nullopt when cancelled.
    virtual std::optional<FontChoice> ChooseFont(const QFont& initial, const QColor& color) = 0;
    // File-save chooser with an overwrite prompt; nullopt when cancelled.
    virtual std::optional<QString> ChooseSaveFile(const QString& title,
                                                  const QStringList& filters) = 0;
    // One tone; returns when it has ended. Silent (never an error) without a sound device.
    virtual void PlayTone(int hertz, int milliseconds) = 0;
    // Starts the desktop calculator without waiting for it; false when none could be started.
    virtual bool LaunchCalculator() = 0;
    // Current time in whole seconds.
    virtual std::int64_t NowSeconds() = 0;
    // The window dialogs are parented to.
    void SetDialogParent(QWidget* parent) { dialog_parent_ = parent; }
    // Where the save chooser opens: the folder of the last file saved (empty: its own default).
    void SetSaveFolder(const QString& folder) { save_folder_ = folder; }
    const QString& SaveFolder() const { return save_folder_; }

protected:
    QWidget* dialog_parent_ = nullptr;
    QString save_folder_;
};

}  // namespace numerel::ui
