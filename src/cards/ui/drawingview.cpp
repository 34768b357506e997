#include "drawingview.h"

#include <QMouseEvent>

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseMoved(at.x(), at.y());
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button());
}
