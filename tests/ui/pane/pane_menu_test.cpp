#include "ui/pane/pane_menu.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QTest>
#include <QTextCharFormat>
#include <QTextCursor>
#include <clocale>
#include <string>

#include "text_tools_fixture.h"
#include "ui/pane/find_dialog.h"

namespace numerel::ui::testing {
namespace {

QClipboard* Clipboard() {
    return QApplication::clipboard();
}

// The LC_CTYPE locale for one test, restored whatever the test does.
class CtypeLocale {
public:
    explicit CtypeLocale(const char* name) : old_(std::setlocale(LC_CTYPE, nullptr)) {
        ok_ = std::setlocale(LC_CTYPE, name) != nullptr;
    }
    ~CtypeLocale() { std::setlocale(LC_CTYPE, old_.c_str()); }
    bool ok() const { return ok_; }

private:
    std::string old_;
    bool ok_;
};

class PaneMenuTest : public TextToolsTest {
protected:
    QMenu* Popup() const { return Menu().Popup(); }
    QAction* Item(const char* name) const {
        auto* item = Popup()->findChild<QAction*>(name);
        EXPECT_NE(item, nullptr) << name;
        return item;
    }
    void Press(int pane, Qt::MouseButton button) {
        QTest::mousePress(form->Pane(pane)->viewport(), button, {}, QPoint(8, 8));
    }
    // A right click on the current page's pane, the menu closed again afterwards.
    void RightClick(int pane) {
        Press(pane, Qt::RightButton);
        ASSERT_TRUE(Popup()->isVisible());
        Popup()->hide();
    }
    QString SavePath(const QString& name) const { return QDir(dir.path()).filePath(name); }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(PaneMenuTest, ItemsCaptionsShortcutsAndSeparatorsInOrder) {
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
    } rows[] = {
        {"EditCut", "剪切(&X)", "Ctrl+X"},
        {"EditCopy", "复制(&C)", "Ctrl+C"},
        {"EditPaste", "粘贴(P)", "Ctrl+V"},
        {"EditDel", "删除(&D)", "Del"},
        {"heg", "", ""},
        {"EditFind1", "查找字符(&F)", "Ctrl+F"},
        {"EditFind2", "统计字符个数(&T)", "Ctrl+T"},
        {"EditFind3", "测字符串长(&L)", "Ctrl+L"},
        {"heg2", "", ""},
        {"EditSave", "保存(&S)", "Ctrl+S"},
        {"EditWordFont", "字体(&W)", "Ctrl+W"},
        {"EditSelAll", "全选(&A)", "Ctrl+A"},
    };
    const QList<QAction*> items = Popup()->actions();
    ASSERT_EQ(items.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        QAction* item = items[static_cast<qsizetype>(i)];
        EXPECT_EQ(item->objectName(), rows[i].name);
        EXPECT_EQ(item->isSeparator(), rows[i].caption[0] == '\0');
        EXPECT_EQ(item->text(), rows[i].caption);
        EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText), rows[i].shortcut);
        EXPECT_TRUE(item->isSeparator() || item->isShortcutVisibleInContextMenu());
    }
}

TEST_F(PaneMenuTest, OnlyTheRightButtonOpensTheMenuAndItFocusesThePane) {
    Prepare(1, "2=2");
    form->Tabs()->tabBar()->setFocus();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
        Press(1, button);
        QTest::mouseRelease(form->Pane(1)->viewport(), button, {}, QPoint(8, 8));
        EXPECT_FALSE(Popup()->isVisible()) << button;
    }
    form->Tabs()->tabBar()->setFocus();
    Press(1, Qt::RightButton);
    EXPECT_TRUE(Popup()->isVisible());
    EXPECT_EQ(form->focusWidget(), form->Pane(1));
    Popup()->hide();
}

TEST_F(PaneMenuTest, EnabledStatesAreDecidedAfreshAtEveryRightClick) {
    const char* const always[] = {"EditFind1", "EditFind2", "EditSave", "EditWordFont",
                                  "EditSelAll"};
    const struct {
        const char* name;
        int page;
        int selection_length;
        const char* clipboard;  // nullptr: clipboard holds only HTML
        bool cut, copy, paste, del, length;
    } rows[] = {
        {"no_selection_empty_clipboard", 1, 0, "", false, false, false, false, false},
        {"selection_and_clipboard_text", 1, 3, "42", true, true, true, true, true},
        {"same_pane_selection_gone", 1, 0, "42", false, false, true, false, false},
        {"clipboard_without_plain_text", 2, 2, nullptr, true, true, false, true, true},
        {"another_page", 6, 1, "", true, true, false, true, true},
        {"read_only_help_pane", 8, 4, "42", false, true, false, false, true},
        {"read_only_help_pane_no_selection", 8, 0, "42", false, false, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GoToPage(row.page);
        OutputPane* pane = form->Pane(row.page);
        pane->SetText("12=2^2×3");
        pane->Select(0, row.selection_length);
        if (row.clipboard != nullptr) {
            Clipboard()->setText(row.clipboard);
        } else {
            auto* html = new QMimeData;
            html->setHtml("<b>42</b>");
            Clipboard()->setMimeData(html);
        }
        RightClick(row.page);
        EXPECT_EQ(Item("EditCut")->isEnabled(), row.cut);
        EXPECT_EQ(Item("EditCopy")->isEnabled(), row.copy);
        EXPECT_EQ(Item("EditPaste")->isEnabled(), row.paste);
        EXPECT_EQ(Item("EditDel")->isEnabled(), row.del);
        EXPECT_EQ(Item("EditFind3")->isEnabled(), row.length);
        for (const char* name : always) EXPECT_TRUE(Item(name)->isEnabled()) << name;
    }
}

TEST_F(PaneMenuTest, EditingCommandsChangeTextAndClipboard) {
    using Handler = void (PaneMenu::*)();
    const struct {
        const char* name;
        Handler handler;
        const char* text;
        int start, length;
        const char* clipboard_before;
        const char* text_after;
        const char* clipboard_after;
        int caret_after;
    } rows[] = {
        {"cut", &PaneMenu::Cut, "12=2^2×3", 3, 3, "old", "12=×3", "2^2", 3},
        {"copy", &PaneMenu::Copy, "12=2^2×3", 3, 3, "old", "12=2^2×3", "2^2", 6},
        {"copy_across_lines", &PaneMenu::Copy, "2\n3\n5", 0, 3, "", "2\n3\n5", "2\n3", 3},
        {"paste_replaces_selection", &PaneMenu::Paste, "12=2^2×3", 3, 3, "4", "12=4×3", "4", 4},
        {"paste_at_caret", &PaneMenu::Paste, "ab", 1, 0, "素数", "a素数b", "素数", 3},
        {"paste_line_ends_become_lf", &PaneMenu::Paste, "", 0, 0, "1\r\n2\r3", "1\n2\n3",
         "1\r\n2\r3", 5},
        {"delete_leaves_clipboard", &PaneMenu::Delete, "12=2^2×3", 6, 2, "old", "12=2^2", "old", 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OutputPane* pane = Prepare(2, row.text, row.start, row.length);
        Clipboard()->setText(row.clipboard_before);
        (Menu().*row.handler)();
        EXPECT_EQ(pane->Text(), row.text_after);
        EXPECT_EQ(Clipboard()->text(), row.clipboard_after);
        EXPECT_FALSE(Clipboard()->mimeData()->hasHtml());
        EXPECT_EQ(pane->CaretPosition(), row.caret_after);
    }
}

TEST_F(PaneMenuTest, ItemsDoNothingWhileNoPaneHasTheFocus) {
    OutputPane* pane = Prepare(1, "12=2^2×3", 0, 2);
    form->Tabs()->tabBar()->setFocus();
    Clipboard()->setText("old");
    Menu().Copy();
    EXPECT_EQ(Clipboard()->text(), "old");
    Menu().Delete();
    Menu().Paste();
    Menu().CountString();
    Menu().MeasureSelection();
    Menu().Save();
    EXPECT_EQ(pane->Text(), "12=2^2×3");
    EXPECT_TRUE(platform.prompts.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.save_requests.empty());
    // Cut empties the clipboard before it looks for a pane.
    Menu().Cut();
    EXPECT_EQ(Clipboard()->text(), "");
    EXPECT_EQ(pane->Text(), "12=2^2×3");
}

TEST_F(PaneMenuTest, PasteTakesThePaneFontNotTheNeighboursLook) {
    OutputPane* pane = Prepare(2, "ab", 0, 2);
    QTextCharFormat loud;
    loud.setFontWeight(QFont::Bold);
    loud.setForeground(Qt::red);
    pane->mergeCurrentCharFormat(loud);
    pane->Select(2, 0);
    Clipboard()->setText("xy");
    Menu().Paste();
    ASSERT_EQ(pane->Text(), "abxy");
    QTextCursor at(pane->document());
    at.setPosition(4);  // the format of "y"
    EXPECT_NE(at.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(at.charFormat().foreground().style(), Qt::NoBrush);
}

TEST_F(PaneMenuTest, SelectAllSelectsTheWholeTextOrNothing) {
    for (const QString& text : {QString("2\n3\n5"), QString()}) {
        SCOPED_TRACE(text.toStdString());
        OutputPane* pane = Prepare(3, text);
        Menu().SelectAll();
        EXPECT_EQ(pane->textCursor().selectionStart(), 0);
        EXPECT_EQ(pane->SelectedText(), text);
    }
}

TEST_F(PaneMenuTest, CountAsksAndReportsEveryOccurrence) {
    const struct {
        const char* name;
        const char* text;
        std::optional<QString> answer;
        const char* message;  // nullptr: no message
    } rows[] = {
        {"overlapping", "aaaa", QString("aa"), "共找到 3 个'aa'"},
        {"chinese", "素数，素数和素数\n素数素数", QString("素"), "共找到 5 个'素'"},
        {"empty_answer", "aaaa", QString(""), nullptr},
        {"cancelled", "aaaa", std::nullopt, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.prompts.clear();
        platform.messages.clear();
        Prepare(4, row.text);
        platform.text_answers = {row.answer};
        Menu().CountString();
        ASSERT_EQ(platform.prompts.size(), 1u);
        EXPECT_EQ(platform.prompts[0].prompt, "\n\n\n\n 统计内容");
        EXPECT_EQ(platform.prompts[0].title, "Numerel");
        if (row.message == nullptr) {
            EXPECT_TRUE(platform.messages.empty());
        } else {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(
                platform.messages[0],
                (Message{row.message, "Numerel", MessageIcon::Information, MessageButtons::Ok}));
        }
    }
}

TEST_F(PaneMenuTest, LengthOfTheSelectionInCodeUnits) {
    const struct {
        const char* name;
        const char* text;
        int start, length;
        const char* message;
    } rows[] = {
        {"twelve_digits", "0.(142857142857)", 3, 12, "您选中的字符串长为:\r\n12"},
        {"chinese_counts_one_each", "此区间内没有素数", 4, 4, "您选中的字符串长为:\r\n4"},
        {"line_break_counts_one", "2\n3", 0, 3, "您选中的字符串长为:\r\n3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.messages.clear();
        Prepare(6, row.text, row.start, row.length);
        Menu().MeasureSelection();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], (Message{row.message, "测字符串长",
                                                 MessageIcon::Information, MessageButtons::Ok}));
    }
}

TEST_F(PaneMenuTest, SaveWritesThePlainTextWithCrLfLineEnds) {
    CtypeLocale utf8("C.UTF-8");
    ASSERT_TRUE(utf8.ok());
    const struct {
        const char* name;
        const char* text;
        const char* file;
        QByteArray bytes;
    } rows[] = {
        {"doc_holds_the_same_plain_text", "此区间内没有孪生素数对", "r.doc",
         "\xE6\xAD\xA4\xE5\x8C\xBA\xE9\x97\xB4\xE5\x86\x85\xE6\xB2\xA1\xE6\x9C\x89"
         "\xE5\xAD\xAA\xE7\x94\x9F\xE7\xB4\xA0\xE6\x95\xB0\xE5\xAF\xB9\r\n"},
        {"every_line_end_is_crlf", "3 5\n5 7\n", "r.txt", "3 5\r\n5 7\r\n\r\n"},
        {"empty_pane", "", "empty.txt", "\r\n"},
        {"overwrites_an_old_file", "4=2^2", "r.txt", "4=2^2\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.save_requests.clear();
        Prepare(3, row.text);
        platform.save_answer = SavePath(row.file);
        Menu().Save();
        ASSERT_EQ(platform.save_requests.size(), 1u);
        EXPECT_EQ(platform.save_requests[0].title, "保存文本到文件");
        EXPECT_EQ(platform.save_requests[0].filters,
                  (QStringList{"文本文件(*.txt)", "word文档(*.doc)"}));
        EXPECT_EQ(Contents(SavePath(row.file)), row.bytes);
    }
    EXPECT_TRUE(platform.messages.empty());
}

// A long calculator result is written by a thread of its own; the file must still hold all of it.
TEST_F(PaneMenuTest, ALongPaneIsSavedWholeInTheBackground) {
    CtypeLocale utf8("C.UTF-8");
    ASSERT_TRUE(utf8.ok());
    const QString digits = QString("142857").repeated(10000);
    ASSERT_TRUE(Prepare(6, digits)->IsLong());
    platform.save_answer = SavePath("long.txt");
    Menu().Save();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(SavePath("long.txt")); }));
    EXPECT_EQ(Contents(SavePath("long.txt")), digits.toUtf8() + "\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PaneMenuTest, CancelledSaveWritesNothing) {
    Prepare(3, "3 5");
    platform.save_answer = std::nullopt;
    Menu().Save();
    EXPECT_EQ(platform.save_requests.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PaneMenuTest, FailedSaveSaysSoAndCreatesNothing) {
    Prepare(3, "3 5");
    const QString path = SavePath("no-such-folder/r.txt");
    platform.save_answer = path;
    Menu().Save();
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (Message{"无法保存到文件:\r\n" + path.toStdString(), "保存文本到文件",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
}

TEST_F(PaneMenuTest, FontNameAndSizeForThePaneStyleAndColourForTheSelection) {
    OutputPane* pane = Prepare(2, "12=2^2×3", 3, 3);
    QFont chosen("Noto Sans CJK SC");
    chosen.setPointSize(20);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    platform.font_answer = FontChoice{chosen, QColor(0, 0, 255)};
    Menu().ChooseFont();

    ASSERT_EQ(platform.font_requests.size(), 1u);
    EXPECT_EQ(platform.font_requests[0].pointSize(), 12);
    EXPECT_EQ(pane->font().families(), QStringList{"Noto Sans CJK SC"});
    EXPECT_EQ(pane->font().pointSize(), 20);
    const auto format_of = [&](int position) {
        QTextCursor at(pane->document());
        at.setPosition(position);
        return at.charFormat();  // of the character before `position`
    };
    const QTextCharFormat outside = format_of(1);
    const QTextCharFormat inside = format_of(5);
    EXPECT_EQ(outside.fontFamilies().toStringList(), QStringList{"Noto Sans CJK SC"});
    EXPECT_EQ(outside.fontPointSize(), 20);
    EXPECT_NE(outside.fontWeight(), QFont::Bold);
    EXPECT_FALSE(outside.fontItalic());
    EXPECT_FALSE(outside.fontUnderline());
    EXPECT_EQ(inside.fontPointSize(), 20);
    EXPECT_EQ(inside.fontWeight(), QFont::Bold);
    EXPECT_TRUE(inside.fontItalic());
    EXPECT_TRUE(inside.fontUnderline());
    EXPECT_FALSE(inside.fontStrikeOut());
    EXPECT_EQ(inside.foreground().color(), QColor(0, 0, 255));

    // Cancelled: nothing changes.
    platform.font_answer = std::nullopt;
    Menu().ChooseFont();
    EXPECT_EQ(pane->font().pointSize(), 20);
    EXPECT_EQ(format_of(5).fontWeight(), QFont::Bold);
}

TEST_F(PaneMenuTest, ShortcutsActInTheFocusedPaneWhileTheMenuIsClosed) {
    OutputPane* pane = Prepare(5, "6=1+2+3", 2, 5);
    QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->text(), "1+2+3");
    EXPECT_FALSE(Clipboard()->mimeData()->hasHtml());

    QTest::keyClick(pane, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "您选中的字符串长为:\r\n5");

    QTest::keyClick(pane, Qt::Key_Delete);
    EXPECT_EQ(pane->Text(), "6=");
    // Without a selection Ctrl+L stays grey and Del deletes the next character as usual.
    pane->Select(0, 0);
    QTest::keyClick(pane, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(platform.messages.size(), 1u);
    QTest::keyClick(pane, Qt::Key_Delete);
    EXPECT_EQ(pane->Text(), "=");

    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pane->Text(), "1+2+3=");
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(pane->SelectedText(), "1+2+3=");
    QTest::keyClick(pane, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(pane->Text(), "");

    QTest::keyClick(pane, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(platform.prompts.size(), 1u);
    QTest::keyClick(pane, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.save_requests.size(), 1u);
    QTest::keyClick(pane, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(platform.font_requests.size(), 1u);
    QTest::keyClick(pane, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(Menu().ShownFindDialog(), nullptr);
    EXPECT_TRUE(Menu().ShownFindDialog()->isVisible());
}

TEST_F(PaneMenuTest, ReadOnlyHelpPaneKeepsItsTextAgainstEditingKeys) {
    GoToPage(8);
    OutputPane* pane = form->Pane(8);
    ASSERT_TRUE(pane->isReadOnly());
    const QString help = "帮助文本";
    pane->SetText(help);
    pane->setFocus();
    Clipboard()->setText("x");
    pane->Select(0, 2);
    QTest::keyClick(pane, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_Delete);
    EXPECT_EQ(pane->Text(), help);
    EXPECT_EQ(Clipboard()->text(), "x");
    QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->text(), help.left(2));
}

}  // namespace
}  // namespace numerel::ui::testing
