#include "statisticsfile.h"

#include "ansitext.h"
#include "stattable.h"

#include <algorithm>

namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() <= 0x20;
}

QString comparableStatName(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && isBlankOrControl(name[first]))
        ++first;
    while (last > first && isBlankOrControl(name[last - 1]))
        --last;
    return statListName(name.sliced(first, last - first));
}

void addTally(StatEntry& entry, const StatEntry& tally) {
    ++entry.games;
    entry.wins += tally.wins;
    entry.pairsFound += tally.pairsFound;
    entry.misses += tally.misses;
}

} // namespace

bool sameStatName(const QString& a, const QString& b) {
    return comparableStatName(a) == comparableStatName(b);
}

QString statListName(const QString& name) {
    QString upper = name;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

void mergeTallies(StatTable& table, const GameTallies& tallies, int playerCount) {
    const int participants = std::clamp(playerCount, 0, static_cast<int>(tallies.size()) - 1);
    for (int p = 1; p <= participants; ++p) {
        const StatEntry& tally = tallies[static_cast<size_t>(p)];
        // As it will read back from the file, so that it finds itself in later games.
        const QString name = ansiRepresentable(tally.name.left(kStatNameLength));
        bool found = false;
        for (StatEntry& entry : table.entries) {
            if (sameStatName(entry.name, name)) {
                addTally(entry, tally);
                found = true;
            }
        }
        if (!found && table.count() < StatTable::kMaxEntries)
            table.entries.push_back({name, 1, tally.wins, tally.pairsFound, tally.misses});
    }
}

FileWriteResult updateStatisticsFile(const QString& path, const GameTallies& tallies, int playerCount) {
    StatTable table = readStatTable(path).value_or(StatTable{});
    mergeTallies(table, tallies, playerCount);
    return writeStatTable(path, table);
}
