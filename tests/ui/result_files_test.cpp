// The result files on disk: the budget that keeps a run from filling the disk, and the removal
// of the directories that killed runs leave behind.
#include <gtest/gtest.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/result_directory.h"
#include "ui/stored_result.h"
#include "ui/temp_result_file.h"

namespace numerel::ui::testing {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

TEST(ResultBudget, DefaultTakesAQuarterOfTheFreeSpaceAndLeavesFivePercent) {
    struct Row {
        std::uint64_t free;
        std::uint64_t total;
        std::uint64_t budget;
    };
    for (const Row& row : {Row{100 * kGiB, 200 * kGiB, kGiB}, Row{2 * kGiB, 4 * kGiB, 512 * kMiB},
                           Row{6 * kGiB, 100 * kGiB, 1020 * kMiB}, Row{2 * kGiB, 100 * kGiB, 0}}) {
        SCOPED_TRACE(std::to_string(row.free) + " of " + std::to_string(row.total));
        EXPECT_EQ(DefaultResultBudget(row.free, row.total), row.budget);
    }
}

TEST(ResultBudget, FullAtTheBudgetAndNothingStoredPastTheMargin) {
    QTemporaryDir dir;
    TempResultFile file(dir.path());
    file.SetBudget(10);
    ASSERT_TRUE(file.Open());
    file.Append("123456789");
    EXPECT_FALSE(file.Full());
    file.Append("0");
    EXPECT_TRUE(file.Full());
    file.Append(std::string(kBudgetMargin - 2, 'x'));
    file.EndLine();
    file.Append("dropped");
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(QFileInfo(file.Path()).size(), static_cast<qint64>(10 + kBudgetMargin));
}

// A result of many CR LF lines that fits the pane once its line ends are LF is shown whole,
// however it falls into the chunks it is read in; a longer one shows its head, a note and its end.
TEST(PaneContentOfAResultFile, LimitCountsTheLineEndsAsThePaneHoldsThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray lines;
    for (int i = 0; i < 300000; ++i) lines += "ab\r\n";
    file.write(lines + "末行");
    file.close();
    const QString whole = QString("ab\n").repeated(300000) + "末行";

    const std::optional<PaneContent> fits = ReadForPane(path, whole.size());
    ASSERT_TRUE(fits);
    EXPECT_TRUE(fits->complete);
    EXPECT_EQ(fits->text, whole);

    const std::optional<PaneContent> cut = ReadForPane(path, whole.size() - 1);
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut->complete);
    // The head ends at its last whole line; the note and the file's last line follow.
    EXPECT_EQ(cut->text,
              QString("ab\n").repeated(300000) + OmittedLine(900000, 1200006) + "\n末行");
}

TEST(StaleResultDirectories, OnlyThoseOfGoneOwnersAreRemoved) {
    QTemporaryDir root;
    const auto make = [&](const QString& name) {
        EXPECT_TRUE(QDir(root.path()).mkdir(name));
        const QString path = QDir(root.path()).filePath(name);
        QFile result(QDir(path).filePath("a.txt"));
        EXPECT_TRUE(result.open(QIODevice::WriteOnly));
        return path;
    };
    const auto lock_of = [](const QString& dir) { return QDir(dir).filePath(kResultDirLock); };

    // A live owner: this process holds the lock.
    const QString live = make("numerel-live01");
    QLockFile held(lock_of(live));
    held.setStaleLockTime(0);
    ASSERT_TRUE(held.tryLock(0));

    // A killed owner: its lock names a process that no longer runs.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 dead_pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QByteArray lock_text;
    {
        QFile ours(lock_of(live));
        ASSERT_TRUE(ours.open(QIODevice::ReadOnly));
        lock_text = ours.readAll();
    }
    lock_text = QByteArray::number(dead_pid) + lock_text.mid(lock_text.indexOf('\n'));
    const QString dead = make("numerel-dead01");
    QFile dead_lock(lock_of(dead));
    ASSERT_TRUE(dead_lock.open(QIODevice::WriteOnly));
    dead_lock.write(lock_text);
    dead_lock.close();

    // Without a lock (an older version): removed once it has not changed for a while.
    const QString old = make("numerel-old001");
    const utimbuf hour_ago{time(nullptr) - 3600, time(nullptr) - 3600};
    ASSERT_EQ(utime(QFile::encodeName(old).constData(), &hour_ago), 0);
    const QString fresh = make("numerel-new001");
    const QString other = make("other-dir");

    EXPECT_EQ(RemoveStaleResultDirectories(root.path()), 2);
    EXPECT_TRUE(QFileInfo::exists(QDir(live).filePath("a.txt")));
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_TRUE(QFileInfo::exists(fresh));
    EXPECT_TRUE(QFileInfo::exists(other));
}

}  // namespace
}  // namespace numerel::ui::testing
