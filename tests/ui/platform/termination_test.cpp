// The real program under SIGTERM and SIGHUP, as a logout or `kill` sends them: it must end
// cleanly and take its temporary result folder (which may hold a gigabyte) with it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(TerminationSignal, EndsTheProgramAndRemovesItsResultFolder) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QTemporaryDir tmp;
        ASSERT_TRUE(tmp.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", tmp.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(NUMEREL_APP_PATH, {});
        ASSERT_TRUE(program.waitForStarted());
        const QDir folder(tmp.path());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !folder.entryList({"numerel-*"}, QDir::Dirs).isEmpty(); }, 30000));
        ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signal), 0);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(folder.entryList({"numerel-*"}, QDir::AllEntries), QStringList{});
    }
}

}  // namespace
