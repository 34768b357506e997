#pragma once

#include "atomicfile.h"
#include "statentry.h"

#include <QString>

struct StatTable;

// Names are the same person when they match after trimming blanks and control characters and
// turning a..z into A..Z; umlauts and other letters stay as they are (Jörg is not JÖRG).
bool sameStatName(const QString& a, const QString& b);

// The name as the statistics list shows it: a..z turned into A..Z, nothing else.
QString statListName(const QString& name);

// Adds the tallies of participants 1..playerCount to every entry of the same name, or appends
// a new entry with the name as typed (first 10 characters). Entries appended for earlier
// participants of this game count too, so equal names of one game share one entry. A new
// name beyond 1000 entries is not recorded.
void mergeTallies(StatTable& table, const GameTallies& tallies, int playerCount);

// Reads the file (missing or unreadable: empty), merges and writes it back whole.
FileWriteResult updateStatisticsFile(const QString& path, const GameTallies& tallies, int playerCount);
