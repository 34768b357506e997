#include "focusframe.h"

void drawFocusFrame(QImage& image, const QRect& frame) {
    const QRect inside = frame.intersected(image.rect());
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 != 0 || !inside.contains(x, y))
            return;
        const QRgb pixel = image.pixel(x, y);
        image.setPixel(x, y, qAlpha(pixel) == 0 ? 0xff000000u : ~pixel | 0xff000000u);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        dot(x, frame.top());
        if (frame.bottom() != frame.top())
            dot(x, frame.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        dot(frame.left(), y);
        if (frame.right() != frame.left())
            dot(frame.right(), y);
    }
}
