#pragma once

class QCursor;

// The program's own mouse cursors by number; number 1 is the pointing hand over links.
// They are made on first use and live for the rest of the run.
inline constexpr int kLinkCursor = 1;

// The cursor with this number, or the arrow for a number the program has no cursor for.
const QCursor& programCursor(int number);
