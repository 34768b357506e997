#include "colourpanel.h"

#include "controls/ui/accessibleevents.h"

#include <QMouseEvent>
#include <QPainter>

ColourPanel::ColourPanel(int tag, QWidget* parent) : QFrame(parent), tag_(tag) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void ColourPanel::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    announce(event);
}

// The wider bevel marks the current slot.
void ColourPanel::setBevelWidth(int width) {
    if (width == lineWidth())
        return;
    setLineWidth(width);
    announceCheckedChange(this);
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(rect(), colour_);
    QFrame::paintEvent(event);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked(tag_);
}

void ColourPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(tag_);
}
