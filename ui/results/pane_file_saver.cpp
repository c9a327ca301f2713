#include "ui/results/pane_file_saver.h"

#include <langinfo.h>

#include <QRegularExpression>
#include <QSaveFile>
#include <QStringEncoder>

namespace numerel::ui {

QByteArray LocaleCodeset() {
    // QCoreApplication has already adopted the user's locale with setlocale(LC_ALL, "").
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr ? QByteArray(codeset) : QByteArray();
}

QByteArray EncodePaneText(const QString& text, const QByteArray& codeset) {
    QString plain = text;
    // The pane keeps line ends as LF; the file has them as CR LF, like its last line.
    plain.replace("\r\n", "\n");
    plain.replace('\r', '\n');
    plain.replace('\n', "\r\n");
    plain += "\r\n";

    if (!codeset.isEmpty()) {
        QStringEncoder encoder(codeset.constData(), QStringConverter::Flag::Stateless);
        if (encoder.isValid()) {
            QByteArray bytes = encoder.encode(plain);
            // Some encoders substitute '?' without flagging it; reading back catches those.
            QStringDecoder decoder(codeset.constData(), QStringConverter::Flag::Stateless);
            if (!encoder.hasError() && decoder.isValid() && QString(decoder.decode(bytes)) == plain)
                return bytes;
        }
    }
    return plain.toUtf8();
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // An unfinished QSaveFile removes its temporary file and never touches `path`.
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(R"(\*\.([^\s;()*?\[\]]+))");
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool SavePaneText(const QString& path, const QString& text) {
    return WriteFileAtomically(path, EncodePaneText(text, LocaleCodeset()));
}

}  // namespace numerel::ui
