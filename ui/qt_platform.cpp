#include "ui/qt_platform.h"

#include <QColorDialog>
#include <QDateTime>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace numerel::ui {

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
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, dialog_parent_);
    if (!ok) return std::nullopt;
    // Qt's font dialog has no colour; ask for it right after, keeping the old one on cancel.
    const QColor chosen = QColorDialog::getColor(color, dialog_parent_);
    return FontChoice{font, chosen.isValid() ? chosen : color};
}

std::optional<QString> QtPlatform::ChooseSaveFile(const QString& title,
                                                  const QStringList& filters) {
    const QString path =
        QFileDialog::getSaveFileName(dialog_parent_, title, QString(), filters.join(";;"));
    if (path.isEmpty()) return std::nullopt;
    return path;
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
