// The production Platform: Qt dialogs, ALSA tones, the first desktop calculator on PATH.
#pragma once

#include <memory>

#include "ui/platform/platform.h"

class QFileDialog;

namespace numerel::ui {

class QtPlatform final : public Platform {
public:
    bool ShowMessage(const Message& message) override;
    std::optional<QString> AskText(const QString& prompt, const QString& title) override;
    std::optional<FontChoice> ChooseFont(const QFont& initial, const QColor& color) override;
    std::optional<QString> ChooseSaveFile(const QString& title,
                                          const QStringList& filters) override;
    void PlayTone(int hertz, int milliseconds) override;
    bool LaunchCalculator() override;
    std::int64_t NowSeconds() override;
};

// The file-save chooser of ChooseSaveFile, not yet shown: a name typed without an extension gets
// the chosen type's, and replacing an existing file is asked first.
std::unique_ptr<QFileDialog> NewSaveDialog(QWidget* parent, const QString& title,
                                           const QStringList& filters);

// The calculators tried, in order.
QStringList CalculatorCandidates();

// Plays a sine tone on the default ALSA device; false when there is no device.
bool PlaySineTone(int hertz, int milliseconds);

}  // namespace numerel::ui
