#include "ui/window/window_memory.h"

#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>

#include "ui/pages/page.h"
#include "ui/pane/output_pane.h"
#include "ui/platform/platform.h"
#include "ui/run/run_protocol.h"
#include "ui/window/main_window.h"

namespace numerel::ui {

namespace {

constexpr qsizetype kLongestRememberedField = 10000;

// The fields the user types into; read-only ones show results.
QList<QLineEdit*> InputFields(const MainWindow& form) {
    QList<QLineEdit*> fields;
    for (int page = 0; page < kPageCount; ++page)
        for (QLineEdit* field : form.PageAt(page)->findChildren<QLineEdit*>())
            if (!field->isReadOnly() && !field->objectName().isEmpty()) fields.append(field);
    return fields;
}

QString PaneKey(int pane, const char* what) {
    return QString("panes/%1/%2").arg(pane).arg(what);
}

}  // namespace

void RestoreWindow(MainWindow& form, QSettings& settings) {
    for (QLineEdit* field : InputFields(form)) {
        const QVariant text = settings.value("fields/" + field->objectName());
        if (text.isValid()) field->setText(text.toString());
    }
    for (int i = 0; i < kPageCount; ++i) {
        OutputPane* pane = form.Pane(i);
        const QString described = settings.value(PaneKey(i, "font")).toString();
        QFont font;
        if (!described.isEmpty() && font.fromString(described)) pane->setFont(font);
        const QColor color(settings.value(PaneKey(i, "color")).toString());
        if (color.isValid()) {
            QTextCharFormat format;
            format.setForeground(color);
            pane->mergeCurrentCharFormat(format);
        }
    }
    const QString folder = settings.value("save/folder").toString();
    if (!folder.isEmpty()) form.DesktopPlatform().SetSaveFolder(folder);

    // The fields' change reactions moved the default button about: start from page 0's, as a
    // fresh window does, then go to the page.
    form.PageAt(0)->Activate();
    const int page = settings.value("window/page", 0).toInt();
    if (page > 0 && page < kPageCount) form.Tabs()->setCurrentIndex(page);
    // After the page: a page change unticks every box.
    for (int i = 0; i < kProgressBoxCount; ++i) {
        QCheckBox* box = form.Run().ProgressBox(i);
        if (box != nullptr && !box->isChecked() &&
            settings.value(QString("progress/%1").arg(i), false).toBool())
            box->click();
    }

    const QByteArray geometry = settings.value("window/geometry").toByteArray();
    // Qt puts a window saved on a screen that is gone back onto a present one.
    if (!geometry.isEmpty()) form.restoreGeometry(geometry);
}

void SaveWindow(const MainWindow& form, QSettings& settings) {
    settings.setValue("window/geometry", form.saveGeometry());
    settings.setValue("window/page", form.Tabs()->currentIndex());
    for (const QLineEdit* field : InputFields(form)) {
        const QString key = "fields/" + field->objectName();
        // A pasted operand of millions of digits would be written at every close: such a field
        // starts empty instead.
        if (field->text().size() <= kLongestRememberedField)
            settings.setValue(key, field->text());
        else
            settings.remove(key);
    }
    for (int i = 0; i < kPageCount; ++i) {
        const OutputPane* pane = form.Pane(i);
        settings.setValue(PaneKey(i, "font"), pane->font().toString());
        const QBrush color = pane->currentCharFormat().foreground();
        if (color.style() != Qt::NoBrush)
            settings.setValue(PaneKey(i, "color"), color.color().name());
        else
            settings.remove(PaneKey(i, "color"));
    }
    for (int i = 0; i < kProgressBoxCount; ++i) {
        const QCheckBox* box = form.Run().ProgressBox(i);
        settings.setValue(QString("progress/%1").arg(i), box != nullptr && box->isChecked());
    }
    settings.setValue("save/folder", form.DesktopPlatform().SaveFolder());
    settings.sync();
}

}  // namespace numerel::ui
