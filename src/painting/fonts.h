#pragma once

#include <QFont>

// The game's texts are set in "Arial" (and dialogs in "MS Sans Serif"); both are drawn with
// the metric-compatible Liberation Sans.
inline constexpr const char* kArialFamily = "Liberation Sans";

// Screen pixels for a size in points at 96 dpi, rounded to nearest.
int pointsToPixels(int points);

// "Arial" whose em is `pixels` high.
QFont arialFontOfPixelSize(int pixels, bool bold = false);

// "Arial" at a size in points.
QFont arialFont(int points, bool bold = false);

// "Arial" whose cell (ascent + descent) is `cellHeight` pixels: the largest em size whose
// cell does not exceed it.
QFont arialFontWithCellHeight(int cellHeight, bool bold = false);
