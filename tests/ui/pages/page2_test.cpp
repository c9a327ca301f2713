#include <QFileInfo>
#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

const Message kBoundsMessage{"请输入两个正整数!\r并且两数至少相差6.", "重新输入!",
                             MessageIcon::Exclamation, MessageButtons::Ok};

class Page2Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(2);
    }
    QLineEdit* Text4() const { return Field("Text4"); }
    QLineEdit* Text5() const { return Field("Text5"); }
    QPushButton* Command5() const { return Button("Command5"); }
    QPushButton* Command21() const { return Button("Command21"); }
    void TypeBounds(const char* from, const char* to) {
        Type(Text4(), QString::fromUtf8(from));
        Type(Text5(), QString::fromUtf8(to));
    }
    // The visible button is the default one, the other hidden.
    void ExpectButton(bool decimal) {
        EXPECT_EQ(Command21()->isHidden(), !decimal);
        EXPECT_EQ(Command5()->isHidden(), decimal);
        EXPECT_EQ(form->Keys().Default(), decimal ? Command21() : Command5());
    }
    bool ResultFileLeft() const { return QFileInfo::exists(dir.filePath("a.txt")); }
};

struct PrimesCase {
    const char* name;
    const char* from;
    const char* to;
    bool decimal;  // the Decimal96 button is the visible default
    const char* pane;
    const char* label6;
};

void PrintTo(const PrimesCase& c, std::ostream* os) {
    *os << c.name;
}

class Page2Primes : public Page2Test, public ::testing::WithParamInterface<PrimesCase> {};

TEST_P(Page2Primes, EnterListsThePrimes) {
    const PrimesCase& c = GetParam();
    TypeBounds(c.from, c.to);
    ExpectButton(c.decimal);
    QTest::keyClick(Text5(), Qt::Key_Return);
    WaitForRun();
    EXPECT_EQ(PaneText(2), QString::fromUtf8(c.pane));
    EXPECT_EQ(Label("Label6")->text(), QString::fromUtf8(c.label6));
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(ResultFileLeft());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page2Primes,
    ::testing::Values(PrimesCase{"OneToSeven", "1", "7", false, "2 3 5 7 ", "共4个"},
                      PrimesCase{"UpperEndSixKMinusOne", "1", "30", false,
                                 "2 3 5 7 11 13 17 19 23 29 ", "共10个"},
                      PrimesCase{"NoPrime", "90", "96", false, "此区间内没有素数", "共0个"},
                      PrimesCase{"SixteenDigitsNumberItems", "1000000000000000", "1000000000000100",
                                 true, " 1000000000000037  1000000000000091 ", "共2个"},
                      PrimesCase{"SixteenDigitsFirstFromAlignment", "1000000000000037",
                                 "1000000000000100", true, "1000000000000037  1000000000000091 ",
                                 "共2个"},
                      PrimesCase{"TopOfTheRange", "79228162514264337593543950235",
                                 "79228162514264337593543950335", true,
                                 " 79228162514264337593543950243  79228162514264337593543950249 "
                                 " 79228162514264337593543950319 ",
                                 "共3个"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page2Test, ButtonFollowsBothBounds) {
    struct Row {
        const char* from;
        const char* to;
        bool decimal;
    };
    for (const Row& row : {Row{"1", "999999999999999", false}, Row{"1", "1000000000000000", true},
                           Row{"1", "999999999999999.5", true}, Row{"", "1000000000000000", false},
                           Row{"1000000000000000", "", false}, Row{"1000000000000000", "7", true},
                           Row{"-1000000000000000", "7", false}}) {
        SCOPED_TRACE(std::string(row.from) + " / " + row.to);
        TypeBounds(row.from, row.to);
        ExpectButton(row.decimal);
    }
}

TEST_F(Page2Test, RejectedBoundsEmptyFieldsAndPane) {
    struct Row {
        const char* from;
        const char* to;
    };
    for (const Row& row :
         {Row{"10", "15"}, Row{"0", "10"}, Row{"1.5", "10"}, Row{"", ""}, Row{"20", "10"},
          // Whole in binary64 only after rounding; the exact reader refuses it on every page.
          Row{"1000000000000000", "1000000000000099.99999999999999x"},
          Row{"1000000000000000.5", "1000000000000100"}, Row{"0", "1000000000000100"}}) {
        SCOPED_TRACE(std::string(row.from) + " / " + row.to);
        platform.messages.clear();
        form->Pane(2)->SetText("old");
        form->Run().ReportElapsed(0, 4);
        TypeBounds(row.from, row.to);
        form->Keys().PressEnter();
        WaitForRun();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], kBoundsMessage);
        EXPECT_EQ(Text4()->text(), "");
        EXPECT_EQ(Text5()->text(), "");
        EXPECT_TRUE(Text4()->hasFocus());
        EXPECT_EQ(PaneText(2), "");
        EXPECT_EQ(Label("Label6")->text(), "共有");
        EXPECT_EQ(Status(), "计时(算)器");
        ExpectButton(false);
    }
}

TEST_F(Page2Test, NarrowLargeIntervalRaisesTheUpperBound) {
    struct Row {
        const char* from;
        const char* to;
        const char* raised;
    };
    for (const Row& row : {Row{"1000000000000000", "1000000000000005", "1000000000000006"},
                           Row{"1000000000000000", "3", "1000000000000006"},
                           Row{"999999999999999", "1000000000000000", "1000000000000005"}}) {
        SCOPED_TRACE(std::string(row.from) + " / " + row.to);
        platform.messages.clear();
        form->Pane(2)->SetText("old");
        TypeBounds(row.from, row.to);
        form->Keys().PressEnter();
        WaitForRun();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], (Message{"下边的数要比上边的至少大6", "重新输入",
                                                 MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(Text4()->text(), row.from);
        EXPECT_EQ(Text5()->text(), row.raised);
        EXPECT_EQ(PaneText(2), "old");
        ExpectButton(true);
    }
    // The raised bound is searched by the next press.
    platform.messages.clear();
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(PaneText(2), "此区间内没有素数");
}

TEST_F(Page2Test, LargeBoundsAreListedByTheLargeButton) {
    TypeBounds("79228162514264337593543950336", "79228162514264337593543950436");
    ExpectButton(true);
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_TRUE(platform.messages.empty());
    // primes([2^96, 2^96+100]) in PARI/GP.
    EXPECT_EQ(PaneText(2), " 79228162514264337593543950397  79228162514264337593543950417 ");
    EXPECT_EQ(Label("Label6")->text(), "共2个");
}

TEST_F(Page2Test, OverLimitWhileTypingEmptiesBothBounds) {
    TypeBounds("1000000000000000", "1e1000");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], (Message{"很抱歉!,最大只能到\r10^1000-1(1000位)", "输入超限",
                                             MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(Text4()->text(), "");
    EXPECT_EQ(Text5()->text(), "");
    ExpectButton(false);
}

TEST_F(Page2Test, OverLimitFoundByTheBinaryButtonEmptiesBothBounds) {
    // The lower bound is no Decimal96 number, so typing leaves Command5 in place.
    TypeBounds("12x", "1e30");
    ExpectButton(false);
    EXPECT_TRUE(platform.messages.empty());
    form->Keys().PressEnter();
    WaitForRun();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "输入超限");
    EXPECT_EQ(Text4()->text(), "");
    EXPECT_EQ(Text5()->text(), "");
    EXPECT_EQ(PaneText(2), "");
}

TEST_F(Page2Test, EmptyBoundOnTheLargeButtonDoesNothing) {
    form->Pane(2)->SetText("old");
    form->Run().ReportElapsed(0, 4);
    Type(Text5(), "1000000000000100");
    Command21()->click();
    WaitForRun();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(PaneText(2), "old");
    EXPECT_EQ(Status(), "用时4秒");
}

TEST_F(Page2Test, PageChangeAndEscapeClearThePage) {
    EXPECT_EQ(form->Keys().Default(), Command5());
    EXPECT_EQ(form->Keys().Cancel(), Button("Command6"));
    Check3(2)->click();
    EXPECT_TRUE(form->Progress()->isVisible());
    TypeBounds("1", "7");
    form->Keys().PressEnter();
    WaitForRun();
    ASSERT_EQ(PaneText(2), "2 3 5 7 ");
    QTest::keyClick(Text5(), Qt::Key_Escape);
    EXPECT_EQ(Text4()->text(), "");
    EXPECT_EQ(Text5()->text(), "");
    EXPECT_EQ(PaneText(2), "");
    EXPECT_EQ(Label("Label6")->text(), "共");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Progress()->BarWidth(), 0);
    EXPECT_TRUE(Text4()->hasFocus());
}

}  // namespace
}  // namespace numerel::ui::testing
