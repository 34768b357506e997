#include "drawingview.h"

#include <QMouseEvent>

void EditorPaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseMoved(at.x(), at.y());
}

void EditorPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button());
}
