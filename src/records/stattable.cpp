#include "stattable.h"

#include "ansitext.h"
#include "atomicfile.h"
#include "recordslog.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr int kCountBytes = 4;
constexpr int kCountersOffset = 1 + kStatNameLength;

void encodeEntry(const StatEntry& entry, char* out) {
    writeShortString(out, kStatNameLength, entry.name);
    const qint32 counters[] = {entry.games, entry.wins, entry.pairsFound, entry.misses};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<qint32>(counters[i], out + kCountersOffset + 4 * i);
}

StatEntry decodeEntry(const char* in) {
    const auto counter = [in](int i) { return qFromLittleEndian<qint32>(in + kCountersOffset + 4 * i); };
    return {readShortString(in, kStatNameLength), counter(0), counter(1), counter(2), counter(3)};
}

} // namespace

QByteArray encodeStatTable(const StatTable& table) {
    QByteArray bytes(StatTable::kFileBytes, '\0');
    const int count = std::min(table.count(), StatTable::kMaxEntries);
    qToLittleEndian<qint32>(count, bytes.data());
    for (int e = 0; e < count; ++e)
        encodeEntry(table.entries[static_cast<size_t>(e)],
                    bytes.data() + kCountBytes + e * StatTable::kEntryBytes);
    return bytes;
}

StatTable decodeStatTable(QByteArrayView bytes) {
    StatTable table;
    if (bytes.size() < kCountBytes)
        return table;
    const qint32 stored = qFromLittleEndian<qint32>(bytes.data());
    const qsizetype present = (bytes.size() - kCountBytes) / StatTable::kEntryBytes;
    const int count =
        static_cast<int>(std::clamp<qint64>(stored, 0, std::min<qint64>(present, StatTable::kMaxEntries)));
    if (count != stored)
        qCInfo(lcRecords) << "statistics count" << stored << "read as" << count;
    table.entries.reserve(static_cast<size_t>(count));
    for (int e = 0; e < count; ++e)
        table.entries.push_back(decodeEntry(bytes.data() + kCountBytes + e * StatTable::kEntryBytes));
    return table;
}

std::optional<StatTable> readStatTable(const QString& path) {
    const std::optional<QByteArray> bytes = readFileStart(path, StatTable::kFileBytes);
    if (!bytes)
        return std::nullopt;
    return decodeStatTable(*bytes);
}

FileWriteResult writeStatTable(const QString& path, const StatTable& table) {
    return writeFileAtomically(path, encodeStatTable(table));
}
