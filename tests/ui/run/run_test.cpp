// Runs on the worker thread, driven offscreen with fake tools that poll the stop token the way
// the core's kernels do: the window keeps working during a run, Stop and Esc end it with the
// partial result, the budget or a full disk cuts a long list but not its count, and no exception
// ends the program.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <stdexcept>
#include <thread>

#include "form_fixture.h"
#include "ui/pane/pane_menu.h"
#include "ui/results/stored_result.h"

namespace numerel::ui::testing {
namespace {

constexpr const char* kStoppedLine = "(已停止,以上为部分结果)";

// Lists "2 3 5 ", then works on until it is asked to stop, and closes its list as a stopped
// search does.
std::optional<QString> ListUntilStopped(ResultSink& sink, const ProgressFn&) {
    sink.Append("2 3 5 ");
    while (!StopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    sink.EndLine();
    sink.Append(kStoppedLine);
    return std::nullopt;
}

class RunTest : public FormTest {
protected:
    // Spins the event loop until `done` holds (or a minute has passed).
    template <typename Condition>
    bool SpinUntil(Condition done) {
        for (int i = 0; i < 6000 && !done(); ++i) QTest::qWait(10);
        return done();
    }
    void StartListing() {
        GoToPage(2);
        ASSERT_TRUE(
            form->Run().RunThroughResultFile(form->PageAt(2), form->Pane(2), 2, ListUntilStopped,
                                             [this] { Label("Label6")->setText("已停止:共3个"); }));
        ASSERT_TRUE(form->Run().Busy());
    }
};

TEST_F(RunTest, WindowWorksDuringARunAndStopShowsThePartialList) {
    Type(Field("Text4"), "1");
    Type(Field("Text5"), "1000");
    StartListing();
    // Locked while the run goes on: this page's fields and buttons, every page's run buttons.
    EXPECT_FALSE(Field("Text4")->isEnabled());
    EXPECT_FALSE(Button("Command6")->isEnabled());
    EXPECT_FALSE(Button("Command1")->isEnabled());
    EXPECT_FALSE(Button("Command27_0")->isEnabled());
    EXPECT_TRUE(Button("Command2")->isEnabled());  // another page's clear button
    EXPECT_TRUE(form->StopButton()->isEnabled());

    // The event loop goes on: a timer fires, the tabs switch, the status counts the seconds.
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    EXPECT_TRUE(SpinUntil([&] { return fired; }));
    GoToPage(6);
    EXPECT_EQ(form->Tabs()->currentIndex(), 6);
    EXPECT_TRUE(SpinUntil([&] { return Status() == "计算中…1秒"; })) << Status().toStdString();
    GoToPage(2);

    form->StopButton()->click();
    WaitForRun();
    EXPECT_EQ(PaneText(2), QString("2 3 5 \n") + kStoppedLine);
    EXPECT_EQ(Label("Label6")->text(), "已停止:共3个");
    EXPECT_EQ(Status(), "已停止,用时0秒");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(form->StopButton()->isEnabled());
    EXPECT_TRUE(Field("Text4")->isEnabled());
    EXPECT_TRUE(Button("Command5")->isEnabled());
    EXPECT_TRUE(Button("Command27_0")->isEnabled());
    EXPECT_FALSE(QFile::exists(form->Run().ResultFile().Path()));
}

TEST_F(RunTest, EscapeStopsTheRunInsteadOfClearing) {
    Type(Field("Text4"), "1");
    StartListing();
    form->Keys().PressEscape();
    WaitForRun();
    EXPECT_EQ(PaneText(2), QString("2 3 5 \n") + kStoppedLine);
    EXPECT_EQ(Field("Text4")->text(), "1");
    // Without a run Esc clears again.
    form->Keys().PressEscape();
    EXPECT_EQ(Field("Text4")->text(), "");
    EXPECT_EQ(PaneText(2), "");
}

TEST_F(RunTest, ClosingDuringARunAsksAndStopsIt) {
    StartListing();
    platform.message_answers = {true};
    QCloseEvent close;
    QApplication::sendEvent(form.get(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(platform.messages.at(0).text, "您要退出吗?");
    EXPECT_TRUE(form->Run().StopAndJoin(std::chrono::seconds(1)));
}

TEST_F(RunTest, CalculatorDialogsOpenOnTheWindowThread) {
    GoToPage(6);
    Type(Field("Text22"), "-1");
    Type(Field("Text23"), "3");
    platform.text_answers = {QString("5")};
    Button("Command27_3")->click();  // A/B: a notice, then the precision prompt
    WaitForRun();
    EXPECT_EQ(Field("Text22")->text(), "1");  // written back from the run
    EXPECT_EQ(PaneText(6), "0.33333");
    ASSERT_EQ(platform.dialog_threads.size(), 2u);
    for (const std::thread::id thread : platform.dialog_threads)
        EXPECT_EQ(thread, std::this_thread::get_id());
}

TEST_F(RunTest, ABudgetCutsTheStoredListAndSaveWritesAllOfIt) {
    // A tiny budget and pane, and a tool that writes as the searches do: items while the sink
    // has room, then only counting, then the cut line.
    form->Run().ResultFile().SetBudget(40);
    form->Run().SetPaneLimit(30);
    GoToPage(2);
    const auto work = [](ResultSink& sink, const ProgressFn&) -> std::optional<QString> {
        int kept = 0;
        for (int item = 1; item <= 1000; ++item) {
            if (sink.Full()) continue;
            sink.Append(std::to_string(item) + " ");
            ++kept;
        }
        sink.EndLine();
        sink.Append("……列表过长,只保存了前" + std::to_string(kept) + "个,共1000个");
        return std::nullopt;
    };
    ASSERT_TRUE(form->Run().RunThroughResultFile(form->PageAt(2), form->Pane(2), 2, work));
    WaitForRun();
    // Items 1..17 reach the 40 bytes. The pane holds 30 characters, so it shows the stored file
    // itself: all of it, not a beginning cut inside an item.
    const QString stored = form->Pane(2)->StoredFile();
    ASSERT_TRUE(QFile::exists(stored));
    EXPECT_TRUE(form->Pane(2)->IsLong());
    EXPECT_EQ(PaneText(2),
              "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 \n"
              "……列表过长,只保存了前17个,共1000个");
    EXPECT_EQ(Status(), "用时0秒");

    const QString saved = dir.filePath("saved.txt");
    form->Pane(2)->setFocus();
    // A save that fails in the background still says so.
    platform.save_answer = dir.filePath("no such folder/saved.txt");
    form->Menu()->Save();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.messages.empty(); }));
    EXPECT_EQ(platform.messages.back().text,
              "无法保存到文件:\r\n" + platform.save_answer->toStdString());
    platform.messages.clear();

    platform.save_answer = saved;
    form->Menu()->Save();
    // The save goes on in the background; clearing the pane at once must not cut it short, and
    // lets the stored result go.
    Button("Command6")->click();
    EXPECT_FALSE(QFile::exists(stored));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved); }));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 \r\n"
                                         "……列表过长,只保存了前17个,共1000个\r\n"));
    EXPECT_TRUE(platform.messages.empty());
}

// Whether the core's searches cut their list at the sink's budget (they report it in `cut`).
template <typename Summary>
constexpr bool kSearchesCut = requires(Summary summary) {
    summary.cut;
};

TEST_F(RunTest, ATinyBudgetCutsThePrimeListButNotTheCount) {
    if constexpr (!kSearchesCut<SearchSummary>) {
        GTEST_SKIP() << "the searches do not cut at the budget yet";
    } else {
        form->Run().ResultFile().SetBudget(100);
        GoToPage(2);
        Type(Field("Text4"), "1");
        Type(Field("Text5"), "1000000");
        form->Keys().PressEnter();
        WaitForRun();
        QString text = PaneText(2);
        if (text.endsWith('\n')) text.chop(1);
        const qsizetype cut = text.lastIndexOf('\n');
        ASSERT_GT(cut, 0);
        EXPECT_TRUE(text.startsWith("2 3 5 7 11 "));
        const QString last = text.mid(cut + 1);
        EXPECT_TRUE(last.startsWith("……列表过长,只保存了前") && last.endsWith("个,共78498个"))
            << last.toStdString();
        EXPECT_EQ(Label("Label6")->text(), "共78498个");
        EXPECT_EQ(Status(), "用时0秒");
    }
}

struct GuardCase {
    const char* name;
    std::function<void()> fault;
    const char* message;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class RunGuardTest : public RunTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(RunGuardTest, AnExceptionOfARunBecomesAMessage) {
    const GuardCase& c = GetParam();
    GoToPage(2);
    form->Pane(2)->SetText("old");
    form->Run().ReportElapsed(0, 4);
    ASSERT_TRUE(form->Run().RunThroughResultFile(
        form->PageAt(2), form->Pane(2), 2,
        [&c](ResultSink& sink, const ProgressFn&) -> std::optional<QString> {
            sink.Append("2 3 ");
            c.fault();
            return std::nullopt;
        }));
    WaitForRun();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              (Message{c.message, "Numerel", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(PaneText(2), "");
    EXPECT_EQ(Status(), "计时(算)器");
    EXPECT_TRUE(Button("Command5")->isEnabled());
    EXPECT_FALSE(QFile::exists(form->Run().ResultFile().Path()));
    // The window is usable: the next run works.
    Type(Field("Text4"), "1");
    Type(Field("Text5"), "7");
    form->Keys().PressEnter();
    WaitForRun();
    EXPECT_EQ(PaneText(2), "2 3 5 7 ");
}

INSTANTIATE_TEST_SUITE_P(Faults, RunGuardTest,
                         ::testing::Values(GuardCase{"OutOfMemory", [] { throw std::bad_alloc(); },
                                                     "内存不足,计算已停止"},
                                           GuardCase{"OtherException",
                                                     [] { throw std::runtime_error("segment"); },
                                                     "计算出错,已停止:\nsegment"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A disk with `room` bytes for the result file: what does not fit fails with ENOSPC.
TempResultFile::RawWrite DiskWithRoom(std::uint64_t room) {
    return [room](int fd, std::string_view bytes) {
        struct stat info {};
        fstat(fd, &info);
        const auto size = static_cast<std::uint64_t>(info.st_size);
        const std::uint64_t free = room > size ? room - size : 0;
        TempResultFile::WriteResult result;
        result.stored = std::min<std::uint64_t>(free, bytes.size());
        if (result.stored > 0 && write(fd, bytes.data(), result.stored) < 0) result.stored = 0;
        if (result.stored < bytes.size()) result.error = ENOSPC;
        return result;
    };
}

// "2 3 5 7 11 ...": the whole items of the prime list that fit in `room` bytes.
QString PrimeItemsWithin(std::size_t room) {
    QString list;
    for (int n = 2;; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n && prime; ++d) prime = n % d != 0;
        if (!prime) continue;
        const QString item = QString::number(n) + ' ';
        if (static_cast<std::size_t>(list.size() + item.size()) > room) return list;
        list += item;
    }
}

struct DiskFullCase {
    const char* name;
    int page;
    const char* from;
    const char* to;
    std::uint64_t room;
    const char* count_field;  // the count caption or summary, exact in spite of the full disk
    const char* count;
    const char* last_line;
};

void PrintTo(const DiskFullCase& c, std::ostream* os) {
    *os << c.name;
}

class DiskFullTest : public RunTest, public ::testing::WithParamInterface<DiskFullCase> {};

TEST_P(DiskFullTest, ListEndsAtWhatWasStoredAndTheCountStaysExact) {
    const DiskFullCase& c = GetParam();
    form->Run().ResultFile().SetRawWrite(DiskWithRoom(c.room));
    GoToPage(c.page);
    const QString count_field = c.count_field;
    platform.on_message = [&](const Message&) {
        // The box comes after the result: list and count are already shown.
        EXPECT_FALSE(PaneText(c.page).isEmpty());
        const QString count =
            count_field == "Text9" ? Field("Text9")->text() : Label(count_field)->text();
        EXPECT_EQ(count, QString::fromUtf8(c.count));
    };
    Type(Field(c.page == 2 ? "Text4" : "Text16"), c.from);
    Type(Field(c.page == 2 ? "Text5" : "Text17"), c.to);
    form->Keys().PressEnter();
    WaitForRun();

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "无法写入临时结果文件 " +
                                             form->Run().ResultFile().Path().toStdString() + "\n" +
                                             std::strerror(ENOSPC));
    QString text = PaneText(c.page);
    if (text.endsWith('\n')) text.chop(1);
    const qsizetype last_break = text.lastIndexOf('\n');
    EXPECT_EQ(text.mid(last_break + 1), QString::fromUtf8(c.last_line));
    const QString stored = text.left(std::max<qsizetype>(last_break, 0));
    EXPECT_LE(static_cast<std::uint64_t>(stored.toUtf8().size() + stored.count('\n')), c.room);
    if (c.page == 2) {
        EXPECT_EQ(stored, PrimeItemsWithin(c.room));
    } else {
        // Whole lines only, from the first number on.
        const QStringList lines = stored.split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.front(), " 2 的因数有:(1,2)");
        static const QRegularExpression line(R"(^ \d+ 的因数有:(\(\d+,\d+\))+(●\d+是完全数)?$)");
        for (const QString& l : lines) EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    }
}

// pi(10^6) = 78498; the perfect numbers up to 10^4 are 6, 28, 496 and 8128.
INSTANTIATE_TEST_SUITE_P(
    Disks, DiskFullTest,
    ::testing::Values(DiskFullCase{"NoRoomAtAll", 2, "1", "1000000", 0, "Label6", "共78498个",
                                   "……磁盘已满,只保存了以上部分,共78498个"},
                      DiskFullCase{"FillsDuringTheList", 2, "1", "1000000", 1000, "Label6",
                                   "共78498个", "……磁盘已满,只保存了以上部分,共78498个"},
                      DiskFullCase{"FillsBeforeThePerfectNumbers", 5, "2", "10000", 3000, "Text9",
                                   "6、28、496、8128、共4个",
                                   "……磁盘已满,只保存了以上部分,共9999个"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numerel::ui::testing
