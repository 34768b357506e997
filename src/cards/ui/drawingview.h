#pragma once

#include "controls/ui/imageview.h"

// The card editor's drawing area: besides presses it reports where the mouse moves while a
// button is held, and releases.
class DrawingView : public ImageView {
    Q_OBJECT
public:
    using ImageView::ImageView;

Q_SIGNALS:
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
