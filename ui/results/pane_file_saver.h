// Saving a pane's text as a plain-text file: CR LF line ends, the locale's encoding, and an
// old file that survives any failure.
#pragma once

#include <QByteArray>
#include <QString>

namespace numerel::ui {

// The character set of the process's LC_CTYPE locale as the C library names it ("UTF-8",
// "GB18030", "ANSI_X3.4-1968", ...).
QByteArray LocaleCodeset();

// The pane's text with every line end written as CR LF and one CR LF appended, encoded in
// `codeset`. Falls back to UTF-8 when the codeset is unknown or cannot represent every
// character, so nothing the pane shows is lost.
QByteArray EncodePaneText(const QString& text, const QByteArray& codeset);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a failure
// leaves the old file (if any) as it was. False on failure.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The extension a file-type filter names, without the dot: "txt" for "文本文件(*.txt)"; empty
// when the filter names none (such as "*").
QString FilterExtension(const QString& filter);

// EncodePaneText in the locale's codeset, then WriteFileAtomically.
bool SavePaneText(const QString& path, const QString& text);

}  // namespace numerel::ui
