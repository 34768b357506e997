#include "tiling.h"

#include <QPainter>

#include <algorithm>

void tileTexture(int width, int height, QImage& target, const QImage& tile) {
    if (tile.isNull())
        return;
    QPainter painter(&target);
    tileTexture(painter, width, height, tile);
}

void tileTexture(QPainter& painter, int width, int height, const QImage& tile) {
    if (tile.isNull())
        return;
    // A one-pixel tile would not advance at all with the overlap.
    const int stepX = std::max(tile.width() - 1, 1);
    const int stepY = std::max(tile.height() - 1, 1);
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y <= height; y += stepY)
        for (int x = 0; x <= width; x += stepX)
            painter.drawImage(x, y, tile);
    painter.setCompositionMode(mode);
}
