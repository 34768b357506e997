#include "sheetediting.h"

#include "cardsheet.h"

#include <QHash>

#include <limits>

namespace {

bool hasPalette(const QImage& image) {
    return image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
           image.format() == QImage::Format_MonoLSB;
}

int squaredDistance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

int nearestIndex(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int distance = squaredDistance(palette[i], colour);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

QImage cutPicture(const QImage& sheet, int card) {
    const QRect square = motifRect(card);
    if (square.isEmpty())
        return {};
    QImage picture(square.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QRect inside = square.intersected(sheet.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            picture.setPixel(x - square.left(), y - square.top(), sheet.pixel(x, y));
    return picture;
}

void putPicture(QImage& sheet, const QImage& picture, QPoint at) {
    const QRect target = QRect(at, picture.size()).intersected(sheet.rect());
    if (target.isEmpty())
        return;
    const bool palette = hasPalette(sheet);
    const QList<QRgb> colours = palette ? sheet.colorTable() : QList<QRgb>();
    if (palette && colours.isEmpty())
        return;
    QHash<QRgb, int> nearest;
    for (int y = target.top(); y <= target.bottom(); ++y) {
        for (int x = target.left(); x <= target.right(); ++x) {
            const QRgb colour = picture.pixel(x - at.x(), y - at.y());
            if (!palette) {
                sheet.setPixel(x, y, colour);
                continue;
            }
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd())
                found = nearest.insert(colour, nearestIndex(colours, colour));
            sheet.setPixel(x, y, uint(*found));
        }
    }
}

bool stretchOntoCard(QImage& sheet, const QImage& picture, int card) {
    const QRect square = motifRect(card);
    if (square.isEmpty() || picture.isNull())
        return false;
    const int side = kSheetPitch;
    const QImage stretched = picture.convertToFormat(QImage::Format_RGB32)
                                 .scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    putPicture(sheet, stretched, square.topLeft());
    return true;
}
