#include "ownerdrawnpanel.h"

#include <QPainter>
#include <qdrawutil.h>

OwnerDrawnPanel::OwnerDrawnPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OwnerDrawnPanel::setDrawsItself(bool on) {
    drawsItself_ = on;
    update();
}

void OwnerDrawnPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!drawsItself_) {
        Q_EMIT paint(&painter);
        return;
    }
    // An ordinary raised panel.
    const QBrush face = palette().window();
    qDrawShadePanel(&painter, rect(), palette(), false, 1, &face);
}
