#pragma once

#include "atomicfile.h"
#include "statentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// All names that ever finished a game, in the order they first did. In the file: the count
// (int32) and 1000 entries of 27 bytes each, name (length byte + 10) then games, wins,
// pairsFound and misses (int32, little-endian); entries beyond the count and bytes after a
// name are zeros.
struct StatTable {
    static constexpr int kMaxEntries = 1000;
    static constexpr int kEntryBytes = 27;
    static constexpr int kFileBytes = 4 + kMaxEntries * kEntryBytes;

    std::vector<StatEntry> entries; // entry e (1-based) is entries[e - 1]

    int count() const { return static_cast<int>(entries.size()); }
};

QByteArray encodeStatTable(const StatTable& table);
// A damaged table is read within bounds: a negative count as 0, a count beyond 1000 or beyond
// the entries the bytes hold as that limit, a name length above 10 as 10.
StatTable decodeStatTable(QByteArrayView bytes);

// Nothing when the file is missing or unreadable.
std::optional<StatTable> readStatTable(const QString& path);
FileWriteResult writeStatTable(const QString& path, const StatTable& table);
