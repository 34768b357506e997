#include "latchingbutton.h"

#include "accessibleevents.h"
#include "controls/focusframe.h"
#include "controls/whitemask.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

LatchingButton::LatchingButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    resize(17, 17);
}

void LatchingButton::setPicture(const QImage& bitmap) {
    picture_ = bitmap;
    resize(sizeHint());
    updateGeometry();
    update();
}

QSize LatchingButton::sizeHint() const {
    return picture_.isNull() ? QSize(17, 17) : picture_.size() + QSize(5, 5);
}

void LatchingButton::setDown(bool down) {
    if (down && !down_)
        releaseGroup();
    const bool changed = down != down_;
    down_ = down;
    update();
    if (changed)
        announceCheckedChange(this);
}

void LatchingButton::releaseGroup() {
    if (!parentWidget())
        return;
    for (LatchingButton* other : parentWidget()->findChildren<LatchingButton*>(Qt::FindDirectChildrenOnly))
        if (other != this && other->group_ == group_)
            other->setDown(false);
}

QImage LatchingButton::render() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const QPalette colours = palette();
    qDrawWinButton(&painter, rect(), colours, down_, &colours.button());
    // A button that is down shows a lighter face, like a switched-on tool.
    if (down_)
        painter.fillRect(QRect(QPoint(2, 2), QPoint(width() - 3, height() - 3)), colours.light());
    if (!picture_.isNull()) {
        const int shift = down_ ? 3 : 2;
        const MaskStyle style = isEnabled() ? MaskStyle::Normal : MaskStyle::Blended;
        painter.drawImage(shift, shift,
                          whiteAsTransparent(picture_, style, colours.color(QPalette::Highlight)));
    }
    painter.end();
    if (hasFocus())
        drawFocusFrame(image, QRect(QPoint(3, 3), QPoint(width() - 4, height() - 4)));
    return image;
}

void LatchingButton::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, render());
}

void LatchingButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void LatchingButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool released =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (released)
        click();
}

void LatchingButton::click() {
    if (!isEnabled())
        return;
    setDown(true);
    Q_EMIT clicked();
}

void LatchingButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        click();
    else
        QWidget::keyPressEvent(event);
}
