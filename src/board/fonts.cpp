#include "fonts.h"

#include <QFontMetrics>

#include <algorithm>

int pointsToPixels(int points) {
    // Rounds half away from zero, as the classic MulDiv(points, 96, 72) does.
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
}

QFont arialFontOfPixelSize(int pixels, bool bold) {
    QFont font(QString::fromLatin1(kArialFamily));
    font.setPixelSize(std::max(pixels, 1));
    font.setBold(bold);
    return font;
}

QFont arialFont(int points, bool bold) {
    return arialFontOfPixelSize(pointsToPixels(points), bold);
}

QFont arialFontWithCellHeight(int cellHeight, bool bold) {
    // Hinting rounds ascent and descent separately, so the cell does not grow by a fixed
    // step per pixel of em; several em sizes can share one cell height.
    int best = 1;
    for (int pixels = 1; pixels <= 2 * std::max(cellHeight, 1); ++pixels) {
        const QFontMetrics metrics(arialFontOfPixelSize(pixels, bold));
        if (metrics.ascent() + metrics.descent() <= cellHeight)
            best = pixels;
    }
    return arialFontOfPixelSize(best, bold);
}
