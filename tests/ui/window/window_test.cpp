// The window as a whole: a run clears its page's old result at once, the digit
// counters follow an emptied field, and what the user set up survives a restart
// of the program.
#include <QFont>
#include <QSettings>
#include <QTest>
#include <QTextCharFormat>

#include "form_fixture.h"
#include "ui/pages/page.h"
#include "ui/platform/platform.h"

namespace numerel::ui::testing {
namespace {

class WindowTest : public FormTest {
protected:
    // A count caption is a label on most pages and the summary box on page 5.
    QString Caption(const QString& name) const {
        if (auto* label = form->findChild<QLabel*>(name)) return label->text();
        return Field(name)->text();
    }
};

struct SearchCase {
    const char* name;
    int page;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* button;
    const char* count;       // the caption the run writes (nullptr: none)
    const char* count_idle;  // what it shows while the new run goes on
};

class RunClearsFirst : public WindowTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(RunClearsFirst, PaneAndCountAreEmptyWhileTheNextRunGoesOn) {
    const SearchCase& c = GetParam();
    GoToPage(c.page);
    for (const auto& [field, text] : c.fields) Type(Field(field), text);
    Button(c.button)->click();
    WaitForRun();
    const QString pane = PaneText(c.page);
    const QString count = c.count != nullptr ? Caption(c.count) : QString();
    ASSERT_FALSE(pane.isEmpty());
    if (c.count != nullptr) {
        ASSERT_NE(count, c.count_idle);
    }

    // The run's end reaches the window through the event loop only: right after
    // the click the old result must be gone already.
    Button(c.button)->click();
    ASSERT_TRUE(form->Run().Busy());
    EXPECT_EQ(PaneText(c.page), "");
    if (c.count != nullptr) {
        EXPECT_EQ(Caption(c.count), c.count_idle);
    }
    WaitForRun();
    EXPECT_EQ(PaneText(c.page), pane);
    if (c.count != nullptr) {
        EXPECT_EQ(Caption(c.count), count);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Searches, RunClearsFirst,
    ::testing::Values(
        SearchCase{"Primes", 2, {{"Text4", "1"}, {"Text5", "100"}}, "Command5", "Label6", "共"},
        SearchCase{"Twins", 3, {{"Text13", "2"}, {"Text14", "100"}}, "Command13", "Label11", "共"},
        SearchCase{"GoldbachEven", 4, {{"Text11_0", "100"}}, "Command11", "Label14", "共"},
        SearchCase{"GoldbachOdd", 4, {{"Text12_0", "99"}}, "Command12", "Label15", "共"},
        SearchCase{"Divisors", 5, {{"Text16", "1"}, {"Text17", "30"}}, "Command15", "Text9", ""},
        SearchCase{"FactorRange", 1, {{"Text2", "2"}, {"Text3", "9"}}, "Command3", nullptr, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct CounterCase {
    const char* name;
    int page;
    const char* field;
    const char* counter;
    const char* clear;  // nullptr: Esc
};

class CounterFollowsEmptiedField : public WindowTest,
                                   public ::testing::WithParamInterface<CounterCase> {};

TEST_P(CounterFollowsEmptiedField, ShowsZero) {
    const CounterCase& c = GetParam();
    GoToPage(c.page);
    Type(Field(c.field), "12345");
    ASSERT_EQ(Label(c.counter)->text(), "5");
    if (c.clear != nullptr)
        Button(c.clear)->click();
    else
        form->Keys().PressEscape();
    EXPECT_EQ(Field(c.field)->text(), "");
    EXPECT_EQ(Label(c.counter)->text(), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CounterFollowsEmptiedField,
    ::testing::Values(CounterCase{"FactorByEscape", 0, "Text1", "Label18", nullptr},
                      CounterCase{"FactorByClear", 0, "Text1", "Label18", "Command2"},
                      CounterCase{"GoldbachOdd", 4, "Text12_0", "Label33", "Command18"},
                      CounterCase{"DivisorsUpper", 5, "Text17", "Label36", "Command16"},
                      CounterCase{"CalculatorB", 6, "Text23", "Label46", "Command28"},
                      CounterCase{"Gcd", 7, "Text10_1", "Label37_1", "Command9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, WhatTheUserSetUpSurvivesARestartButNoResult) {
    const QString file = dir.filePath("numerel.conf");
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    GoToPage(2);
    Type(Field("Text4"), "1");
    Type(Field("Text5"), "1000000000000000000");  // the Decimal96 button
    Type(Field("Text22"), "3.25");
    Type(Field("Text10_0"), "12");
    Check3(2)->click();
    QFont font("Noto Sans CJK SC", 20);
    form->Pane(6)->setFont(font);
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    form->Pane(6)->mergeCurrentCharFormat(blue);
    form->Pane(2)->SetText("2 3 5 7 ");
    form->DesktopPlatform().SetSaveFolder(dir.path());
    form->resize(900, 700);
    form->move(40, 30);
    form.reset();
    platform.SetSaveFolder(QString());

    form = std::make_unique<MainWindow>(platform, dir.path());
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    form->show();
    EXPECT_EQ(form->Tabs()->currentIndex(), 2);
    EXPECT_EQ(Field("Text4")->text(), "1");
    EXPECT_EQ(Field("Text5")->text(), "1000000000000000000");
    EXPECT_FALSE(Button("Command21")->isHidden());
    EXPECT_TRUE(Button("Command5")->isHidden());
    EXPECT_EQ(Field("Text22")->text(), "3.25");
    EXPECT_EQ(Field("Text10_0")->text(), "12");
    EXPECT_EQ(Label("Label37_0")->text(), "2");
    EXPECT_TRUE(Check3(2)->isChecked());
    EXPECT_FALSE(form->Progress()->isHidden());
    EXPECT_EQ(form->Pane(6)->font().family(), "Noto Sans CJK SC");
    EXPECT_EQ(form->Pane(6)->font().pointSize(), 20);
    EXPECT_EQ(form->Pane(6)->currentCharFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(form->Pane(0)->font().pointSize(), 18);
    EXPECT_EQ(PaneText(2), "");
    EXPECT_EQ(platform.SaveFolder(), dir.path());
    EXPECT_EQ(form->size(), QSize(900, 700));
    EXPECT_EQ(form->pos(), QPoint(40, 30));

    // Enter on the restored page runs its own button.
    EXPECT_EQ(form->Keys().Default(), Button("Command21"));
}

// A remembered bound is selected when its page comes up, at start and after a page change:
// typed digits replace it instead of running on from its end (1 then 7 made 17).
TEST_F(WindowTest, TypingOnArrivalReplacesARememberedValue) {
    const QString file = dir.filePath("numerel.conf");
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    GoToPage(2);
    Type(Field("Text4"), "1");
    form.reset();
    form = std::make_unique<MainWindow>(platform, dir.path());
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    form->show();
    ASSERT_EQ(form->focusWidget(), Field("Text4"));
    QTest::keyClicks(Field("Text4"), "7");
    EXPECT_EQ(Field("Text4")->text(), "7");
    GoToPage(3);
    GoToPage(2);
    QTest::keyClicks(Field("Text4"), "9");
    EXPECT_EQ(Field("Text4")->text(), "9");
}

TEST_F(WindowTest, AWindowOffEveryScreenComesBackOntoOne) {
    const QString file = dir.filePath("numerel.conf");
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    form->move(30000, 30000);
    form.reset();
    form = std::make_unique<MainWindow>(platform, dir.path());
    form->RememberIn(std::make_unique<QSettings>(file, QSettings::IniFormat));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(form->pos()));
}

}  // namespace
}  // namespace numerel::ui::testing
