#include "ansitext.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char toAnsiByte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), unit);
    if (found == kHighControls.end())
        return '?';
    return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

} // namespace

QByteArray toAnsi(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the basic plane is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(c.isSurrogate() ? '?' : toAnsiByte(c.unicode()));
    }
    return bytes;
}

QString fromAnsi(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(value >= 0x80 && value < 0xA0 ? QChar(kHighControls[value - 0x80]) : QChar(value));
    }
    return text;
}

QString ansiRepresentable(QStringView text) {
    return fromAnsi(toAnsi(text));
}

QString readShortString(const char* field, int capacity) {
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return fromAnsi(QByteArrayView(field + 1, length));
}

void writeShortString(char* field, int capacity, QStringView text) {
    const QByteArray bytes = toAnsi(text).left(capacity);
    std::memset(field, 0, static_cast<size_t>(capacity) + 1);
    field[0] = static_cast<char>(bytes.size());
    std::memcpy(field + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}
