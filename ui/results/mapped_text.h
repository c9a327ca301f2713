// The text of a long pane as UTF-8 bytes: a stored result file mapped into memory (up to the
// 1 GiB budget, never copied) or a text handed over in memory. Immutable once made, so a Find on
// another thread can share it while the pane goes on showing it.
//
// Positions outside this class count UTF-16 code units of the pane's text, whose line ends are LF
// (a result file's CR LF is one unit, its CR none); inside it they are byte offsets. An index of
// the units before every block of 64 KiB makes either conversion cost at most one block's scan.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace numerel::ui {

class MappedText {
public:
    // Maps the file at `path`; nullptr when it cannot be opened or mapped, or is over 2 GiB.
    static std::shared_ptr<const MappedText> MapFile(const QString& path);
    // Holds `text` (line ends as LF) as UTF-8.
    static std::shared_ptr<const MappedText> FromString(const QString& text);

    MappedText(const MappedText&) = delete;
    MappedText& operator=(const MappedText&) = delete;
    ~MappedText();

    const char* Data() const { return data_; }
    int Size() const { return size_; }
    // The length of the pane's text in code units.
    qint64 Units() const { return total_units_; }
    // The code units before byte `byte` (a character boundary).
    qint64 UnitsBefore(int byte) const;
    // The byte where code unit `unit` starts (the second unit of a pair maps to its character's
    // start); Size() at or past the end.
    int ByteOfUnit(qint64 unit) const;
    // The text of bytes [from, to) as the pane shows it: CR dropped.
    QString Decode(int from, int to) const;
    // The whole text as the pane shows it (memory: twice the bytes; only for saving and tests).
    QString Whole() const { return Decode(0, size_); }

    // The 0-based unit position of the first occurrence of `needle` starting at or after unit
    // `from`, or -1. Exact and case-sensitive. Linear in the bytes searched.
    qint64 FindForward(const QString& needle, qint64 from) const;
    // The last occurrence starting at or before unit `from`, or -1.
    qint64 FindBackward(const QString& needle, qint64 from) const;
    // Every position where `needle` occurs, overlapping ones too.
    std::uint64_t Count(const QString& needle) const;

    static bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

private:
    MappedText() = default;
    void BuildIndex();
    // `needle` as it is stored: UTF-8, each LF as CR LF where the text has CR LF line ends.
    QByteArray Stored(const QString& needle) const;

    QFile file_;
    QByteArray owned_;
    const char* data_ = nullptr;
    int size_ = 0;
    bool crlf_ = false;
    std::vector<qint64> block_units_;  // units before each block
    qint64 total_units_ = 0;
};

}  // namespace numerel::ui
