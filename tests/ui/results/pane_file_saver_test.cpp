#include "ui/results/pane_file_saver.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

namespace numerel::ui {
namespace {

TEST(EncodePaneText, CrLfLineEndsInTheLocaleEncodingOrUtf8) {
    const QString twins = QString::fromUtf8("此区间内没有孪生素数对");
    const QByteArray twins_utf8 = twins.toUtf8();
    const QByteArray twins_gb =
        "\xB4\xCB\xC7\xF8\xBC\xE4\xC4\xDA\xC3\xBB\xD3\xD0\xC2\xCF\xC9\xFA\xCB\xD8\xCA\xFD\xB6\xD4";
    const struct {
        const char* name;
        QString text;
        QByteArray codeset;
        QByteArray bytes;
    } rows[] = {
        {"utf8", twins, "UTF-8", twins_utf8 + "\r\n"},
        {"gb18030", twins, "GB18030", twins_gb + "\r\n"},
        {"gbk", twins, "GBK", twins_gb + "\r\n"},
        {"gb18030_four_byte_character", QString::fromUtf8("\U00020000"), "GB18030",
         "\x95\x32\x82\x36\r\n"},
        {"gbk_lacks_the_character_so_utf8", QString::fromUtf8("\U00020000"), "GBK",
         "\xF0\xA0\x80\x80\r\n"},
        {"ascii_locale_keeps_ascii", "12=2^2*3", "ANSI_X3.4-1968", "12=2^2*3\r\n"},
        {"ascii_locale_cannot_hold_chinese", twins, "ANSI_X3.4-1968", twins_utf8 + "\r\n"},
        {"latin1_cannot_hold_chinese", twins, "ISO-8859-1", twins_utf8 + "\r\n"},
        {"latin1_holds_the_times_sign", QString::fromUtf8("6=2×3"), "ISO-8859-1",
         "6=2\xD7"
         "3\r\n"},
        {"unknown_codeset", twins, "NO-SUCH-CODESET", twins_utf8 + "\r\n"},
        {"no_codeset", twins, "", twins_utf8 + "\r\n"},
        {"line_ends", "2\n3\r\n5\r7", "UTF-8", "2\r\n3\r\n5\r\n7\r\n"},
        {"empty", "", "UTF-8", "\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(EncodePaneText(row.text, row.codeset).toHex(' '), row.bytes.toHex(' '));
    }
}

// Files larger than `bytes` cannot be written for one test; the signal that would end the
// process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
    bool ok_ = false;
};

TEST(WriteFileAtomically, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = QDir(dir.path()).filePath("result.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old result\r\n"));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(WriteFileAtomically(path, QByteArray(100000, '7')));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old result\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"result.txt"});
}

TEST(WriteFileAtomically, ReplacesAnOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = QDir(dir.path()).filePath("r.doc");
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray(5000, 'x')));
    ASSERT_TRUE(WriteFileAtomically(path, "4=2^2\r\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "4=2^2\r\n");
}

}  // namespace
}  // namespace numerel::ui
