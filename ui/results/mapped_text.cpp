#include "ui/results/mapped_text.h"

#include <string.h>

#include <algorithm>
#include <climits>

namespace numerel::ui {

namespace {

constexpr int kBlockShift = 16;
// A backward search looks at this much of the text at a time.
constexpr int kBackWindow = 1 << 20;

// The code units one byte of UTF-8 contributes: a character's first byte counts for the whole
// character (two for one outside the basic plane), a CR for none.
int UnitsOfByte(unsigned char c, bool crlf) {
    if ((c & 0xC0) == 0x80) return 0;
    if (c == '\r' && crlf) return 0;
    return c >= 0xF0 ? 2 : 1;
}

}  // namespace

MappedText::~MappedText() {
    if (file_.isOpen()) file_.close();  // unmaps
}

std::shared_ptr<const MappedText> MappedText::MapFile(const QString& path) {
    std::shared_ptr<MappedText> text(new MappedText);
    text->file_.setFileName(path);
    if (!text->file_.open(QIODevice::ReadOnly)) return nullptr;
    const qint64 size = text->file_.size();
    if (size >= INT_MAX) return nullptr;
    text->size_ = static_cast<int>(size);
    text->crlf_ = true;
    if (size > 0) {
        const uchar* map = text->file_.map(0, size);
        if (map == nullptr) return nullptr;
        text->data_ = reinterpret_cast<const char*>(map);
    } else {
        text->data_ = "";
    }
    text->BuildIndex();
    return text;
}

std::shared_ptr<const MappedText> MappedText::FromString(const QString& text) {
    std::shared_ptr<MappedText> held(new MappedText);
    held->owned_ = text.toUtf8();
    held->data_ = held->owned_.constData();
    held->size_ = static_cast<int>(held->owned_.size());
    held->BuildIndex();
    return held;
}

void MappedText::BuildIndex() {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_);
    block_units_.assign(static_cast<std::size_t>(size_ >> kBlockShift) + 1, 0);
    qint64 units = 0;
    for (int i = 0; i < size_; ++i) {
        if ((i & ((1 << kBlockShift) - 1)) == 0)
            block_units_[static_cast<std::size_t>(i >> kBlockShift)] = units;
        units += UnitsOfByte(bytes[i], crlf_);
    }
    if ((size_ & ((1 << kBlockShift) - 1)) == 0)
        block_units_[static_cast<std::size_t>(size_ >> kBlockShift)] = units;
    total_units_ = units;
}

qint64 MappedText::UnitsBefore(int byte) const {
    byte = std::clamp(byte, 0, size_);
    const int block = byte >> kBlockShift;
    qint64 units = block_units_[static_cast<std::size_t>(block)];
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_);
    for (int i = block << kBlockShift; i < byte; ++i) units += UnitsOfByte(bytes[i], crlf_);
    return units;
}

int MappedText::ByteOfUnit(qint64 unit) const {
    if (unit <= 0) return 0;
    if (unit >= total_units_) return size_;
    // The last block that starts at or before the unit.
    const auto after = std::upper_bound(block_units_.begin(), block_units_.end(), unit);
    const int block = static_cast<int>(after - block_units_.begin()) - 1;
    qint64 units = block_units_[static_cast<std::size_t>(block)];
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_);
    for (int i = block << kBlockShift; i < size_; ++i) {
        const int width = UnitsOfByte(bytes[i], crlf_);
        if (width > 0 && units + width > unit) return i;
        units += width;
    }
    return size_;
}

QString MappedText::Decode(int from, int to) const {
    from = std::clamp(from, 0, size_);
    to = std::clamp(to, from, size_);
    QString text = QString::fromUtf8(data_ + from, to - from);
    if (crlf_) text.remove(u'\r');
    return text;
}

QByteArray MappedText::Stored(const QString& needle) const {
    QByteArray bytes = needle.toUtf8();
    if (crlf_) bytes.replace("\n", "\r\n");
    return bytes;
}

qint64 MappedText::FindForward(const QString& needle, qint64 from) const {
    const QByteArray stored = Stored(needle);
    if (stored.isEmpty()) return -1;
    int start = ByteOfUnit(from);
    // The unit of a line end starts at its CR.
    if (crlf_ && start > 0 && data_[start - 1] == '\r') --start;
    if (start >= size_) return -1;
    const void* hit = memmem(data_ + start, static_cast<std::size_t>(size_ - start),
                             stored.constData(), static_cast<std::size_t>(stored.size()));
    if (hit == nullptr) return -1;
    return UnitsBefore(static_cast<int>(static_cast<const char*>(hit) - data_));
}

qint64 MappedText::FindBackward(const QString& needle, qint64 from) const {
    const QByteArray stored = Stored(needle);
    const int length = static_cast<int>(stored.size());
    if (length == 0 || from < 0) return -1;
    int last = ByteOfUnit(from);
    if (crlf_ && last > 0 && data_[last - 1] == '\r') --last;
    // Windows from the end backwards, overlapping by one needle less a byte.
    int end = static_cast<int>(std::min<qint64>(size_, qint64{last} + length));
    while (end >= length) {
        const int start = std::max(0, end - kBackWindow);
        const char* hit = std::find_end(data_ + start, data_ + end, stored.constData(),
                                        stored.constData() + length);
        if (hit != data_ + end) return UnitsBefore(static_cast<int>(hit - data_));
        if (start == 0) break;
        end = start + length - 1;
    }
    return -1;
}

std::uint64_t MappedText::Count(const QString& needle) const {
    const QByteArray stored = Stored(needle);
    if (stored.isEmpty()) return 0;
    std::uint64_t count = 0;
    const char* at = data_;
    const char* const end = data_ + size_;
    while (at < end) {
        const void* hit = memmem(at, static_cast<std::size_t>(end - at), stored.constData(),
                                 static_cast<std::size_t>(stored.size()));
        if (hit == nullptr) break;
        ++count;
        at = static_cast<const char*>(hit) + 1;  // overlapping occurrences count too
    }
    return count;
}

}  // namespace numerel::ui
