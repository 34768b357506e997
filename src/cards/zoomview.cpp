#include "zoomview.h"

#include "painting/canvas.h"

QImage makeZoomView() {
    QImage zoom(kZoomViewSide, kZoomViewSide, QImage::Format_RGB32);
    zoom.fill(Qt::white);
    return zoom;
}

void drawZoomView(const QImage& picture, QImage& zoom) {
    Canvas canvas(zoom);
    canvas.setPen(QColor(128, 128, 128));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            canvas.setBrush(QColor::fromRgb(picture.pixel(x, y)));
            canvas.rectangle(kZoomCell * x, kZoomCell * y, kZoomCell * x + 9, kZoomCell * y + 9);
        }
    }
}

QPoint picturePixelAt(QPoint zoomPosition) {
    // Division truncates toward zero: a drag that strays up to 7 pixels left of or above the
    // view still paints in the first column or row.
    return {zoomPosition.x() / kZoomCell, zoomPosition.y() / kZoomCell};
}
