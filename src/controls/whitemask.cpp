#include "whitemask.h"

QImage whiteAsTransparent(const QImage& picture, MaskStyle style, const QColor& tint) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) == qRgb(255, 255, 255))
                line[x] = 0;
            else if (style == MaskStyle::Blended)
                line[x] = qRgba((qRed(pixel) + tint.red()) / 2, (qGreen(pixel) + tint.green()) / 2,
                                (qBlue(pixel) + tint.blue()) / 2, qAlpha(pixel));
        }
    }
    return result;
}
