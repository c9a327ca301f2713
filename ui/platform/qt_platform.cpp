#include "ui/platform/qt_platform.h"

#include <QColorDialog>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "ui/platform/chinese_file_list.h"
#include "ui/results/pane_file_saver.h"

namespace numerel::ui {

namespace {

// Gives a name typed without an extension the one of the chosen file type before the dialog
// checks for an existing file, so the replace question is about the file actually written.
class SaveDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        setDefaultSuffix(FilterExtension(selectedNameFilter()));
        QFileDialog::accept();
    }
};

}  // namespace

std::unique_ptr<QFileDialog> NewSaveDialog(QWidget* parent, const QString& title,
                                           const QStringList& filters) {
    auto dialog = std::make_unique<SaveDialog>(parent, title);
    // Qt's own dialog, so that it speaks the window's language and follows the chosen type.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    ShowFileListInChinese(*dialog);
    return dialog;
}

bool QtPlatform::ShowMessage(const Message& message) {
    QMessageBox box(dialog_parent_);
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(QString::fromStdString(message.text));
    switch (message.icon) {
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    // A box as narrow as a short text leaves the window manager no room for the title, which it
    // then elides to "…": the box is made wide enough for its title and the frame's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width =
            std::max(280, box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

std::optional<QString> QtPlatform::AskText(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(dialog_parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<FontChoice> QtPlatform::ChooseFont(const QFont& initial, const QColor& color) {
    QFontDialog fonts(initial, dialog_parent_);
    fonts.setOption(QFontDialog::DontUseNativeDialog);
    if (fonts.exec() != QDialog::Accepted) return std::nullopt;
    // Qt's font dialog has no colour; ask for it right after, keeping the old one on cancel.
    QColorDialog colors(color, dialog_parent_);
    colors.setOption(QColorDialog::DontUseNativeDialog);
    const bool color_chosen = colors.exec() == QDialog::Accepted;
    return FontChoice{fonts.selectedFont(), color_chosen && colors.selectedColor().isValid()
                                                ? colors.selectedColor()
                                                : color};
}

std::optional<QString> QtPlatform::ChooseSaveFile(const QString& title,
                                                  const QStringList& filters) {
    const std::unique_ptr<QFileDialog> dialog = NewSaveDialog(dialog_parent_, title, filters);
    if (!save_folder_.isEmpty() && QFileInfo(save_folder_).isDir())
        dialog->setDirectory(save_folder_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog->selectedFiles().first();
    save_folder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

void QtPlatform::PlayTone(int hertz, int milliseconds) {
    PlaySineTone(hertz, milliseconds);
}

QStringList CalculatorCandidates() {
    return {"gnome-calculator", "kcalc", "qalculate-gtk", "galculator", "xcalc"};
}

bool QtPlatform::LaunchCalculator() {
    for (const QString& name : CalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
    }
    return false;
}

std::int64_t QtPlatform::NowSeconds() {
    return QDateTime::currentSecsSinceEpoch();
}

}  // namespace numerel::ui
