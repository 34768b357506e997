#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class HighScoreTable;

// Ranks 1..15 in the left column and 16..30 in the right one, on a gradient from red at the
// top to magenta at the bottom, over the whole image.
void drawHighScoreTable(QImage& image, const HighScoreTable& table);

// What the picture says, for those who cannot see it: the four headings ("Rang", "Name",
// "Punkte", "Datum"), and the texts written for rank 1..30 under them ("1.", the name, the
// points, the date).
QStringList highScoreHeadings();
QStringList highScoreRowTexts(const HighScoreTable& table, int rank);
// Where heading `column` (0..3) of the left half, and the text of rank 1..30 in that column,
// are written in the picture: from its start up to the next column, one line high.
QRect highScoreHeadingRect(int column);
QRect highScoreCellRect(int rank, int column);
