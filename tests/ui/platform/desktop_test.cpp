// What the user meets around the window: Qt's own buttons and dialogs in Chinese, a saved file
// named with the chosen type's extension, and the font chooser opening on the pane's face.
#include <QAbstractProxyModel>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "text_tools_fixture.h"
#include "ui/platform/desktop_language.h"
#include "ui/platform/qt_platform.h"
#include "ui/results/pane_file_saver.h"

namespace numerel::ui::testing {
namespace {

// scripts/setup installs Qt's translations, so a missing catalogue is a fault here.
TEST(QtChinese, StandardButtonsReadChinese) {
    const std::unique_ptr<QTranslator> chinese = LoadQtChinese();
    ASSERT_NE(chinese, nullptr);
    // Removed again when the translator is destroyed.
    ASSERT_TRUE(QCoreApplication::installTranslator(chinese.get()));
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } rows[] = {
        {QMessageBox::Ok, "确定"},   {QMessageBox::Cancel, "取消"}, {QMessageBox::Yes, "是(&Y)"},
        {QMessageBox::No, "否(&N)"}, {QMessageBox::Save, "保存"},
    };
    QMessageBox box;
    for (const auto& row : rows) box.addButton(row.button);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ASSERT_NE(box.button(row.button), nullptr);
        EXPECT_EQ(box.button(row.button)->text(), QString::fromUtf8(row.text));
    }
}

TEST(SaveDialog, ANameWithoutExtensionTakesTheChosenTypes) {
    const QStringList filters{"文本文件(*.txt)", "word文档(*.doc)"};
    const struct {
        QString filter;
        const char* typed;
        const char* written;
    } rows[] = {
        {filters[0], "save1", "save1.txt"},
        {filters[1], "save1", "save1.doc"},
        {filters[0], "save2.doc", "save2.doc"},
        {filters[1], "结果", "结果.doc"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written);
        // A folder each: an existing file would raise the (modal) replace question.
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const std::unique_ptr<QFileDialog> dialog =
            NewSaveDialog(nullptr, "保存文本到文件", filters);
        dialog->setDirectory(dir.path());
        dialog->selectNameFilter(row.filter);
        dialog->selectFile(QString::fromUtf8(row.typed));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        QPushButton* save = buttons->button(QDialogButtonBox::Save);
        ASSERT_NE(save, nullptr);
        EXPECT_TRUE(save->isEnabled());
        save->click();  // the file does not exist yet, so nothing is asked
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
        ASSERT_EQ(dialog->selectedFiles().size(), 1);
        const QString path = QDir(dir.path()).filePath(QString::fromUtf8(row.written));
        EXPECT_EQ(dialog->selectedFiles()[0], path);
        ASSERT_TRUE(SavePaneText(dialog->selectedFiles()[0], "12=2^2×3"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  QStringList{QString::fromUtf8(row.written)});
    }
}

// Qt's file model would write "Folder", "txt File" and "7 Dec 2026 16:38:09" in the list.
TEST(SaveDialog, ListsTypesAndDatesInChinese) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    for (const char* name : {"a.txt", "README"}) {
        QFile file(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const std::unique_ptr<QFileDialog> dialog =
        NewSaveDialog(nullptr, "保存文本到文件", {"所有文件(*)"});
    dialog->setDirectory(dir.path());
    ASSERT_NE(dialog->proxyModel(), nullptr);
    auto* files = qobject_cast<QFileSystemModel*>(dialog->proxyModel()->sourceModel());
    ASSERT_NE(files, nullptr);
    const QModelIndex folder = dialog->proxyModel()->mapFromSource(files->index(dir.path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->proxyModel()->rowCount(folder) == 3; }));
    const struct {
        const char* name;
        const char* type;
    } rows[] = {{"a.txt", "txt 文件"}, {"README", "文件"}, {"sub", "文件夹"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QModelIndex name =
            dialog->proxyModel()->mapFromSource(files->index(QDir(dir.path()).filePath(row.name)));
        ASSERT_TRUE(name.isValid());
        EXPECT_EQ(name.siblingAtColumn(2).data().toString(), QString::fromUtf8(row.type));
        const QString date = name.siblingAtColumn(3).data().toString();
        const QDateTime modified = QFileInfo(QDir(dir.path()).filePath(row.name)).lastModified();
        EXPECT_EQ(
            date,
            QLocale(QLocale::Chinese, QLocale::China).toString(modified, QLocale::ShortFormat));
        EXPECT_FALSE(date.contains(QRegularExpression("[A-Za-z]"))) << date.toStdString();
    }
}

using FontChooserTest = TextToolsTest;

// The chooser lists installed faces only; it must be handed the one the pane really shows, not
// SimSun, which the pane asks for first and few machines have.
TEST_F(FontChooserTest, OpensOnThePanesFaceAndSize) {
    const struct {
        int page;
        int point_size;
    } rows[] = {{0, 18}, {2, 12}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.page);
        OutputPane* pane = Prepare(row.page, "12=2^2×3");
        platform.font_requests.clear();
        Menu().ChooseFont();
        ASSERT_EQ(platform.font_requests.size(), 1u);
        const QFont& initial = platform.font_requests[0];
        EXPECT_EQ(initial.families(), QStringList{QFontInfo(pane->font()).family()});
        EXPECT_TRUE(QFontDatabase::families().contains(initial.family()))
            << initial.family().toStdString();
        EXPECT_EQ(initial.pointSize(), row.point_size);
    }
}

}  // namespace
}  // namespace numerel::ui::testing
