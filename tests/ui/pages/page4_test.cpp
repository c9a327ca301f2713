#include <QFileInfo>
#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

enum class Tool { Even, Odd };

// The controls of one tool, by their names on the page.
struct ToolNames {
    const char* field;
    const char* count;
    const char* binary;
    const char* decimal;
    const char* clear;
    const char* one_result;
    int progress_box;
    const char* found;
};

const ToolNames kEven{"Text11_0",  "Label32", "Command11", "Command22",
                      "Command17", "Check1",  3,           "Label14"};
const ToolNames kOdd{"Text12_0",  "Label33", "Command12", "Command23",
                     "Command18", "Check2",  4,           "Label15"};

const ToolNames& Names(Tool tool) {
    return tool == Tool::Even ? kEven : kOdd;
}

class Page4Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(4);
    }
    QLineEdit* ToolField(Tool tool) const { return Field(Names(tool).field); }
    QPushButton* ToolButton(Tool tool, bool decimal) const {
        return Button(decimal ? Names(tool).decimal : Names(tool).binary);
    }
    QString Found(Tool tool) const { return Label(Names(tool).found)->text(); }
    void Press(Tool tool, const char* typed) {
        Type(ToolField(tool), QString::fromUtf8(typed));
        QTest::keyClick(ToolField(tool), Qt::Key_Return);
        WaitForRun();
    }
};

struct GoldbachCase {
    const char* name;
    Tool tool;
    const char* typed;
    bool one_result;
    bool progress;
    const char* pane;
    const char* found;
};

void PrintTo(const GoldbachCase& c, std::ostream* os) {
    *os << c.name;
}

class Page4Partitions : public Page4Test, public ::testing::WithParamInterface<GoldbachCase> {};

TEST_P(Page4Partitions, EnterListsThePartitions) {
    const GoldbachCase& c = GetParam();
    if (c.one_result) Find<QCheckBox>(Names(c.tool).one_result)->click();
    if (c.progress) Check3(Names(c.tool).progress_box)->click();
    Press(c.tool, c.typed);
    EXPECT_EQ(PaneText(4), QString::fromUtf8(c.pane));
    EXPECT_EQ(Found(c.tool), QString::fromUtf8(c.found));
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page4Partitions,
    ::testing::Values(
        GoldbachCase{"EvenSix", Tool::Even, "6", false, false, "6=3+3\n", "共1种"},
        GoldbachCase{"EvenEighteenAll", Tool::Even, "18", false, false, "18=5+13\n18=7+11\n",
                     "共2种"},
        GoldbachCase{"EvenHundredAll", Tool::Even, "100", false, false,
                     "100=3+97\n100=11+89\n100=17+83\n100=29+71\n100=41+59\n100=47+53\n", "共6种"},
        GoldbachCase{"EvenHundredOne", Tool::Even, "100", true, false, "100=3+97\n", "共1种"},
        GoldbachCase{"EvenTypedLeftSide", Tool::Even, "0018", true, true, "0018=5+13\n", "共1种"},
        GoldbachCase{"EvenOneWithoutProgressUsesDigits", Tool::Even, "0018", true, false,
                     "18=5+13\n", "共1种"},
        GoldbachCase{"EvenAllWithProgressUsesDigits", Tool::Even, "0018", false, true,
                     "18=5+13\n18=7+11\n", "共2种"},
        GoldbachCase{"EvenSixteenDigitsOne", Tool::Even, "1000000000000000", true, false,
                     "1000000000000000=11+999999999999989\n", "共1种"},
        GoldbachCase{"OddNine", Tool::Odd, "9", false, false, "9=3+3+3\n", "共1种"},
        GoldbachCase{"OddFifteenAll", Tool::Odd, "15", false, false, "15=3+5+7\n15=5+5+5\n",
                     "共2种"},
        GoldbachCase{"OddTwentySevenAll", Tool::Odd, "27", false, true,
                     "27=3+5+19\n27=3+7+17\n27=3+11+13\n27=5+5+17\n27=5+11+11\n27=7+7+13\n",
                     "共6种"},
        GoldbachCase{"OddSixteenDigitsOne", Tool::Odd, "1000000000000001", true, false,
                     "1000000000000001=3+421+999999999999577\n", "共1种"},
        // Beyond 2^96 - 1, first partitions from PARI/GP's isprime.
        GoldbachCase{"EvenBeyondDecimal96TypedLeftSide", Tool::Even, "1e40", true, true,
                     "1e40=17+9999999999999999999999999999999999999983\n", "共1种"},
        GoldbachCase{"OddBeyondDecimal96One", Tool::Odd,
                     "10000000000000000000000000000000000000001", true, false,
                     "10000000000000000000000000000000000000001=3+199+"
                     "9999999999999999999999999999999999999799\n",
                     "共1种"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectCase {
    const char* name;
    Tool tool;
    const char* typed;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

class Page4Rejections : public Page4Test, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(Page4Rejections, MessageEmptiesFieldAndPaneAndKeepsTheCount) {
    const RejectCase& c = GetParam();
    const Tool other = c.tool == Tool::Even ? Tool::Odd : Tool::Even;
    Press(other, c.tool == Tool::Even ? "9" : "6");  // the shared pane holds the other result
    Press(c.tool, c.tool == Tool::Even ? "6" : "9");
    ASSERT_EQ(Found(c.tool), "共1种");
    form->Run().ReportElapsed(0, 4);
    // A non-number after a long one leaves the Decimal96 button in place.
    const QString typed = QString::fromUtf8(c.typed);
    if (typed.endsWith('x')) Type(ToolField(c.tool), typed.chopped(1));
    Press(c.tool, c.typed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (Message{c.tool == Tool::Even ? "请输入≥6的偶数" : "请输入≥9的奇数", "重新输入",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(ToolField(c.tool)->text(), "");
    EXPECT_TRUE(ToolField(c.tool)->hasFocus());
    EXPECT_EQ(PaneText(4), "");
    EXPECT_EQ(Found(c.tool), "共1种");
    EXPECT_EQ(Status(), "计时(算)器");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Page4Rejections,
    ::testing::Values(
        RejectCase{"EvenFour", Tool::Even, "4"}, RejectCase{"EvenOdd", Tool::Even, "7"},
        RejectCase{"EvenFraction", Tool::Even, "6.5"}, RejectCase{"EvenEmpty", Tool::Even, ""},
        RejectCase{"EvenLargeOdd", Tool::Even, "1000000000000001"},
        RejectCase{"EvenLargeNotANumber", Tool::Even, "1000000000000000x"},
        RejectCase{"OddSeven", Tool::Odd, "7"}, RejectCase{"OddEven", Tool::Odd, "10"},
        RejectCase{"OddFraction", Tool::Odd, "9.5"}, RejectCase{"OddEmpty", Tool::Odd, ""},
        RejectCase{"OddLargeEven", Tool::Odd, "1000000000000000"},
        RejectCase{"OddLargeNotANumber", Tool::Odd, "1000000000000001x"},
        RejectCase{"EvenBeyondDecimal96Odd", Tool::Even,
                   "10000000000000000000000000000000000000001"},
        RejectCase{"OddBeyondDecimal96Even", Tool::Odd, "1e40"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page4Test, EmptyFieldOnTheLargeButton) {
    // The even tool empties the pane at every press; the odd one does nothing at all.
    for (const Tool tool : {Tool::Even, Tool::Odd}) {
        SCOPED_TRACE(Names(tool).field);
        form->Pane(4)->SetText("old");
        form->Run().ReportElapsed(0, 4);
        ToolButton(tool, true)->click();
        WaitForRun();
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(PaneText(4), tool == Tool::Even ? "" : "old");
        EXPECT_EQ(Status(), tool == Tool::Even ? "计时(算)器" : "用时4秒");
    }
}

TEST_F(Page4Test, ButtonCountAndCancelFollowTheEditedField) {
    EXPECT_EQ(form->Keys().Default(), Button("Command11"));
    EXPECT_EQ(form->Keys().Cancel(), Button("Command17"));
    struct Row {
        Tool tool;
        const char* typed;
        bool decimal;
        const char* count;
    };
    for (const Row& row :
         {Row{Tool::Odd, "999999999999999", false, "15"}, Row{Tool::Even, "1e16", true, "4"},
          Row{Tool::Even, "1000000000000000x", true, "17"},  // no number: the buttons stay
          Row{Tool::Odd, "1000000000000001", true, "16"}, Row{Tool::Odd, "", false, "0"},
          Row{Tool::Even, "", false, "0"}}) {
        SCOPED_TRACE(std::string(Names(row.tool).field) + " " + row.typed);
        Type(ToolField(row.tool), row.typed);
        EXPECT_EQ(Label(Names(row.tool).count)->text(), row.count);
        EXPECT_EQ(ToolButton(row.tool, row.decimal)->isHidden(), false);
        EXPECT_EQ(ToolButton(row.tool, !row.decimal)->isHidden(), true);
        EXPECT_EQ(form->Keys().Default(), ToolButton(row.tool, row.decimal));
        EXPECT_EQ(form->Keys().Cancel(), Button(Names(row.tool).clear));
    }
}

TEST_F(Page4Test, OverLimitEmptiesTheFieldAndBringsBackTheBinaryButton) {
    for (const Tool tool : {Tool::Even, Tool::Odd}) {
        SCOPED_TRACE(Names(tool).field);
        platform.messages.clear();
        Type(ToolField(tool), "1000000000000000");
        Type(ToolField(tool), "1e1000");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "很抱歉!,最大只能到\r10^1000-1(1000位)");
        EXPECT_EQ(ToolField(tool)->text(), "");
        EXPECT_EQ(Label(Names(tool).count)->text(), "0");
        EXPECT_FALSE(ToolButton(tool, false)->isHidden());
        EXPECT_TRUE(ToolButton(tool, true)->isHidden());
        EXPECT_EQ(form->Keys().Default(), ToolButton(tool, false));
    }
}

TEST_F(Page4Test, EitherClearButtonEmptiesTheSharedPane) {
    struct Row {
        Tool writer;
        const char* typed;
        Tool clearer;
    };
    for (const Row& row : {Row{Tool::Even, "18", Tool::Odd}, Row{Tool::Odd, "15", Tool::Even},
                           Row{Tool::Even, "18", Tool::Even}}) {
        SCOPED_TRACE(std::string(Names(row.writer).field) + " cleared by " +
                     Names(row.clearer).clear);
        Type(ToolField(row.clearer), "77");
        Press(row.writer, row.typed);
        ASSERT_NE(PaneText(4), "");
        const QString found = Found(row.writer);
        Button(Names(row.clearer).clear)->click();
        EXPECT_EQ(PaneText(4), "");
        EXPECT_EQ(ToolField(row.clearer)->text(), "");
        EXPECT_TRUE(ToolField(row.clearer)->hasFocus());
        EXPECT_EQ(Found(row.writer), found);
        EXPECT_EQ(Status(), "计时(算)器");
        EXPECT_EQ(form->Progress()->BarWidth(), 0);
    }
}

TEST_F(Page4Test, OnlyTheOddToolWritesItsCountAfterTheTimeReport) {
    platform.clock_step = 20;  // every run takes 20 s: the "计算完成!" box appears
    QString found_at_box;
    for (const Tool tool : {Tool::Even, Tool::Odd}) {
        SCOPED_TRACE(Names(tool).field);
        platform.on_message = [&](const Message&) { found_at_box = Found(tool); };
        Press(tool, tool == Tool::Even ? "18" : "15");
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.back().text, "计算完成!\n\n用时20秒");
        EXPECT_EQ(found_at_box, tool == Tool::Even ? "共2种" : "共");
        EXPECT_EQ(Found(tool), "共2种");
    }
}

}  // namespace
}  // namespace numerel::ui::testing
