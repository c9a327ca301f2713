#include <QDir>
#include <QStringList>
#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

const Message kNotInteger{"请输入两个整数!", "输入错误", MessageIcon::Exclamation,
                          MessageButtons::Ok};
const Message kOverLimit{"很抱歉!,最大只能到\r10^1000-1(1000位)", "输入超限",
                         MessageIcon::Exclamation, MessageButtons::Ok};

class Page5Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(5);
    }
    QLineEdit* Text16() const { return Field("Text16"); }
    QLineEdit* Text17() const { return Field("Text17"); }
    QLineEdit* Text9() const { return Field("Text9"); }
    QPushButton* Command15() const { return Button("Command15"); }
    QPushButton* Command20() const { return Button("Command20"); }
    void Fill(const char* from, const char* to) {
        Type(Text16(), QString::fromUtf8(from));
        Type(Text17(), QString::fromUtf8(to));
    }
    void Search(const char* from, const char* to) {
        Fill(from, to);
        QTest::keyClick(Text17(), Qt::Key_Return);
        WaitForRun();
    }
    // Which button stands in the shared place; checks that it is the only one and the default.
    QPushButton* VisibleButton() const {
        EXPECT_NE(Command15()->isHidden(), Command20()->isHidden());
        QPushButton* shown = Command15()->isHidden() ? Command20() : Command15();
        EXPECT_EQ(form->Keys().Default(), shown);
        return shown;
    }
    bool ResultFileLeft() const { return QDir(dir.path()).exists("a.txt"); }
};

TEST_F(Page5Test, PageChangeSetsFocusDefaultAndCancel) {
    EXPECT_EQ(form->focusWidget(), Text16());
    EXPECT_EQ(form->Keys().Default(), Command15());
    EXPECT_EQ(form->Keys().Cancel(), Button("Command16"));
    EXPECT_TRUE(Command20()->isHidden());
}

struct SearchCase {
    const char* name;
    const char* from;
    const char* to;
    bool perfect_only;
    const char* pane;
    const char* text9;
    const char* text16_after;
    const char* text17_after;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.name;
}

class Page5Searches : public Page5Test, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Page5Searches, ListsDivisorsAndSummary) {
    const SearchCase& c = GetParam();
    if (c.perfect_only) Find<QCheckBox>("Check4")->click();
    Search(c.from, c.to);
    EXPECT_EQ(PaneText(5), QString::fromUtf8(c.pane));
    EXPECT_EQ(Text9()->text(), QString::fromUtf8(c.text9));
    EXPECT_EQ(Text16()->text(), QString::fromUtf8(c.text16_after));
    EXPECT_EQ(Text17()->text(), QString::fromUtf8(c.text17_after));
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Picture1()->BarWidth(), form->Picture1()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(ResultFileLeft());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page5Searches,
    ::testing::Values(
        SearchCase{"SixIsPerfect", "6", "7", false,
                   " 6 的因数有:(1,6)(2,3)●6是完全数\n\n 7 的因数有:(1,7)\n", "6、共1个", "6", "7"},
        SearchCase{"NoPerfectNumber", "7", "8", false,
                   " 7 的因数有:(1,7)\n 8 的因数有:(1,8)(2,4)\n", "共0个", "7", "8"},
        SearchCase{"EqualBoundsWidened", "9", "9", false,
                   " 9 的因数有:(1,9)(3,3)\n 10 的因数有:(1,10)(2,5)\n", "共0个", "9", "10"},
        SearchCase{"ReversedBoundsWidened", "10", "4", false,
                   " 10 的因数有:(1,10)(2,5)\n 11 的因数有:(1,11)\n", "共0个", "10", "11"},
        SearchCase{"EmptyFieldsReadAsZero", "", "", false, " 2 的因数有:(1,2)\n 3 的因数有:(1,3)\n",
                   "共0个", "2", "3"},
        SearchCase{"NegativeLowerBecomesTwo", "-5", "3", false,
                   " 2 的因数有:(1,2)\n 3 的因数有:(1,3)\n", "共0个", "2", "3"},
        SearchCase{"PerfectOnlyFromOne", "1", "30", true, "●6是完全数\n●28是完全数\n",
                   "6、28、共2个", "2", "30"},
        SearchCase{"PerfectOnlyUpToFiveHundred", "1", "500", true,
                   "●6是完全数\n●28是完全数\n●496是完全数\n", "6、28、496、共3个", "2", "500"},
        SearchCase{"PerfectOnlyNothingFound", "29", "100", true, "", "共0个", "29", "100"},
        SearchCase{"FourthPerfectNumber", "8100", "8200", true, "●8128是完全数\n", "8128、共1个",
                   "8100", "8200"},
        SearchCase{"FifthPerfectNumber", "33550300", "33550400", true, "●33550336是完全数\n",
                   "33550336、共1个", "33550300", "33550400"},
        // Above 15 digits Command20 runs; the repair is shown in Text17.
        SearchCase{"LargePathWidened", "1000000000003357", "1000000000003357", false,
                   " 1000000000003357 的因数有:(1,1000000000003357)\n"
                   " 1000000000003358 的因数有:(1,1000000000003358)(2,500000000001679)\n",
                   "共0个", "1000000000003357", "1000000000003358"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page5Test, LargeSearchSeparatesTheSummaryWithCommas) {
    Find<QCheckBox>("Check4")->click();
    Fill("1", "30");
    Command20()->click();
    WaitForRun();
    EXPECT_EQ(PaneText(5), "●6是完全数\n●28是完全数\n");
    EXPECT_EQ(Text9()->text(), "6,28,共2个");
    EXPECT_EQ(Text16()->text(), "2");
}

// Beyond 2^96 - 1 the large button reads expressions exactly, repairs the bounds at any size and
// lists what it finds in the Decimal96 path's form.
TEST_F(Page5Test, LargeBoundsRunExactly) {
    const std::string perfect =
        "14474011154664524427946373126085988481573677491474835889066354349131199152128";
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        bool perfect_only;
        std::string pane;
        std::string text9;
        const char* text17_after;
    };
    const Row rows[] = {
        {"PerfectOnlyExpression", "2^126*(2^127-1)", "2^126*(2^127-1)+1", true,
         "●" + perfect + "是完全数\n", perfect + ",共1个", "2^126*(2^127-1)+1"},
        // The repair of the largest 29-digit bound writes 2^96 into the upper field.
        {"RepairToTwoTo96", "79228162514264337593543950335", "79228162514264337593543950335", false,
         " 79228162514264337593543950336 的因数有:(1,79228162514264337593543950336)"
         "(2,39614081257132168796771975168)",
         "共0个", "79228162514264337593543950336"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (Find<QCheckBox>("Check4")->isChecked() != row.perfect_only)
            Find<QCheckBox>("Check4")->click();
        Search(row.from, row.to);
        ASSERT_EQ(VisibleButton(), Command20());
        EXPECT_NE(PaneText(5).toStdString().find(row.pane), std::string::npos);
        EXPECT_EQ(Text9()->text().toStdString(), row.text9);
        EXPECT_EQ(Text17()->text(), row.text17_after);
    }
}

TEST_F(Page5Test, ChangeReactionPicksTheButtonFromBothFields) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        bool decimal;
    };
    for (const Row& row : {Row{"BothSmall", "999999999999999", "999999999999999", false},
                           Row{"UpperLarge", "6", "1000000000000000", true},
                           Row{"LowerLarge", "1000000000000000", "1", true},
                           Row{"FractionAboveLimit", "1", "999999999999999.5", true},
                           Row{"LowerEmpty", "", "1000000000000000", false},
                           Row{"UpperEmpty", "1000000000000000", "", false},
                           Row{"NegativeSmall", "-5", "0", false}}) {
        SCOPED_TRACE(row.name);
        Fill(row.from, row.to);
        EXPECT_EQ(VisibleButton(), row.decimal ? Command20() : Command15());
    }
}

TEST_F(Page5Test, NonNumberKeepsTheButton) {
    Fill("6", "1000000000000000");
    ASSERT_EQ(VisibleButton(), Command20());
    Type(Text16(), "6x");
    EXPECT_EQ(VisibleButton(), Command20());
    EXPECT_EQ(Label("Label35")->text(), "2");
}

TEST_F(Page5Test, DigitCountsFollowBothFields) {
    Type(Text16(), "123");
    EXPECT_EQ(Label("Label35")->text(), "3");
    EXPECT_EQ(Label("Label36")->text(), "0");
    Type(Text17(), "12345");
    EXPECT_EQ(Label("Label36")->text(), "5");
    // A change of Text17 runs Text16's reaction too, which rewrites Text16's count.
    Label("Label35")->setText("x");
    Type(Text17(), "1234");
    EXPECT_EQ(Label("Label35")->text(), "3");
    EXPECT_EQ(Label("Label36")->text(), "4");
    Type(Text16(), "");
    EXPECT_EQ(Label("Label35")->text(), "0");
    EXPECT_EQ(Label("Label36")->text(), "4");
}

TEST_F(Page5Test, OverLimitInAFieldEmptiesBoth) {
    Fill("5", "1e1000");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kOverLimit);
    EXPECT_EQ(Text16()->text(), "");
    EXPECT_EQ(Text17()->text(), "");
    EXPECT_EQ(Label("Label35")->text(), "0");
    EXPECT_EQ(Label("Label36")->text(), "0");
    EXPECT_EQ(VisibleButton(), Command15());
}

TEST_F(Page5Test, RejectedBoundsStartNoRun) {
    struct Row {
        const char* name;
        const char* typed_first;  // Text16 before the button was picked, or nullptr
        const char* from;
        const char* to;
        Message message;
        bool fields_kept;
    };
    const Row rows[] = {
        {"FractionLower", nullptr, "2.5", "10", kNotInteger, true},
        {"FractionUpper", nullptr, "2", "10.25", kNotInteger, true},
        // Command20 stays after the lower bound became a non-number; it reads the whole text.
        {"LargePathNonNumber", "1", "1000000000000000x", "1000000000000000", kNotInteger, true},
        // Command15 stays for a numeral with trailing text; its value is read exactly.
        {"BinaryPathBeyondTheLimit", nullptr, "1", "1e1000x", kOverLimit, false},
        // Widening the largest lower bound would pass 1000 digits.
        {"LargestLowerBound", nullptr, "10^1000-1", "10^1000-1", kOverLimit, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Type(Text16(), "");
        Type(Text17(), "");
        if (row.typed_first != nullptr) Type(Text16(), row.typed_first);
        Type(Text17(), row.to);
        Type(Text16(), row.from);
        platform.messages.clear();
        form->Pane(5)->SetText("old");
        Text9()->setText("old");
        form->Run().ReportElapsed(0, 4);
        Text17()->setFocus();
        form->Keys().PressEnter();
        WaitForRun();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], row.message);
        EXPECT_EQ(Text16()->text(), row.fields_kept ? row.from : "");
        EXPECT_EQ(Text17()->text(), row.fields_kept ? row.to : "");
        EXPECT_EQ(PaneText(5), "old");
        EXPECT_EQ(Text9()->text(), "old");
        EXPECT_EQ(Status(), "计时(算)器");
        if (row.fields_kept)
            EXPECT_EQ(form->focusWidget(), Text16());
        else
            EXPECT_EQ(VisibleButton(), Command15());
    }
}

TEST_F(Page5Test, ProgressTickedEndsWithAFullBar) {
    Check3(6)->click();
    ASSERT_FALSE(form->Picture1()->isHidden());
    Search("6", "7");
    EXPECT_EQ(PaneText(5), " 6 的因数有:(1,6)(2,3)●6是完全数\n\n 7 的因数有:(1,7)\n");
    EXPECT_EQ(form->Picture1()->BarWidth(), form->Picture1()->BarFullWidth());
    EXPECT_FALSE(ResultFileLeft());
}

TEST_F(Page5Test, EscapeClearsInTheDesignedOrder) {
    Search("6", "7");
    ASSERT_EQ(Text9()->text(), "6、共1个");
    QStringList order;
    QObject::connect(form->Pane(5), &QTextEdit::textChanged, [&] { order << "RichTextBox1_5"; });
    for (QLineEdit* field : {Text16(), Text9(), Text17()})
        QObject::connect(field, &QLineEdit::textChanged,
                         [&order, field] { order << field->objectName(); });
    Text17()->setFocus();
    form->Keys().PressEscape();
    EXPECT_EQ(order, QStringList({"RichTextBox1_5", "Text16", "Text9", "Text17"}));
    EXPECT_EQ(PaneText(5), "");
    EXPECT_EQ(Text9()->text(), "");
    EXPECT_EQ(Label("Label35")->text(), "0");
    EXPECT_EQ(Label("Label36")->text(), "0");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Picture1()->BarWidth(), 0);
    EXPECT_EQ(form->focusWidget(), Text16());
    EXPECT_EQ(VisibleButton(), Command15());
}

}  // namespace
}  // namespace numerel::ui::testing
