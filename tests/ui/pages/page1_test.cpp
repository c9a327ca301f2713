#include <QApplication>
#include <QDir>
#include <QTest>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

class Page1Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(1);
    }
    QLineEdit* Text2() const { return Field("Text2"); }
    QLineEdit* Text3() const { return Field("Text3"); }
    void Factor(const char* from, const char* to) {
        Type(Text2(), QString::fromUtf8(from));
        Type(Text3(), QString::fromUtf8(to));
        Text3()->setFocus();
        QTest::keyClick(Text3(), Qt::Key_Return);
        WaitForRun();
    }
    bool ResultFileLeft() const { return QDir(dir.path()).exists("a.txt"); }
};

TEST_F(Page1Test, PageChangeSetsFocusDefaultAndCancel) {
    EXPECT_EQ(form->focusWidget(), Text2());
    EXPECT_EQ(form->Keys().Default(), Button("Command3"));
    EXPECT_EQ(form->Keys().Cancel(), Button("Command4"));
}

TEST_F(Page1Test, OneToTwelveListsEveryNumberThroughTheResultFile) {
    Factor("1", "12");
    EXPECT_EQ(PaneText(1),
              "1=既不是素数,也不是合数\n2=素数\n3=素数\n4=2^2\n5=素数\n6=2×3\n7=素数\n8=2^3\n9=3^"
              "2\n10=2×5\n11=素数\n12=2^2×3\n");
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(ResultFileLeft());
}

struct ListCase {
    const char* name;
    const char* from;
    const char* to;
    const char* pane;
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.name;
}

class Page1Lists : public Page1Test, public ::testing::WithParamInterface<ListCase> {};

TEST_P(Page1Lists, ListsTheInterval) {
    const ListCase& c = GetParam();
    form->Pane(1)->SetText("old");
    Factor(c.from, c.to);
    EXPECT_EQ(PaneText(1), QString::fromUtf8(c.pane));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(ResultFileLeft());
    // The bounds stay as typed.
    EXPECT_EQ(Text2()->text(), QString::fromUtf8(c.from));
    EXPECT_EQ(Text3()->text(), QString::fromUtf8(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page1Lists,
    ::testing::Values(
        ListCase{"OnlyFixedLines", "1", "3", "1=既不是素数,也不是合数\n2=素数\n3=素数\n"},
        ListCase{"FixedLinesThenMainLoop", "3", "9",
                 "3=素数\n4=2^2\n5=素数\n6=2×3\n7=素数\n8=2^3\n9=3^2\n"},
        ListCase{"SquareOfSeven", "49", "49", "49=7^2\n"},
        ListCase{"SevenTimesEleven", "77", "77", "77=7×11\n"},
        ListCase{"SquareOfEleven", "121", "121", "121=11^2\n"},
        ListCase{"TrailingTextIgnored", "10abc", "12.0", "10=2×5\n11=素数\n12=2^2×3\n"},
        ListCase{"TopOfTheRange", "999999999999990", "999999999999999",
                 "999999999999990=2×3^2×5×11×239×4649×909091\n"
                 "999999999999991=653×718321×2131907\n"
                 "999999999999992=2^3×19×2269×49999×57991\n"
                 "999999999999993=3×181×1841620626151\n"
                 "999999999999994=2×7^2×421×24237723593\n"
                 "999999999999995=5×23×8695652173913\n"
                 "999999999999996=2^2×3×307×271444082519\n"
                 "999999999999997=599×2131×3733×209861\n"
                 "999999999999998=2×499999999999999\n"
                 "999999999999999=3^3×31×37×41×271×2906161\n"},
        ListCase{"ExpressionsAboveSmallLimit", "10^15-1", "10^15+1",
                 "999999999999999=3^3×31×37×41×271×2906161\n"
                 "1000000000000000=2^15×5^15\n"
                 "1000000000000001=7×11×13×211×241×2161×9091\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page1Test, BoundBeyondAThousandDigitsKeepsFieldsAndPane) {
    const Message over_limit{"很抱歉,最大只能到 10^1000-1,\n\r请用“分解一个数”单独分解.",
                             "输入超限", MessageIcon::Information, MessageButtons::Ok};
    struct Row {
        const char* from;
        const char* to;
    };
    for (const Row& row :
         {Row{"1", "1e1000"}, Row{"10^1000", "5"}, Row{"1000000000000000", "1e1000x"}}) {
        SCOPED_TRACE(std::string(row.from) + " " + row.to);
        platform.messages.clear();
        form->Pane(1)->SetText("old");
        form->Run().ReportElapsed(0, 4);
        Factor(row.from, row.to);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], over_limit);
        EXPECT_EQ(Text2()->text(), row.from);
        EXPECT_EQ(Text3()->text(), row.to);
        EXPECT_EQ(PaneText(1), "old");
        EXPECT_EQ(Status(), "计时(算)器");  // reset before the bounds are judged
    }
}

TEST_F(Page1Test, BoundsThatCannotBeFactoredEmptyFieldsAndPane) {
    const Message cannot{"您输入的数不能分解,请重新输入.", "输入错误", MessageIcon::Exclamation,
                         MessageButtons::Ok};
    struct Row {
        const char* name;
        const char* from;
        const char* to;
    };
    for (const Row& row :
         {Row{"Reversed", "5", "3"}, Row{"ZeroLower", "0", "10"}, Row{"FractionLower", "2.5", "10"},
          Row{"FractionUpper", "2", "10.5"}, Row{"NegativeUpper", "1", "-3"},
          Row{"NoNumeral", "abc", "10"}, Row{"BothEmpty", "", ""}}) {
        SCOPED_TRACE(row.name);
        platform.messages.clear();
        form->Pane(1)->SetText("old");
        Factor(row.from, row.to);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], cannot);
        EXPECT_EQ(Text2()->text(), "");
        EXPECT_EQ(Text3()->text(), "");
        EXPECT_EQ(PaneText(1), "");
        EXPECT_EQ(form->focusWidget(), Text2());
        EXPECT_EQ(Status(), "计时(算)器");
        EXPECT_FALSE(ResultFileLeft());
    }
}

TEST_F(Page1Test, SinglePrimeWithProgressCompletesNormally) {
    for (const char* prime : {"13", "999999999999989"}) {
        SCOPED_TRACE(prime);
        Check3(1)->click();
        ASSERT_TRUE(Check3(1)->isChecked());
        Factor(prime, prime);
        EXPECT_EQ(PaneText(1), QString(prime) + "=素数\n");
        EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
        EXPECT_EQ(Status(), "用时0秒");
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_FALSE(ResultFileLeft());
        Check3(1)->click();
    }
}

// Esc during a long factorization keeps the lines done, the proven primes of the number being
// split and, marked, the part not yet split.
TEST_F(Page1Test, StopDuringALargeFactorizationKeepsWhatIsDone) {
    // A proven prime, then 2 p q with p and q primes of 50 digits.
    const QString prime =
        "1400000000000000000000000000000000000000000001103640000000000000000000000000000000000000"
        "000000992141";
    const QString next =
        "1400000000000000000000000000000000000000000001103640000000000000000000000000000000000000"
        "000000992142";
    const QString pq =
        "7000000000000000000000000000000000000000000005518200000000000000000000000000000000000000"
        "00000496071";
    Type(Text2(), prime);
    Type(Text3(), prime + "+1");
    Text3()->setFocus();
    QTest::keyClick(Text3(), Qt::Key_Return);
    const QString first_line = prime + "=素数";
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form->Run().ResultFile().BytesWritten() >=
                   static_cast<std::uint64_t>(first_line.toUtf8().size() + 2);
        },
        60000));
    QTest::qWait(300);
    form->Keys().PressEscape();
    WaitForRun();
    EXPECT_EQ(PaneText(1),
              first_line + "\n" + next + "=2×[未分解:" + pq + "]\n(已停止,以上为部分结果)\n");
    EXPECT_TRUE(Status().startsWith("已停止")) << Status().toStdString();
    EXPECT_FALSE(ResultFileLeft());
}

TEST_F(Page1Test, EscapeClearsFieldsPaneStatusAndBar) {
    Factor("1", "12");
    ASSERT_FALSE(PaneText(1).isEmpty());
    Text3()->setFocus();
    form->Keys().PressEscape();
    EXPECT_EQ(Text2()->text(), "");
    EXPECT_EQ(Text3()->text(), "");
    EXPECT_EQ(PaneText(1), "");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Progress()->BarWidth(), 0);
    EXPECT_EQ(form->focusWidget(), Text2());
}

}  // namespace
}  // namespace numerel::ui::testing
