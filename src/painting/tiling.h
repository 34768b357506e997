#pragma once

#include <QImage>

class QPainter;

// Copies `tile` into `target` at x = 0, t-1, 2(t-1), ... while x <= width and
// y = 0, u-1, 2(u-1), ... while y <= height (t, u: the tile's size), so neighbouring tiles
// overlap by one pixel; tiles reaching past the target are clipped.
void tileTexture(int width, int height, QImage& target, const QImage& tile);
// The same with a painter already open on the target.
void tileTexture(QPainter& painter, int width, int height, const QImage& tile);
