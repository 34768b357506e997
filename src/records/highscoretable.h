#pragma once

#include "atomicfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <array>

// One single-game result.
struct HighScoreEntry {
    QString name; // at most 30 characters
    QString date; // at most 12 characters
    quint32 points = 0;

    bool operator==(const HighScoreEntry&) const = default;
};

// The 30 best results, ranks 1..30, and entry 31, the slot a new result is sorted in from. Kept
// in the file as the 31 entries of 48 bytes each: name (length byte + 30), date (length byte +
// 12), points (unsigned 32 bits, little-endian). Bytes after a text are written as zeros.
class HighScoreTable {
public:
    static constexpr int kEntryCount = 31;
    static constexpr int kShownRanks = 30;
    static constexpr int kNameLength = 30;
    static constexpr int kDateLength = 12;
    static constexpr int kEntryBytes = 48;
    static constexpr int kFileBytes = kEntryCount * kEntryBytes;

    // Ranks 1..30 "Unbelegt", "00.00.0000", 0; entry 31 empty.
    HighScoreTable();

    // number 1..31.
    const HighScoreEntry& entry(int number) const;

    // Puts the result (name cut to 30 characters, date as dd.MM.yyyy) into entry 31 and sorts it in.
    void enterHighScore(const QString& name, quint32 points, const QDate& today);
    // Descending by points; equal points never change places, so the earlier result ranks higher.
    void sort();

    QByteArray toBytes() const;
    // Overwrites the table byte by byte with `bytes` (at most kFileBytes of them); what they do
    // not reach keeps its content, even the rest of an entry they reach only partly.
    void overwriteBytes(QByteArrayView bytes);

private:
    std::array<HighScoreEntry, kEntryCount> entries_;
};

// Fills the table from the file when it exists; false (table unchanged) when it cannot be read.
bool loadHighScoreTable(HighScoreTable& table, const QString& path);
// Writes all 31 entries, 1488 bytes; false (old file kept) on failure.
FileWriteResult saveHighScoreTable(const HighScoreTable& table, const QString& path);
