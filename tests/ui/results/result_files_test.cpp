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
#include <memory>

#include "ui/results/result_directory.h"
#include "ui/results/stored_result.h"
#include "ui/results/temp_result_file.h"

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

TEST(StaleResultDirectories, OnlyOursWithGoneOwnersAreRemoved) {
    QTemporaryDir root;
    const QByteArray saved_tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(root.path()));
    // A live owner: a directory as the window makes it, held by this process.
    auto live = std::make_unique<ResultDirectory>();
    if (saved_tmpdir.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", saved_tmpdir);
    }
    ASSERT_EQ(QFileInfo(live->Path()).absolutePath(), QFileInfo(root.path()).absoluteFilePath());

    const auto make = [&](const QString& name, bool marked) {
        EXPECT_TRUE(QDir(root.path()).mkdir(name));
        const QString path = QDir(root.path()).filePath(name);
        QFile result(QDir(path).filePath("a.txt"));
        EXPECT_TRUE(result.open(QIODevice::WriteOnly));
        if (marked) {
            EXPECT_TRUE(QFile::copy(QDir(live->Path()).filePath(kResultDirMarker),
                                    QDir(path).filePath(kResultDirMarker)));
        }
        return path;
    };
    // A lock naming a process that no longer runs, as a killed owner leaves it.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 dead_pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QByteArray lock_text;
    {
        QFile ours(QDir(live->Path()).filePath(kResultDirLock));
        ASSERT_TRUE(ours.open(QIODevice::ReadOnly));
        lock_text = ours.readAll();
    }
    lock_text = QByteArray::number(dead_pid) + lock_text.mid(lock_text.indexOf('\n'));
    const auto lock_dead = [&](const QString& dir) {
        QFile lock(QDir(dir).filePath(kResultDirLock));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(lock_text);
    };
    const utimbuf hour_ago{time(nullptr) - 3600, time(nullptr) - 3600};

    const QString dead = make("numerel-dead01", true);
    lock_dead(dead);
    const QString released = make("numerel-gone01", true);
    // Someone else's folders that match the pattern, old and even with a dead lock.
    const QString keep = make("numerel-keepme", false);
    ASSERT_EQ(utime(QFile::encodeName(keep).constData(), &hour_ago), 0);
    const QString keep_locked = make("numerel-build1", false);
    lock_dead(keep_locked);
    ASSERT_EQ(utime(QFile::encodeName(keep_locked).constData(), &hour_ago), 0);

    EXPECT_EQ(RemoveStaleResultDirectories(root.path()), 2);
    EXPECT_TRUE(QFileInfo::exists(QDir(live->Path()).filePath(kResultDirMarker)));
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_FALSE(QFileInfo::exists(released));
    EXPECT_TRUE(QFileInfo::exists(QDir(keep).filePath("a.txt")));
    EXPECT_TRUE(QFileInfo::exists(QDir(keep_locked).filePath("a.txt")));
}

}  // namespace
}  // namespace numerel::ui::testing
