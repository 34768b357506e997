#include "highscoretable.h"

#include "ansitext.h"
#include "atomicfile.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int kNameOffset = 0;
constexpr int kDateOffset = 31;
constexpr int kPointsOffset = 44;

void encodeEntry(const HighScoreEntry& entry, char* out) {
    writeShortString(out + kNameOffset, HighScoreTable::kNameLength, entry.name);
    writeShortString(out + kDateOffset, HighScoreTable::kDateLength, entry.date);
    qToLittleEndian<quint32>(entry.points, out + kPointsOffset);
}

HighScoreEntry decodeEntry(const char* in) {
    return {readShortString(in + kNameOffset, HighScoreTable::kNameLength),
            readShortString(in + kDateOffset, HighScoreTable::kDateLength),
            qFromLittleEndian<quint32>(in + kPointsOffset)};
}

} // namespace

HighScoreTable::HighScoreTable() {
    const HighScoreEntry unused{QStringLiteral("Unbelegt"), QStringLiteral("00.00.0000"), 0};
    std::fill(entries_.begin(), entries_.begin() + kShownRanks, unused);
}

const HighScoreEntry& HighScoreTable::entry(int number) const {
    Q_ASSERT(number >= 1 && number <= kEntryCount);
    return entries_[static_cast<size_t>(std::clamp(number, 1, kEntryCount) - 1)];
}

void HighScoreTable::enterHighScore(const QString& name, quint32 points, const QDate& today) {
    entries_.back() = {name.left(kNameLength), today.toString(QStringLiteral("dd.MM.yyyy")), points};
    sort();
}

void HighScoreTable::sort() {
    // The full 31 passes of the original bubble sort; a strict comparison keeps it stable.
    for (int pass = 0; pass < kEntryCount; ++pass) {
        for (size_t j = 0; j + 1 < entries_.size(); ++j) {
            if (entries_[j].points < entries_[j + 1].points)
                std::swap(entries_[j], entries_[j + 1]);
        }
    }
}

QByteArray HighScoreTable::toBytes() const {
    QByteArray bytes(kFileBytes, '\0');
    for (size_t i = 0; i < entries_.size(); ++i)
        encodeEntry(entries_[i], bytes.data() + i * kEntryBytes);
    return bytes;
}

void HighScoreTable::overwriteBytes(QByteArrayView bytes) {
    QByteArray image = toBytes();
    const qsizetype covered = std::min<qsizetype>(bytes.size(), kFileBytes);
    if (covered > 0)
        std::memcpy(image.data(), bytes.data(), static_cast<size_t>(covered));
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i] = decodeEntry(image.constData() + i * kEntryBytes);
}

bool loadHighScoreTable(HighScoreTable& table, const QString& path) {
    const std::optional<QByteArray> bytes = readFileStart(path, HighScoreTable::kFileBytes);
    if (!bytes)
        return false;
    table.overwriteBytes(*bytes);
    return true;
}

FileWriteResult saveHighScoreTable(const HighScoreTable& table, const QString& path) {
    return writeFileAtomically(path, table.toBytes());
}
