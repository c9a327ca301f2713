#include <QApplication>
#include <QTest>
#include <optional>
#include <vector>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

const char* const kDivisionPrompt =
    "在下面文本框中输入您希望达到的精确度位数.\r\n不能超过 2,147,483,648 位\r\n\r\n"
    "如果希望运算到直至出现循环为止,在文本框中输入 0 ";
const char* const kSqrtPrompt =
    "在下面文本框中输入您希望达到的精确度位数.\r\n不能超过 999,999,999,999,999 位";

const Message kNotice{"请点击 '确定',然后设定精确度", "设定精确度", MessageIcon::None,
                      MessageButtons::Ok};
const Message kZeroDivisor{"除数为零!", "除数为零!", MessageIcon::Exclamation, MessageButtons::Ok};

enum Button { kAdd, kSub, kMul, kDiv, kPow, kQuot, kMod, kSqrt, kFact };

class Page6Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(6);
    }
    QLineEdit* Text22() const { return Field("Text22"); }
    QLineEdit* Text23() const { return Field("Text23"); }
    QPushButton* Command27(int i) const { return Button(QString("Command27_%1").arg(i)); }
    // A finished earlier run, so that a click that reports nothing is visible.
    void EarlierRun() {
        form->Pane(6)->SetText("old");
        form->Run().ReportElapsed(0, 4);
    }
};

// How the precision prompt of the row appears.
enum class Ask { None, Division, Sqrt };

struct CalcCase {
    const char* name;
    int button;
    const char* a;
    const char* b;
    Ask ask;
    std::optional<const char*> answer;  // nullopt: the input box is cancelled
    const char* a_after;
    const char* b_after;
    const char* pane;
    bool zero_divisor;
};

void PrintTo(const CalcCase& c, std::ostream* os) {
    *os << c.name;
}

class Page6Runs : public Page6Test, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(Page6Runs, ClickWritesBackComputesAndReportsTheTime) {
    const CalcCase& c = GetParam();
    EarlierRun();
    Type(Text22(), QString::fromUtf8(c.a));
    Type(Text23(), QString::fromUtf8(c.b));
    if (c.answer) platform.text_answers.push_back(QString::fromUtf8(*c.answer));
    platform.clock_step = 2;
    Command27(c.button)->click();
    WaitForRun();

    EXPECT_EQ(Text22()->text(), QString::fromUtf8(c.a_after));
    EXPECT_EQ(Text23()->text(), QString::fromUtf8(c.b_after));
    EXPECT_EQ(Label("Label45")->text(), QString::number(QString::fromUtf8(c.a_after).length()));
    EXPECT_EQ(Label("Label46")->text(), QString::number(QString::fromUtf8(c.b_after).length()));
    EXPECT_EQ(PaneText(6), QString::fromUtf8(c.pane));
    EXPECT_EQ(Status(), "用时2秒");

    std::vector<Message> expected_messages;
    if (c.ask != Ask::None) expected_messages.push_back(kNotice);
    if (c.zero_divisor) expected_messages.push_back(kZeroDivisor);
    EXPECT_EQ(platform.messages, expected_messages);
    if (c.ask == Ask::None) {
        EXPECT_TRUE(platform.prompts.empty());
    } else {
        ASSERT_EQ(platform.prompts.size(), 1u);
        EXPECT_EQ(platform.prompts[0].prompt,
                  QString::fromUtf8(c.ask == Ask::Division ? kDivisionPrompt : kSqrtPrompt));
        EXPECT_EQ(platform.prompts[0].title, c.ask == Ask::Division ? "设定精确度" : "Numerel");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Page6Runs,
    ::testing::Values(
        CalcCase{"AddDropsOneMinus", kAdd, "-12", "5", Ask::None, {}, "12", "5", "17", false},
        CalcCase{"AddWithEmptyB", kAdd, "2", "", Ask::None, {}, "2", "", "2", false},
        CalcCase{"SubSwapsTheSmallerA", kSub, "3", "-10", Ask::None, {}, "10", "3", "7", false},
        CalcCase{"MulDecimals", kMul, "1.5", "1.5", Ask::None, {}, "1.5", "1.5", "2.25", false},
        CalcCase{"DivToFiveDigits", kDiv, "1", "3", Ask::Division, "5", "1", "3", "0.33333", false},
        CalcCase{"DivUntilRepeat", kDiv, "22", "7", Ask::Division, "0", "22", "7",
                 "3.142857142857142857142857142857142857142857142857", false},
        CalcCase{"DivPromptCancelled", kDiv, "1", "3", Ask::Division, {}, "1", "3", "", false},
        CalcCase{"DivByZero", kDiv, "5", "0", Ask::None, {}, "5", "0", "", true},
        CalcCase{"PowCutsB", kPow, "2", "10.9", Ask::None, {}, "2", "10", "1024", false},
        CalcCase{"QuotCutsBoth", kQuot, "17.8", "5.2", Ask::None, {}, "17", "5", "3", false},
        CalcCase{"ModCutsBoth", kMod, "17.8", "5.2", Ask::None, {}, "17", "5", "2", false},
        CalcCase{"QuotByZeroShowsNothing", kQuot, "7", "0", Ask::None, {}, "7", "0", "", true},
        CalcCase{"ModOfAFractionBelowOne", kMod, ".4", "5", Ask::None, {}, "0", "5", "0", false},
        CalcCase{"SqrtToTenDecimals", kSqrt, "2", "", Ask::Sqrt, "10", "2", "", "1.4142135623",
                 false},
        CalcCase{"FactorialOf25",
                 kFact,
                 "25",
                 "",
                 Ask::None,
                 {},
                 "25",
                 "",
                 "15511210043330985984000000",
                 false},
        CalcCase{"FactorialCutsA", kFact, "5.5", "", Ask::None, {}, "5", "", "120", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page6Test, LimitsAndBadOperandsStopWithoutResultOrTime) {
    struct Row {
        const char* name;
        int button;
        const char* a;
        const char* b;
        Message message;
    };
    const Row rows[] = {
        {"PowerAboveInt32",
         kPow,
         "2",
         "3000000000",
         {"次数太大,请小于 2147483647 ", "超出范围", MessageIcon::Exclamation, MessageButtons::Ok}},
        {"FactorialAboveInt32",
         kFact,
         "2147483648",
         "",
         {"A最大2,147,483,647", "Numerel", MessageIcon::Exclamation, MessageButtons::Ok}},
        {"LetterInA",
         kAdd,
         "12a",
         "1",
         {"A只能由数字和一个小数点组成", "输入错误", MessageIcon::Exclamation, MessageButtons::Ok}},
        {"SecondMinusInB",
         kMul,
         "3",
         "--4",
         {"B只能由数字和一个小数点组成", "输入错误", MessageIcon::Exclamation, MessageButtons::Ok}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform.messages.clear();
        EarlierRun();
        Type(Text22(), QString::fromUtf8(row.a));
        Type(Text23(), QString::fromUtf8(row.b));
        Command27(row.button)->click();
        WaitForRun();
        EXPECT_EQ(platform.messages, std::vector<Message>{row.message});
        EXPECT_EQ(PaneText(6), "old");
        EXPECT_EQ(Status(), "用时4秒");
    }
}

TEST_F(Page6Test, HugeResultsAreRefusedOrConfirmed) {
    EarlierRun();
    Type(Text22(), "2147483647");
    Command27(kFact)->click();
    WaitForRun();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "超出范围");
    EXPECT_TRUE(QString::fromStdString(platform.messages[0].text).endsWith("位的上限"));

    platform.messages.clear();
    platform.message_answers.push_back(false);  // Cancel
    Type(Text22(), "10");
    Type(Text23(), "20000000");
    Command27(kPow)->click();
    WaitForRun();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (Message{"结果约有 20,000,001 位,计算需要较长时间和大量内存.\r\n要继续吗?",
                       "结果很大", MessageIcon::Exclamation, MessageButtons::OkCancel}));
    EXPECT_EQ(PaneText(6), "old");
    EXPECT_EQ(Status(), "用时4秒");
}

TEST_F(Page6Test, BothEmptyDoesNothingOnEveryButton) {
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EarlierRun();
        Type(Text22(), "-");
        Type(Text23(), "-");
        Command27(i)->click();
        WaitForRun();
        EXPECT_EQ(Text22()->text(), "");
        EXPECT_EQ(Text23()->text(), "");
        EXPECT_EQ(PaneText(6), "old");
        EXPECT_EQ(Status(), "用时4秒");
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(platform.prompts.empty());
    }
}

TEST_F(Page6Test, ButtonsCarryTheirCaptionsAndTooltips) {
    const char* const expected[9][2] = {
        {"A+B", ""},
        {"A－B", ""},
        {"A×B", ""},
        {"A/B", "除法运算"},
        {"A^B", "求A的B(整数)次幂"},
        {"A\\B", "求A除以B商的整数部分(A、B都是整数)"},
        {"A mod B", "A除以B的余数(A、B都是整数)"},
        {"Sqr(A)", "求A的平方根"},
        {"A!", "求A的阶乘"},
    };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Command27(i)->text(), QString::fromUtf8(expected[i][0]));
        EXPECT_EQ(Command27(i)->toolTip(), QString::fromUtf8(expected[i][1]));
    }
    EXPECT_EQ(Button("Command28")->text(), "清空");
    EXPECT_EQ(Label("Label43")->text(), "A");
    EXPECT_EQ(Label("Label44")->text(), "B");
}

TEST_F(Page6Test, Command28EmptiesAndLeavesStatusBarAndFocus) {
    EXPECT_EQ(Label("Label45")->text(), "0");
    Type(Text22(), "2");
    Type(Text23(), "3");
    Command27(kMul)->click();
    WaitForRun();
    form->Run().ReportElapsed(0, 4);
    Text23()->setFocus();
    Button("Command28")->click();
    EXPECT_EQ(Text22()->text(), "");
    EXPECT_EQ(Text23()->text(), "");
    EXPECT_EQ(PaneText(6), "");
    EXPECT_EQ(Label("Label45")->text(), "0");
    EXPECT_EQ(Label("Label46")->text(), "0");
    EXPECT_EQ(Status(), "用时4秒");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_EQ(QApplication::focusWidget(), Text23());
}

TEST_F(Page6Test, PageChangeFocusesAAndMakesCommand28TheCancelButton) {
    GoToPage(0);
    form->Run().ReportElapsed(0, 4);
    QPushButton* default_before = form->Keys().Default();
    ASSERT_NE(default_before, nullptr);
    GoToPage(6);
    EXPECT_EQ(QApplication::focusWidget(), Text22());
    EXPECT_EQ(form->Keys().Cancel(), Button("Command28"));
    EXPECT_EQ(form->Keys().Default(), default_before);
    EXPECT_EQ(Status(), "计时(算)器");

    Type(Text22(), "5");
    Type(Text23(), "6");
    Command27(kAdd)->click();
    WaitForRun();
    EXPECT_EQ(PaneText(6), "11");
    QTest::keyClick(Text22(), Qt::Key_Escape);
    EXPECT_EQ(Text22()->text(), "");
    EXPECT_EQ(PaneText(6), "");
    // Typing on the page moves neither role.
    EXPECT_EQ(form->Keys().Default(), default_before);
    EXPECT_EQ(form->Keys().Cancel(), Button("Command28"));
}

}  // namespace
}  // namespace numerel::ui::testing
