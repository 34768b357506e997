#include "fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QMutex>

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

namespace {
int cellOf(int pixels, bool bold) {
    const QFontMetrics metrics(arialFontOfPixelSize(pixels, bold));
    return metrics.ascent() + metrics.descent();
}

// Hinting rounds ascent and descent separately, so the cell does not grow by a fixed step per
// pixel of em; several em sizes can share one cell height. The cell grows with the em, though:
// one measurement gives an estimate, and a short walk finds the last size that fits. Each size
// tried costs a font engine, and many of them keep Qt's font cache busy.
int largestPixelSizeWithin(int cellHeight, bool bold) {
    const int limit = 2 * cellHeight;
    int pixels = std::clamp(cellHeight * cellHeight / std::max(cellOf(cellHeight, bold), 1), 1, limit);
    if (cellOf(pixels, bold) <= cellHeight) {
        while (pixels < limit && cellOf(pixels + 1, bold) <= cellHeight)
            ++pixels;
    } else {
        while (pixels > 1 && cellOf(pixels, bold) > cellHeight)
            --pixels;
    }
    return pixels;
}
} // namespace

QFont arialFontWithCellHeight(int cellHeight, bool bold) {
    cellHeight = std::max(cellHeight, 1);
    // Every dialog's caption band asks again.
    static QMutex mutex;
    static QHash<std::pair<int, bool>, int> found;
    const QMutexLocker lock(&mutex);
    auto known = found.constFind({cellHeight, bold});
    if (known == found.constEnd())
        known = found.insert({cellHeight, bold}, largestPixelSizeWithin(cellHeight, bold));
    return arialFontOfPixelSize(*known, bold);
}
