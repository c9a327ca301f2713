// A result file as a pane shows and saves it. A pane reads at most kPaneCharLimit characters of
// a result into memory; a longer one is shown from its file, mapped whole (MappedText). Where it
// cannot be mapped the pane shows its beginning up to a whole item, a line that says what was
// left out, and the file's last line (where a cut or stopped list says so), while "保存" writes
// the whole file.
#pragma once

#include <QString>
#include <optional>

class QFile;

namespace numerel::ui {

inline constexpr qsizetype kPaneCharLimit = qsizetype{1} << 24;

struct PaneContent {
    QString text;          // line ends as LF
    bool complete = true;  // false: the text is only part of the file
};

// CR LF and lone CR become LF (LF CR stays two line ends), in one pass (QString::replace moves the
// tail of the text once per batch of hits, which takes seconds on a million lines).
void CrLfAndCrToLf(QString& text);

// Reads the UTF-8 file at `path` for a pane; nullopt when it cannot be read.
std::optional<PaneContent> ReadForPane(const QString& path, qsizetype limit = kPaneCharLimit);

// The line that stands for the part of a result the pane leaves out: how much the pane shows
// and what "保存" writes (the whole stored file, `stored_bytes` long).
QString OmittedLine(qsizetype shown, qint64 stored_bytes);

// Where a pane may cut `text` at or before `limit` without splitting an item: after the last
// line end, or on a one-line list after the last blank or ')'.
qsizetype ItemBoundary(const QString& text, qsizetype limit);

// Writes the stored result open in `stored` (UTF-8, CR LF line ends) to `path` as a pane's save
// writes its text: one more CR LF at the end, in `codeset` (falling back to UTF-8 when the
// codeset is unknown or cannot represent every character). The old file at `path` survives a
// failure. Linear in the file's size (about 3 s a gigabyte here); any thread.
bool SaveStoredResult(QFile& stored, const QString& path, const QByteArray& codeset);

}  // namespace numerel::ui
