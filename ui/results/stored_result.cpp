#include "ui/results/stored_result.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace numerel::ui {

namespace {

constexpr qint64 kChunk = qint64{1} << 20;
constexpr qint64 kTailBytes = qint64{1} << 16;

// The file's last line (without its line end) if it starts at or after byte `from` and within
// the last kTailBytes; otherwise the part of that window after `from` up to the last line.
QString LastLine(QFile& in, qint64 from) {
    const qint64 size = in.size();
    const qint64 start = std::max(from, size - kTailBytes);
    if (start >= size || !in.seek(start)) return {};
    QByteArray bytes = in.read(size - start);
    while (!bytes.isEmpty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.chop(1);
    const qsizetype newline = bytes.lastIndexOf('\n');
    if (newline < 0 && start > from) return {};  // the last line is longer than the window
    qsizetype begin = newline + 1;
    // Never start inside a UTF-8 sequence.
    while (begin < bytes.size() && (static_cast<unsigned char>(bytes[begin]) & 0xC0) == 0x80)
        ++begin;
    QString line = QString::fromUtf8(bytes.mid(begin));
    CrLfAndCrToLf(line);
    return line;
}

// Where `head` ends in the file: its UTF-8 length, with each LF standing for the CR LF the
// result files have.
qint64 FileBytesOf(const QString& head) {
    qint64 bytes = 0;
    for (const QChar c : head) {
        const char16_t u = c.unicode();
        bytes += u < 0x80 ? (u == u'\n' ? 2 : 1) : u < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

}  // namespace

void CrLfAndCrToLf(QString& text) {
    if (!text.contains(u'\r')) return;
    QChar* units = text.data();
    const qsizetype size = text.size();
    qsizetype out = 0;
    for (qsizetype in = 0; in < size; ++in) {
        if (units[in] == u'\r') {
            units[out++] = u'\n';
            if (in + 1 < size && units[in + 1] == u'\n') ++in;
        } else {
            units[out++] = units[in];
        }
    }
    text.truncate(out);
}

QString OmittedLine(qsizetype shown, qint64 stored_bytes) {
    return QString("……(窗格只显示前%1个字符和最后一行;右键菜单的“保存”写入已保存的全部%2字节)")
        .arg(shown)
        .arg(stored_bytes);
}

qsizetype ItemBoundary(const QString& text, qsizetype limit) {
    limit = std::min(limit, text.size());
    // A line-by-line result ends at its last whole line; a one-line list (primes, pairs) at its
    // last whole item.
    const qsizetype window = std::min<qsizetype>(limit, qsizetype{1} << 20);
    qsizetype item = -1;
    for (qsizetype i = limit - 1; i >= limit - window; --i) {
        const QChar c = text.at(i);
        if (c == u'\n') return i + 1;
        if (item < 0 && (c == u' ' || c == u')')) item = i + 1;
    }
    if (item >= 0) return item;
    return window == limit ? 0 : limit;
}

std::optional<PaneContent> ReadForPane(const QString& path, qsizetype limit) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    PaneContent content;
    // Line ends are made LF chunk by chunk, so the limit counts what the pane holds; a CR at the
    // end of a chunk waits for the LF that may start the next one.
    QString carry;
    while (content.text.size() <= limit && !in.atEnd()) {
        const QByteArray bytes = in.read(kChunk);
        if (bytes.isEmpty()) break;
        QString piece = carry + decoder.decode(bytes);
        carry.clear();
        if (!in.atEnd() && piece.endsWith(u'\r')) {
            carry = QStringLiteral("\r");
            piece.chop(1);
        }
        CrLfAndCrToLf(piece);
        content.text += piece;
    }
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    if (in.atEnd() && content.text.size() <= limit) return content;

    content.complete = false;
    qsizetype keep = ItemBoundary(content.text, limit);
    if (keep > 0 && content.text.at(keep - 1).isHighSurrogate()) --keep;
    content.text.truncate(keep);
    const QString last = LastLine(in, FileBytesOf(content.text));
    if (!content.text.isEmpty() && !content.text.endsWith(u'\n')) content.text += u'\n';
    content.text += OmittedLine(keep, in.size());
    if (!last.isEmpty()) content.text += '\n' + last;
    return content;
}

bool SaveStoredResult(QFile& stored, const QString& path, const QByteArray& codeset) {
    const bool utf8 = codeset.isEmpty() || codeset.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
                      codeset.compare("utf8", Qt::CaseInsensitive) == 0;
    // First in the locale's codeset; a character it cannot hold restarts the save in UTF-8.
    for (const bool recode : {!utf8, false}) {
        QSaveFile out(path);
        if (!stored.seek(0) || !out.open(QIODevice::WriteOnly)) return false;
        QStringDecoder decoder(QStringDecoder::Utf8);
        QStringEncoder encoder(codeset.constData());
        if (recode && !encoder.isValid()) continue;
        bool ok = true;
        while (ok && !stored.atEnd()) {
            QByteArray bytes = stored.read(kChunk);
            if (bytes.isEmpty()) break;
            if (recode) {
                bytes = encoder.encode(decoder.decode(bytes));
                if (encoder.hasError()) break;
            }
            ok = out.write(bytes) == bytes.size();
        }
        if (recode && encoder.hasError()) continue;
        if (!ok || stored.error() != QFileDevice::NoError || out.write("\r\n", 2) != 2)
            return false;
        return out.commit();
    }
    return false;
}

}  // namespace numerel::ui
