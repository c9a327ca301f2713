#include <QCloseEvent>
#include <QDir>
#include <QFile>

#include "form_fixture.h"

namespace numerel::ui::testing {
namespace {

TEST_F(FormTest, OpensOnPageZeroWithTheDesignedCaptions) {
    EXPECT_EQ(form->windowTitle(), "Numerel2.02");
    ASSERT_EQ(form->Tabs()->count(), 9);
    const QStringList expected{"分解一个数", "分解一批数", "批量求素数", "孪生素数", "哥氏猜想",
                               "批量找因数", "高精度计算", "分数工具",   "帮助"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(form->Tabs()->tabText(i), expected[i]) << i;
    EXPECT_EQ(form->Tabs()->currentIndex(), 0);
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->StatusLabel()->toolTip(), "点击可调出计算器");
    EXPECT_TRUE(form->Progress()->isHidden());
}

TEST_F(FormTest, PaneFontsFollowTheWindowDesign) {
    EXPECT_EQ(form->Pane(0)->font().pointSize(), 18);
    for (int i = 1; i < 9; ++i) EXPECT_EQ(form->Pane(i)->font().pointSize(), 12) << i;
}

TEST_F(FormTest, StartDeletesAStaleResultFile) {
    QFile stale(QDir(dir.path()).filePath("a.txt"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("old");
    stale.close();
    MainWindow second(platform, dir.path());
    EXPECT_FALSE(QFile::exists(stale.fileName()));
}

TEST_F(FormTest, CloseAsksAndCancelKeepsTheWindow) {
    platform.message_answers = {false, true};
    QCloseEvent refused;
    QApplication::sendEvent(form.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], (Message{"您要退出吗?", "确认退出", MessageIcon::Information,
                                             MessageButtons::OkCancel}));
    QCloseEvent accepted;
    QApplication::sendEvent(form.get(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
}

TEST_F(FormTest, Label9StartsTheCalculatorOrSaysThereIsNone) {
    form->OnStatusLabelClicked();
    EXPECT_EQ(platform.calculator_launches, 1);
    EXPECT_TRUE(platform.messages.empty());

    platform.calculator_available = false;
    form->OnStatusLabelClicked();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Numerel");
    EXPECT_NE(platform.messages[0].text.find("计算器"), std::string::npos);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FormTest, PageChangeResetsStatusBarAndProgressBoxes) {
    RunProtocol& run = form->Run();
    run.ReportElapsed(0, 3);
    ASSERT_EQ(Status(), "用时3秒");
    Check3(0)->click();
    EXPECT_FALSE(form->Progress()->isHidden());
    GoToPage(8);
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_EQ(form->Progress()->BarWidth(), 0);
    EXPECT_FALSE(Check3(0)->isChecked());
    EXPECT_TRUE(form->Progress()->isHidden());
}

TEST_F(FormTest, ProgressBoxShowsAndHidesTheFrame) {
    form->Progress()->SetBarWidth(50);
    Check3(0)->click();
    EXPECT_FALSE(form->Progress()->isHidden());
    EXPECT_EQ(form->Progress()->BarWidth(), 0);
    Check3(0)->click();
    EXPECT_TRUE(form->Progress()->isHidden());
}

struct ElapsedCase {
    const char* name;
    int seconds;
    bool box;
    bool tune;
};

void PrintTo(const ElapsedCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportElapsedTest : public FormTest, public ::testing::WithParamInterface<ElapsedCase> {};

TEST_P(ReportElapsedTest, AlarmsFollowTheThresholds) {
    const ElapsedCase& c = GetParam();
    form->Run().ReportElapsed(100, 100 + c.seconds);
    const QString caption = QString("用时%1秒").arg(c.seconds);
    EXPECT_EQ(Status(), caption);
    EXPECT_EQ(form->Progress()->BarWidth(), form->Progress()->BarFullWidth());
    if (c.box) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], (Message{"计算完成!\n\n" + caption.toStdString(), "Numerel",
                                                 MessageIcon::Information, MessageButtons::Ok}));
    } else {
        EXPECT_TRUE(platform.messages.empty());
    }
    using Tone = FakePlatform::Tone;
    const std::vector<Tone> tune{{440, 600}, {352, 600}, {396, 600}, {264, 600}, {352, 1200}};
    EXPECT_EQ(platform.tones, c.tune ? tune : std::vector<Tone>{});
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ReportElapsedTest,
                         ::testing::Values(ElapsedCase{"Zero", 0, false, false},
                                           ElapsedCase{"Ten", 10, false, false},
                                           ElapsedCase{"Eleven", 11, true, false},
                                           ElapsedCase{"Sixty", 60, true, false},
                                           ElapsedCase{"SixtyOne", 61, false, true},
                                           ElapsedCase{"ClockSetBack", -5, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, ResultFileRunLoadsThePaneAndLeavesNoFile) {
    platform.clock_step = 0;
    OutputPane* pane = form->Pane(2);
    bool progress_given = true;
    const bool ok = form->Run().RunThroughResultFile(
        form->PageAt(2), pane, 2, [&progress_given](ResultSink& sink, const ProgressFn& progress) {
            progress_given = static_cast<bool>(progress);  // box unticked
            sink.Append("2 ");
            sink.Append("3 ");
            sink.EndLine();
            return std::optional<QString>();
        });
    EXPECT_TRUE(ok);
    WaitForRun();
    EXPECT_FALSE(progress_given);
    EXPECT_EQ(pane->Text(), "2 3 \n");
    EXPECT_EQ(Status(), "用时0秒");
    EXPECT_FALSE(QFile::exists(form->Run().ResultFile().Path()));
    EXPECT_TRUE(form->Run().ResultFile().Path().startsWith(dir.path()));
}

TEST_F(FormTest, ResultFileRunWithAFixedText) {
    OutputPane* pane = form->Pane(2);
    form->Run().RunThroughResultFile(form->PageAt(2), pane, 2, [](ResultSink&, const ProgressFn&) {
        return std::optional<QString>("此区间内没有素数");
    });
    WaitForRun();
    EXPECT_EQ(pane->Text(), "此区间内没有素数");
}

TEST(ResultFileFailure, AnUnwritableDirectoryGivesAMessageAndAnEmptyPane) {
    FakePlatform platform;
    MainWindow form(platform, "/proc/no-such-directory");
    form.Pane(1)->SetText("old");
    bool ran = false;
    const bool ok = form.Run().RunThroughResultFile(form.PageAt(1), form.Pane(1), 1,
                                                    [&](ResultSink&, const ProgressFn&) {
                                                        ran = true;
                                                        return std::optional<QString>();
                                                    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(ran);
    EXPECT_EQ(form.Pane(1)->Text(), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("无法创建临时结果文件"), std::string::npos);
    EXPECT_EQ(form.StatusLabel()->text(), "计时(算)器");
}

}  // namespace
}  // namespace numerel::ui::testing

namespace numerel::ui::testing {
namespace {

// Page 6 names no default button, so the one of page 0 stays in force; it must not factor
// page 0's field while the user is on page 6, nor may Esc on the help page clear page 0.
TEST_F(FormTest, KeysNeverClickAButtonOnAnotherPage) {
    Type(Field("Text1"), "12");
    GoToPage(6);
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(0), "");
    GoToPage(0);
    GoToPage(8);
    form->Keys().PressEscape();
    EXPECT_EQ(Field("Text1")->text(), "12");
    GoToPage(0);
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(0), "12=2^2×3");
}

}  // namespace
}  // namespace numerel::ui::testing
