#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

class Page0Test : public FormTest {
protected:
    QLineEdit* Text1() const { return Field("Text1"); }
    QPushButton* Command1() const { return Button("Command1"); }
    QPushButton* Command19() const { return Button("Command19"); }
    void EnterIn(QLineEdit* field) {
        QTest::keyClick(field, Qt::Key_Return);
        WaitForRun();
    }
};

TEST_F(Page0Test, EnterFactorsTwelveAndReportsTheTime) {
    Type(Text1(), "12");
    EXPECT_EQ(Label("Label18")->text(), "2");
    EnterIn(Text1());
    EXPECT_EQ(PaneText(0), "12=2^2×3");
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Picture1()->BarWidth(), form->Picture1()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
}

struct FactorCase {
    const char* name;
    const char* typed;
    const char* pane;
    const char* text1_after;
};

void PrintTo(const FactorCase& c, std::ostream* os) {
    *os << c.name;
}

class Page0FactorCases : public Page0Test, public ::testing::WithParamInterface<FactorCase> {};

TEST_P(Page0FactorCases, DefaultButtonFactorsAsTyped) {
    const FactorCase& c = GetParam();
    Type(Text1(), QString::fromUtf8(c.typed));
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(0), QString::fromUtf8(c.pane));
    EXPECT_EQ(Text1()->text(), QString::fromUtf8(c.text1_after));
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page0FactorCases,
    ::testing::Values(
        FactorCase{"One", "1", "1=既不是素数,也不是合数", "1"},
        FactorCase{"TwoPointZeroFromValue", "2.0", "2=素数", "2.0"},
        FactorCase{"TwelvePointZeroAsTyped", "12.0", "12.0=2^2×3", "12.0"},
        FactorCase{"TrailingLettersNotOnTheLeft", "12abc", "12=2^2×3", "12abc"},
        FactorCase{"ExpressionKeepsItsText", "2^128+1",
                   "2^128+1=59649589127497217×5704689200685129054721", "2^128+1"},
        FactorCase{"ThirtyNineDigitsRewritten", "340282366920938463463374607431768211457.5",
                   "340282366920938463463374607431768211457=59649589127497217×"
                   "5704689200685129054721",
                   "340282366920938463463374607431768211457"},
        FactorCase{"FortyOneDigitsFromAnExponent", "1e40",
                   "10000000000000000000000000000000000000000=2^40×5^40",
                   "10000000000000000000000000000000000000000"},
        FactorCase{"LargestBinary", "999999999999999", "999999999999999=3^3×31×37×41×271×2906161",
                   "999999999999999"},
        FactorCase{"SixteenDigitsRewritten", "1e16", "10000000000000000=2^16×5^16",
                   "10000000000000000"},
        FactorCase{"FractionDropped", "1000000000000000.7", "1000000000000000=2^15×5^15",
                   "1000000000000000"},
        FactorCase{"Largest", "79228162514264337593543950335",
                   "79228162514264337593543950335=3^2×5×7×13×17×97×193×241×257×673×65537×"
                   "22253377",
                   "79228162514264337593543950335"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page0Test, ButtonFollowsTheTypedValue) {
    struct Row {
        const char* typed;
        bool decimal;
    };
    for (const Row& row :
         {Row{"999999999999999", false}, Row{"1000000000000000", true},
          Row{"999999999999999.5", true}, Row{"-5", false}, Row{"", false}, Row{"10^15-1", false},
          Row{"10^15", true}, Row{"79228162514264337593543950336", true}, Row{"2^", true}}) {
        SCOPED_TRACE(row.typed);
        Type(Text1(), row.typed);
        EXPECT_EQ(Command19()->isHidden(), !row.decimal);
        EXPECT_EQ(Command1()->isHidden(), row.decimal);
        EXPECT_EQ(form->Keys().Default(), row.decimal ? Command19() : Command1());
    }
}

TEST_F(Page0Test, ReturningToThePageKeepsEnterOnTheButtonInView) {
    Type(Text1(), "1e16");
    GoToPage(1);
    GoToPage(0);
    EXPECT_EQ(form->Keys().Default(), Command19());
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(0), "10000000000000000=2^16×5^16");
    EXPECT_EQ(Text1()->text(), "10000000000000000");
}

TEST_F(Page0Test, NonNumberKeepsTheButtonAndTheCountEmptyingZeroesIt) {
    Type(Text1(), "1000000000000000");
    Type(Text1(), "1000000000000000x");
    EXPECT_FALSE(Command19()->isHidden());
    EXPECT_EQ(Label("Label18")->text(), "17");
    Type(Text1(), "");
    EXPECT_EQ(Label("Label18")->text(), "0");
    EXPECT_FALSE(Command1()->isHidden());
}

TEST_F(Page0Test, OverLimitShowsTheMessageAndWritesTheLargestValue) {
    // A numeral beyond the limit is refused as it is typed, an expression when it is run.
    for (const QString& typed : {QString("1") + QString(1000, '0'), QString("99999!")}) {
        SCOPED_TRACE(typed.left(10).toStdString());
        platform.messages.clear();
        Type(Text1(), "");
        Type(Text1(), typed);
        if (typed.endsWith('!')) {
            EXPECT_TRUE(platform.messages.empty());
            EnterIn(Text1());
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0],
                  (Message{"很抱歉!,最大只能到\r10^1000-1(1000位)", "输入超限",
                           MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(Text1()->text(), "10^1000-1");
        EXPECT_EQ(Label("Label18")->text(), "9");
        EXPECT_FALSE(Command19()->isHidden());
    }
}

TEST_F(Page0Test, ExpressionTypedKeyByKeyPassesThroughValuesBeyondTheLimit) {
    const QString typed = "1000!/998!";
    for (int length = 1; length <= typed.size(); ++length) Type(Text1(), typed.left(length));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Text1()->text(), typed);
    EnterIn(Text1());
    EXPECT_EQ(PaneText(0), "1000!/998!=2^3×3^3×5^3×37");
}

TEST_F(Page0Test, RejectedInputEmptiesFieldAndPane) {
    for (const char* typed : {"2.5", "0", "-7", "abc"}) {
        SCOPED_TRACE(typed);
        platform.messages.clear();
        form->Pane(0)->SetText("old");
        form->Run().ReportElapsed(0, 4);
        Type(Text1(), typed);
        Command1()->click();
        WaitForRun();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], (Message{"您输入的数不能分解,请重新输入.", "输入错误",
                                                 MessageIcon::Exclamation, MessageButtons::Ok}));
        EXPECT_EQ(Text1()->text(), "");
        EXPECT_EQ(PaneText(0), "");
        EXPECT_EQ(Status(), "用时4秒");  // no run started
    }
}

TEST_F(Page0Test, EmptyFieldOnTheLargeButtonDoesNothing) {
    Command19()->click();
    WaitForRun();
    EXPECT_EQ(PaneText(0), "");
    EXPECT_TRUE(platform.messages.empty());
}

// A long factorization shows what it has while it runs; Esc then leaves the proven primes and,
// marked as such, the part not yet split.
TEST_F(Page0Test, StopLeavesThePrimesFoundAndThePartNotYetSplit) {
    const QString typed =
        "12*30000000000000000000000000000000029*70000000000000000000000000000000027";
    const QString line =
        typed +
        "=2^2×3×[未分解:2100000000000000000000000000000002840000000000000000000000000000000783]";
    Type(Text1(), typed);
    form->Keys().PressEnter();
    ASSERT_TRUE(QTest::qWaitFor([&] { return PaneText(0).startsWith(line + "\n分解中"); }, 60000))
        << PaneText(0).toStdString();
    form->Keys().PressEscape();
    WaitForRun();
    EXPECT_EQ(PaneText(0), line);
    EXPECT_TRUE(Status().startsWith("已停止")) << Status().toStdString();
}

TEST_F(Page0Test, EscapeClearsThePageRightAfterStart) {
    Type(Text1(), "12");
    form->Keys().PressEnter();
    WaitForRun();
    QTest::keyClick(Text1(), Qt::Key_Escape);
    EXPECT_EQ(Text1()->text(), "");
    EXPECT_EQ(PaneText(0), "");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Picture1()->BarWidth(), 0);
}

TEST_F(Page0Test, ProgressDrawnOnlyWhenTicked) {
    Check3(0)->click();
    Type(Text1(), "999999999999989");
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(0), "999999999999989=素数");
    EXPECT_EQ(form->Picture1()->BarWidth(), form->Picture1()->BarFullWidth());
}

}  // namespace
}  // namespace numerel::ui::testing
