#include "palette.h"

#include <cstring>
#include <limits>

QList<QRgb> sheetPalette() {
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(51 * r, 51 * g, 51 * b));
    for (int step = 1; palette.size() < 256; ++step) {
        const int level = 6 * step;
        if (level % 51 != 0)
            palette.append(qRgb(level, level, level));
    }
    return palette;
}

namespace {
int nearest(QRgb colour, const QList<QRgb>& palette) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(colour) - qRed(palette[i]);
        const int dg = qGreen(colour) - qGreen(palette[i]);
        const int db = qBlue(colour) - qBlue(palette[i]);
        // Green weighs most and blue least, roughly as the eye sees differences.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}
} // namespace

QImage quantised(const QImage& image, const QList<QRgb>& palette) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    // The BMP writer copies each row's padding too; zeroed, the file is the same on every run.
    std::memset(result.bits(), 0, static_cast<size_t>(result.sizeInBytes()));
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = static_cast<uchar>(nearest(in[x], palette));
    }
    return result;
}
