#pragma once

#include <QImage>

class HighScoreTable;

// Ranks 1..15 in the left column and 16..30 in the right one, on a gradient from red at the
// top to magenta at the bottom, over the whole image.
void drawHighScoreTable(QImage& image, const HighScoreTable& table);
