#include "ui/pane/find_dialog.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include "text_tools_fixture.h"
#include "ui/pane/long_text_view.h"

namespace numerel::ui::testing {
namespace {

class FindDialogTest : public TextToolsTest {
protected:
    // Opens (or brings forward) the Find dialog over `page`'s pane holding `text`.
    void Open(int page, const QString& text) {
        Prepare(page, text);
        form->Menu()->OpenFind();
        ASSERT_NE(Dlg(), nullptr);
    }
    FindDialog* Dlg() const { return form->Menu()->ShownFindDialog(); }
    template <typename T>
    T* In(const char* name) const {
        T* widget = Dlg()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Text1() const { return In<QLineEdit>("Text1"); }
    QString Label2() const { return In<QLabel>("Label2")->text(); }
    void Up() { In<QRadioButton>("Option1")->click(); }
    void Down() { In<QRadioButton>("Option2")->click(); }
    // One click, and the wait for its answer (a long pane is searched on a thread of its own).
    void Next() {
        In<QPushButton>("OKButton")->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Dlg()->Searching(); }, 60000));
    }
    OutputPane* Current() const { return form->Pane(form->Tabs()->currentIndex()); }
    static bool IsRed(OutputPane* pane, int start, int length) {
        for (int i = start; i < start + length; ++i) {
            QTextCursor at(pane->document());
            at.setPosition(i + 1);  // the format of the character at i
            if (at.charFormat().foreground().color() != QColor(255, 0, 0)) return false;
        }
        return true;
    }

    // One click of a search sequence: the direction, then the 1-based hit (0: not found) with
    // the caption of Label2 afterwards.
    struct Step {
        bool down;
        int hit;
        const char* caption;
    };
    void RunSteps(const QString& s, const std::vector<Step>& steps) {
        Type(Text1(), s);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            SCOPED_TRACE("click " + std::to_string(i + 1));
            platform.messages.clear();
            step.down ? Down() : Up();
            Next();
            if (step.hit == 0) {
                ASSERT_EQ(platform.messages.size(), 1u);
                EXPECT_EQ(platform.messages[0],
                          (Message{"找不到'" + s.toStdString() + "'", "未找到",
                                   MessageIcon::Information, MessageButtons::Ok}));
            } else {
                EXPECT_TRUE(platform.messages.empty());
                EXPECT_EQ(Current()->textCursor().selectionStart(), step.hit - 1);
                EXPECT_EQ(Current()->SelectedText(), s);
                EXPECT_EQ(Dlg()->State().pos, step.hit);
                EXPECT_TRUE(IsRed(Current(), step.hit - 1, static_cast<int>(s.size())));
            }
            EXPECT_EQ(Label2(), step.caption);
        }
    }
};

TEST_F(FindDialogTest, LooksAsDesignedAndIsModelessOverTheMainWindow) {
    Open(2, "2 3 5");
    EXPECT_EQ(Dlg()->windowTitle(), "查找");
    EXPECT_FALSE(Dlg()->isModal());
    EXPECT_TRUE(Dlg()->isVisible());
    EXPECT_EQ(Dlg()->parentWidget(), form.get());
    EXPECT_EQ(In<QGroupBox>("Frame1")->title(), "查找方向");
    EXPECT_EQ(In<QRadioButton>("Option1")->text(), "向上");
    EXPECT_EQ(In<QRadioButton>("Option2")->text(), "向下");
    EXPECT_TRUE(In<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(In<QLabel>("Label1")->text(), "查找内容:");
    EXPECT_EQ(Text1()->toolTip(), "可以预先选中一个字符串");
    EXPECT_EQ(In<QPushButton>("OKButton")->text(), "查找下一个(&N)");
    EXPECT_EQ(In<QPushButton>("CancelButton")->text(), "取消(&C)");
    EXPECT_EQ(Label2(), "距离第一个");
}

TEST_F(FindDialogTest, DownToTheEndThenUpWithDistancesFromTheFirstHit) {
    Open(6, "abcabcabc");
    RunSteps("abc", {{true, 1, "距离第一个'abc'0 个字符"},
                     {true, 4, "距离第一个'abc'3 个字符"},
                     {true, 7, "距离第一个'abc'6 个字符"},
                     {true, 0, "距离第一个'abc'6 个字符"},
                     {false, 4, "距离第一个'abc'3 个字符"},
                     {false, 1, "距离第一个'abc'0 个字符"},
                     {false, 0, "距离第一个'abc'0 个字符"}});
}

TEST_F(FindDialogTest, OverlappingHitsOneAfterAnother) {
    Open(1, "aaaa");
    RunSteps("aa", {{true, 1, "距离第一个'aa'0 个字符"},
                    {true, 2, "距离第一个'aa'1 个字符"},
                    {true, 3, "距离第一个'aa'2 个字符"},
                    {true, 0, "距离第一个'aa'2 个字符"}});
}

TEST_F(FindDialogTest, UpRightAfterOpeningFindsNothingThenDownStartsAtTheTop) {
    Open(1, "abcabc");
    RunSteps("abc", {{false, 0, "距离第一个"}, {true, 1, "距离第一个'abc'0 个字符"}});
}

TEST_F(FindDialogTest, SearchIsCaseSensitive) {
    Open(1, "abcabc");
    RunSteps("ABC", {{true, 0, "距离第一个"}});
}

TEST_F(FindDialogTest, RepeatingBlockDistanceAcrossLinesAndChineseText) {
    Open(6, "商=\n0.142857142857");
    RunSteps("142857",
             {{true, 6, "距离第一个'142857'0 个字符"}, {true, 12, "距离第一个'142857'6 个字符"}});
    RunSteps("数", {{true, 0, "距离第一个'142857'6 个字符"}});
    Open(6, "素数\n素数");
    RunSteps("数", {{true, 2, "距离第一个'数'0 个字符"}, {true, 5, "距离第一个'数'3 个字符"}});
}

TEST_F(FindDialogTest, EditingTheSearchStringRestartsButChangingDirectionDoesNot) {
    Open(1, "abcabcabc");
    RunSteps("abc", {{true, 1, "距离第一个'abc'0 个字符"}, {true, 4, "距离第一个'abc'3 个字符"}});
    Type(Text1(), "bca");
    EXPECT_EQ(Dlg()->State().pos, 0);
    EXPECT_FALSE(Dlg()->State().first.has_value());
    EXPECT_EQ(Label2(), "距离第一个'abc'3 个字符");  // kept until the next hit
    RunSteps("bca", {{true, 2, "距离第一个'bca'0 个字符"}, {true, 5, "距离第一个'bca'3 个字符"}});
    Up();
    EXPECT_EQ(Dlg()->State().pos, 5);
    EXPECT_EQ(Dlg()->State().first, 2);
}

TEST_F(FindDialogTest, EmptySearchStringAdvancesOneCharacterAtATime) {
    Open(1, "ab");
    RunSteps("", {{true, 1, "距离第一个''0 个字符"},
                  {true, 2, "距离第一个''1 个字符"},
                  {true, 0, "距离第一个''1 个字符"},
                  {false, 1, "距离第一个''0 个字符"}});
    EXPECT_EQ(Current()->Text(), "ab");
    Open(1, "");
    RunSteps("", {{true, 0, "距离第一个''0 个字符"}});
}

TEST_F(FindDialogTest, EachClickSearchesThePaneOfTheCurrentPage) {
    Open(1, "x1x");
    form->Pane(2)->SetText("yyx");
    RunSteps("x", {{true, 1, "距离第一个'x'0 个字符"}});
    GoToPage(2);
    RunSteps("x", {{true, 3, "距离第一个'x'2 个字符"}});
}

TEST_F(FindDialogTest, OpensWithTheSelectionAndASecondOpenKeepsTheContents) {
    GoToPage(3);
    form->Pane(3)->SetText("3 5\n5 7");
    form->Pane(3)->Select(4, 3);
    form->Menu()->OpenFind();
    FindDialog* first = Dlg();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Text1()->text(), "5 7");
    Next();
    EXPECT_EQ(Label2(), "距离第一个'5 7'0 个字符");

    form->Pane(3)->Select(0, 1);
    form->Menu()->OpenFind();
    EXPECT_EQ(Dlg(), first);
    EXPECT_EQ(Text1()->text(), "5 7");
    EXPECT_EQ(Dlg()->State().pos, 5);

    In<QPushButton>("CancelButton")->click();
    EXPECT_EQ(Dlg(), nullptr);  // unloaded
    form->Menu()->OpenFind();
    ASSERT_NE(Dlg(), nullptr);
    EXPECT_EQ(Text1()->text(), "3");
    EXPECT_EQ(Label2(), "距离第一个");
    EXPECT_EQ(Dlg()->State().pos, 0);
}

TEST_F(FindDialogTest, EnterClicksFindNextAndEscapeCancels) {
    Open(1, "abab");
    // As when the user types into it: the dialog is the active window, not the main window
    // (whose Esc belongs to the page's cancel button).
    QApplication::setActiveWindow(Dlg());
    Type(Text1(), "ab");
    QTest::keyClick(Text1(), Qt::Key_Return);
    EXPECT_EQ(Dlg()->State().pos, 1);
    QTest::keyClick(Text1(), Qt::Key_Return);
    EXPECT_EQ(Dlg()->State().pos, 3);
    QTest::keyClick(Text1(), Qt::Key_Escape);
    EXPECT_EQ(Dlg(), nullptr);
}

}  // namespace
}  // namespace numerel::ui::testing

namespace numerel::ui::testing {
namespace {

// A pane too long for a rich-text document: the long-text view keeps Find's selection and red
// hits, copy, and the keys that move through the text; what would edit it stays grey.
TEST_F(FindDialogTest, ALongPaneKeepsFindCopyAndTheMovingKeys) {
    QString text;
    for (int i = 1; text.size() <= kLongPaneText; ++i) text += QString::number(i) + ' ';
    text += "\n末行";
    Open(2, text);
    OutputPane* pane = Current();
    ASSERT_TRUE(pane->IsLong());
    EXPECT_EQ(pane->Text(), text);
    EXPECT_TRUE(pane->isReadOnly());

    const int at = static_cast<int>(text.indexOf(" 4321 ")) + 1;
    Type(Text1(), "4321");
    Next();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Label2(), "距离第一个'4321'0 个字符");
    EXPECT_EQ(pane->SelectedText(), "4321");
    EXPECT_EQ(pane->LongView()->StyleAt(at).color, QColor(255, 0, 0));
    EXPECT_EQ(pane->LongView()->StyleAt(at + 4).color, std::nullopt);

    pane->setFocus();
    Menu().PrepareFor(2);
    EXPECT_FALSE(Menu().Popup()->findChild<QAction*>("EditCut")->isEnabled());
    EXPECT_FALSE(Menu().Popup()->findChild<QAction*>("EditPaste")->isEnabled());
    Menu().Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "4321");

    LongTextView* view = pane->LongView();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->CaretPosition(), text.size());
    EXPECT_GT(view->FirstVisibleLine(), 0);
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view->FirstVisibleLine(), 0);
    EXPECT_EQ(pane->SelectedText(), text);

    // A short text brings the editable pane back.
    pane->SetText("abc");
    EXPECT_FALSE(pane->IsLong());
    EXPECT_FALSE(pane->isReadOnly());
    EXPECT_EQ(pane->Text(), "abc");
}

// A stored result longer than 2^24 characters is shown whole: Find reaches an item far past that
// point, selects it and scrolls to it; a count and the length see all of it too.
TEST_F(FindDialogTest, FindsAnItemAfterTheFirst2To24CharactersOfAStoredResult) {
    GoToPage(2);
    QString whole;  // what the pane must show: every item, then the closing line
    const auto work = [&whole](ResultSink& sink, const ProgressFn&) -> std::optional<QString> {
        std::string items;
        for (int i = 1; i <= 2500000; ++i) items += std::to_string(i) + ' ';
        sink.Append(items);
        sink.NoteLine("末行");
        whole = QString::fromStdString(items) + "末行\n";
        return std::nullopt;
    };
    ASSERT_TRUE(form->Run().RunThroughResultFile(form->PageAt(2), form->Pane(2), 2, work));
    WaitForRun();
    OutputPane* pane = form->Pane(2);
    ASSERT_TRUE(pane->IsLong());
    ASSERT_GT(whole.size(), qsizetype{1} << 24);
    EXPECT_EQ(pane->TextLength(), whole.size());

    // "400000" is in 400000, 1400000 and 2400000, the last far past 2^24 characters.
    const int first = static_cast<int>(whole.indexOf(" 400000 ")) + 2;
    const int second = static_cast<int>(whole.indexOf(" 1400000 ")) + 3;
    const int third = static_cast<int>(whole.indexOf(" 2400000 ")) + 3;
    ASSERT_GT(third, 1 << 24);
    form->Menu()->OpenFind();
    Type(Text1(), "400000");
    Next();
    Next();
    Next();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Dlg()->State().pos, third);
    EXPECT_EQ(Label2(), "距离第一个'400000'" + QString::number(third - first) + " 个字符");
    EXPECT_EQ(pane->LongView()->SelectionStart(), third - 1);
    EXPECT_EQ(pane->SelectedText(), "400000");
    EXPECT_GT(pane->LongView()->FirstVisibleLine(), 0);
    EXPECT_EQ(pane->LongView()->StyleAt(third - 1).color, QColor(255, 0, 0));
    Up();
    Next();
    EXPECT_EQ(Dlg()->State().pos, second);
    Next();
    Next();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "找不到'400000'");
    platform.messages.clear();

    pane->setFocus();
    platform.text_answers.push_back(QString("99999"));
    form->Menu()->CountString();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text,
              "共找到 " + std::to_string(whole.count("99999")) + " 个'99999'");
}

}  // namespace
}  // namespace numerel::ui::testing
