#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <cstring>
#include <tuple>
#include <vector>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

class Page7Test : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        GoToPage(7);
    }
    QLineEdit* Text10(int i) const { return Field(QString("Text10_%1").arg(i)); }
    QLabel* Label37(int i) const { return Label(QString("Label37_%1").arg(i)); }
    QLineEdit* Text18() const { return Field("Text18"); }
    QLineEdit* Text19() const { return Field("Text19"); }
    QLineEdit* Text20() const { return Field("Text20"); }
    QLineEdit* Text21() const { return Field("Text21"); }
    QString Fraction() const { return Text20()->text() + "/" + Text21()->text(); }

    // The centre of a dot in Text19's coordinates.
    QPoint DotCentre(const QString& name) const {
        QLabel* dot = Label(name);
        const QPoint centre(dot->x() + dot->width() / 2, dot->y() + dot->height() / 2);
        return Text19()->mapFrom(dot->parentWidget(), centre);
    }
    // Text19's own idea of which character boundary lies nearest to x: a point just left of the
    // middle of character i gives i, just right of it i + 1.
    void ExpectOverCharacter(const QString& dot, int i) const {
        const int x = DotCentre(dot).x();
        const int y = Text19()->height() / 2;
        EXPECT_EQ(Text19()->cursorPositionAt(QPoint(x - 1, y)), i) << dot.toStdString();
        EXPECT_EQ(Text19()->cursorPositionAt(QPoint(x + 1, y)), i + 1) << dot.toStdString();
    }
};

struct GcdCase {
    const char* name;
    const char* a;
    const char* b;
    const char* pane;
};

void PrintTo(const GcdCase& c, std::ostream* os) {
    *os << c.name;
}

class Page7Gcd : public Page7Test, public ::testing::WithParamInterface<GcdCase> {};

TEST_P(Page7Gcd, PaneShowsDivisorAndMultipleAndTheTime) {
    const GcdCase& c = GetParam();
    Type(Text10(0), c.a);
    Type(Text10(1), c.b);
    platform.clock_step = 3;
    form->Keys().PressEnter();  // Command10, default since the boxes changed
    WaitForRun();
    EXPECT_EQ(PaneText(7), QString::fromUtf8(c.pane));
    EXPECT_EQ(Status(), "用时3秒");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.prompts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page7Gcd,
    ::testing::Values(GcdCase{"TwelveEighteen", "12", "18", "最大公约数是6\n最小公倍数是36"},
                      GcdCase{"FourTen", "4", "10", "最大公约数是2\n最小公倍数是20"},
                      GcdCase{"Coprime", "17", "5", "最大公约数是1\n最小公倍数是85"},
                      GcdCase{"Equal", "100", "100", "最大公约数是100\n最小公倍数是100"},
                      GcdCase{"Long", "123456789012345678901234567890",
                              "987654321098765432109876543210",
                              "最大公约数是9000000000900000000090\n"
                              "最小公倍数是13548070124980948012498094801236261410"},
                      GcdCase{"EmptyBoxReportsTimeOnly", "12", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page7Test, ZeroIsDividedByEveryNumber) {
    for (const auto& [a, b, pane] : {std::tuple{"0", "5", "最大公约数是5\n最小公倍数是0"},
                                     std::tuple{"5", "00", "最大公约数是5\n最小公倍数是0"},
                                     std::tuple{"0", "0", "最大公约数是0\n最小公倍数是0"}}) {
        SCOPED_TRACE(std::string(a) + ", " + b);
        Type(Text10(0), a);
        Type(Text10(1), b);
        Button("Command10")->click();
        WaitForRun();
        EXPECT_EQ(PaneText(7), pane);
        EXPECT_EQ(Status(), "用时0秒");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Page7Test, NonIntegerIsRefusedWithFocusOnTheBox) {
    const Message refusal{"请输入整数:只能由数字组成,不能有小数点、正负号或其他字符", "输入错误",
                          MessageIcon::Exclamation, MessageButtons::Ok};
    struct Row {
        const char* a;
        const char* b;
        int focus;
    };
    for (const Row& row : {Row{"1.5", "3", 0}, Row{"12", "-4", 1}, Row{"x", "y", 0}}) {
        SCOPED_TRACE(std::string(row.a) + " " + row.b);
        platform.messages.clear();
        form->Pane(7)->SetText("old");
        form->Run().ReportElapsed(0, 4);
        Type(Text10(0), row.a);
        Type(Text10(1), row.b);
        Button("Command10")->click();
        WaitForRun();
        EXPECT_EQ(platform.messages, std::vector<Message>{refusal});
        EXPECT_EQ(PaneText(7), "");
        EXPECT_EQ(Status(), "计时(算)器");  // reset, no report
        EXPECT_EQ(QApplication::focusWidget(), Text10(row.focus));
    }
}

TEST_F(Page7Test, EitherBoxUpdatesBothCountsAndTheButtons) {
    EXPECT_EQ(Label37(0)->text(), "0");
    EXPECT_EQ(Label37(1)->text(), "0");
    Type(Text10(0), "123");
    EXPECT_EQ(Label37(0)->text(), "3");
    EXPECT_EQ(Label37(1)->text(), "0");
    form->Keys().SetDefault(nullptr);
    form->Keys().SetCancel(nullptr);
    Type(Text10(1), "12345");
    EXPECT_EQ(Label37(0)->text(), "3");
    EXPECT_EQ(Label37(1)->text(), "5");
    EXPECT_EQ(form->Keys().Default(), Button("Command10"));
    EXPECT_EQ(form->Keys().Cancel(), Button("Command9"));
}

TEST_F(Page7Test, Command9ResetsStatusButNotTheBar) {
    Type(Text10(0), "12");
    Type(Text10(1), "18");
    Button("Command10")->click();
    WaitForRun();
    form->Run().ReportElapsed(0, 4);
    Text18()->setFocus();
    QTest::keyClick(Text10(1), Qt::Key_Escape);  // Command9, cancel since the boxes changed
    EXPECT_EQ(Text10(0)->text(), "");
    EXPECT_EQ(Text10(1)->text(), "");
    EXPECT_EQ(Label37(0)->text(), "0");
    EXPECT_EQ(PaneText(7), "");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    EXPECT_EQ(QApplication::focusWidget(), Text10(0));
}

struct FractionCase {
    const char* name;
    const char* decimal;
    const char* period;
    const char* fraction;
    const char* reduced;
};

void PrintTo(const FractionCase& c, std::ostream* os) {
    *os << c.name;
}

class Page7Fraction : public Page7Test, public ::testing::WithParamInterface<FractionCase> {};

TEST_P(Page7Fraction, ConvertThenReduceWithEnter) {
    const FractionCase& c = GetParam();
    Type(Text18(), c.decimal);
    Type(Text19(), c.period);
    form->Keys().PressEnter();  // Command24 after Text19 changed
    EXPECT_EQ(Fraction(), c.fraction);
    EXPECT_EQ(form->Keys().Default(), Button("Command26"));
    form->Keys().PressEnter();  // Command26 after Text20 changed
    EXPECT_EQ(Fraction(), c.reduced);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(PaneText(7), "");
    EXPECT_EQ(Status(), "计时(算)器");  // no time report on this tool
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Page7Fraction,
    ::testing::Values(FractionCase{"WithNonRepeatingDigits", "1.02", "345", "102243/99900",
                                   "34081/33300"},
                      FractionCase{"PurePeriodBelowOne", "0.", "3", "3/9", "1/3"},
                      FractionCase{"OneNonRepeatingDigit", "0.1", "6", "15/90", "1/6"},
                      FractionCase{"IntegerPart", "2.", "142857", "2142855/999999", "15/7"},
                      FractionCase{"LeadingPoint", ".5", "3", "48/90", "8/15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Page7Test, IncompleteInputDoesNothing) {
    struct Row {
        const char* decimal;
        const char* period;
    };
    for (const Row& row : {Row{"3", "5"}, Row{"1.5", ""}, Row{"1.5", "0"}, Row{"1.5", "3a"}}) {
        SCOPED_TRACE(std::string(row.decimal) + " " + row.period);
        Type(Text20(), "7");
        Type(Text21(), "9");
        Type(Text18(), row.decimal);
        Type(Text19(), row.period);
        Button("Command24")->click();
        EXPECT_EQ(Fraction(), "7/9");
    }
    struct Pair {
        const char* numerator;
        const char* denominator;
        const char* after;
    };
    for (const Pair& row :
         {Pair{"12", "18", "2/3"}, Pair{"0", "5", "0/5"}, Pair{"5", "", "5/"},
          Pair{"1.5", "3", "1.5/3"}, Pair{"00", "5", "00/5"}, Pair{"5", "00", "5/00"}}) {
        SCOPED_TRACE(std::string(row.numerator) + "/" + row.denominator);
        Type(Text20(), row.numerator);
        Type(Text21(), row.denominator);
        Button("Command26")->click();
        EXPECT_EQ(Fraction(), row.after);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Page7Test, ChangesMoveDefaultAndCancel) {
    struct Row {
        const char* field;
        const char* default_button;
        const char* cancel_button;
    };
    for (const Row& row :
         {Row{"Text19", "Command24", "Command25"}, Row{"Text20", "Command26", "Command25"},
          Row{"Text10_0", "Command10", "Command9"}, Row{"Text10_1", "Command10", "Command9"}}) {
        SCOPED_TRACE(row.field);
        form->Keys().SetDefault(nullptr);
        form->Keys().SetCancel(nullptr);
        Type(Field(row.field), "12");
        EXPECT_EQ(form->Keys().Default(), Button(row.default_button));
        EXPECT_EQ(form->Keys().Cancel(), Button(row.cancel_button));
        Type(Field(row.field), "");
    }
    // The other two boxes of the fraction frame move nothing.
    form->Keys().SetDefault(nullptr);
    form->Keys().SetCancel(nullptr);
    Type(Text18(), "1.5");
    Type(Text21(), "4");
    EXPECT_EQ(form->Keys().Default(), nullptr);
    EXPECT_EQ(form->Keys().Cancel(), nullptr);
}

TEST_F(Page7Test, Command25EmptiesInItsOrder) {
    Type(Text18(), "1.02");
    Type(Text19(), "345");
    Button("Command24")->click();
    Text21()->setFocus();
    std::vector<std::pair<QString, QString>> changes;  // box, focus at its change
    for (QLineEdit* box : {Text18(), Text19(), Text20(), Text21()}) {
        QObject::connect(box, &QLineEdit::textChanged, form.get(), [&changes, box] {
            changes.push_back({box->objectName(), QApplication::focusWidget()->objectName()});
        });
    }
    QTest::keyClick(Text21(), Qt::Key_Escape);
    const std::vector<std::pair<QString, QString>> expected = {
        {"Text18", "Text21"}, {"Text19", "Text21"}, {"Text20", "Text18"}, {"Text21", "Text18"}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(form->Keys().Default(), Button("Command26"));  // Text20's change came last
    EXPECT_EQ(form->Keys().Cancel(), Button("Command25"));
}

TEST_F(Page7Test, SecondDotFollowsTheLastCharacterOfThePeriod) {
    for (const char* period : {"3", "345", "1428571", "11111"}) {
        SCOPED_TRACE(period);
        Type(Text19(), period);
        ExpectOverCharacter("Label39", 0);
        ExpectOverCharacter("Label40", static_cast<int>(strlen(period)) - 1);
        // Just above the box.
        EXPECT_LE(DotCentre("Label40").y(), 0);
        EXPECT_GT(DotCentre("Label40").y(), -Text19()->height());
    }
    const QPoint before = DotCentre("Label40");
    Type(Text19(), "");
    EXPECT_EQ(DotCentre("Label40"), before);  // an empty box leaves the dot where it was
    EXPECT_EQ(Label("Label39")->text(), "·");
    EXPECT_EQ(Label("Label40")->text(), "·");
}

TEST_F(Page7Test, DotsStayOverTheirDigitsWhenTheWindowResizes) {
    Type(Text19(), "345");
    form->resize(form->width() + 200, form->height());
    QApplication::processEvents();  // let the layout apply the new size
    ExpectOverCharacter("Label39", 0);
    ExpectOverCharacter("Label40", 2);
}

TEST_F(Page7Test, CaptionsAndTooltipsAsDesigned) {
    struct Row {
        const char* name;
        const char* caption;  // nullptr for a text box
        const char* tooltip;
    };
    const Row rows[] = {
        {"Label41", "整数.非循环小数", "例如 \"1.02345345....\"中的\"1.02\""},
        {"Text18", nullptr, "例如 \"1.02345345....\"中的\"1.02\""},
        {"Label42", "循环部分(一个循环节)", "例如 \"1.02345345....\"中的\"345\""},
        {"Text19", nullptr, "例如 \"1.02345345....\"中的\"345\""},
        {"Command24", "化", "把循环小数化为分数"},
        {"Command26", "约分", "可以对左边的分数进行约分"},
        {"Command25", "清空", ""},
        {"Label34", "分子", ""},
        {"Label47", "分母", ""},
        {"Command10", "计算", ""},
        {"Command9", "清空", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = Find<QWidget>(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.tooltip));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), row.caption);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), row.caption);
        }
    }
}

TEST_F(Page7Test, FramesHoldTheirTools) {
    const auto frame_of = [this](const char* name) {
        auto* frame = qobject_cast<QGroupBox*>(Find<QWidget>(name)->parentWidget());
        return frame != nullptr ? frame->title() : QString("(none)");
    };
    EXPECT_EQ(frame_of("Label40"), "循环小数化分数");
    EXPECT_EQ(frame_of("Text21"), "循环小数化分数");
    EXPECT_EQ(frame_of("Text10_1"), "最大公约数和最小公倍数");
    EXPECT_EQ(frame_of("RichTextBox1_7"), "最大公约数和最小公倍数");
}

TEST_F(Page7Test, PageChangeFocusesTheFirstBoxAndKeepsTheButtons) {
    GoToPage(0);
    QPushButton* default_before = form->Keys().Default();
    QPushButton* cancel_before = form->Keys().Cancel();
    form->Run().ReportElapsed(0, 4);
    GoToPage(7);
    EXPECT_EQ(QApplication::focusWidget(), Text10(0));
    EXPECT_EQ(form->Keys().Default(), default_before);
    EXPECT_EQ(form->Keys().Cancel(), cancel_before);
    EXPECT_EQ(Status(), "计时(算)器");
}

}  // namespace
}  // namespace numerel::ui::testing
