#include "toolbutton.h"

#include "controls/focusframe.h"
#include "controls/whitemask.h"
#include "painting/canvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ToolButton::ToolButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    resize(17, 17);
    fitSize();
}

void ToolButton::setPicture(const QImage& bitmap) {
    picture_ = bitmap;
    fitSize();
}

void ToolButton::setTopCaption(const QString& caption) {
    topCaption_ = caption;
    fitSize();
}

void ToolButton::setBottomCaption(const QString& caption) {
    bottomCaption_ = caption;
    fitSize();
}

void ToolButton::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void ToolButton::setHoverFrame(bool on) {
    hoverFrame_ = on;
    update();
}

int ToolButton::lineHeight(const QString& caption) const {
    if (caption.isEmpty())
        return 0;
    const QFontMetrics metrics(font());
    return metrics.ascent() + metrics.descent();
}

QSize ToolButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int widest =
        std::max({metrics.horizontalAdvance(topCaption_), metrics.horizontalAdvance(bottomCaption_),
                  picture_.isNull() ? 0 : picture_.width()});
    const int pictureHeight = picture_.isNull() ? 0 : picture_.height();
    return {widest + 12, pictureHeight + lineHeight(topCaption_) + lineHeight(bottomCaption_) + 10};
}

void ToolButton::fitSize() {
    resize(sizeHint());
    updateGeometry();
    update();
}

QImage ToolButton::render() const {
    const int w = width();
    const int h = height();
    // While framed, picture and captions move down and right like a pressed key.
    const int d = hoverFrame_ ? 2 : 0;
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        if (hoverFrame_) {
            const QColor rings[] = {Qt::black, QColor(128, 128, 128), QColor(192, 192, 192)};
            for (int i = 0; i < 3; ++i) {
                canvas.setPen(rings[i]);
                canvas.roundRectangle(1 + i, 1 + i, w - i, h - i, 10, 10);
            }
        }
        canvas.setFont(font());
        canvas.setTextColor(textColour_);
        const int h1 = lineHeight(topCaption_);
        const int h2 = lineHeight(bottomCaption_);
        canvas.textOut(w / 2 + d - canvas.textExtent(topCaption_).width() / 2, h + d - h1 - h2 - 4,
                       topCaption_);
        canvas.textOut(w / 2 + d - canvas.textExtent(bottomCaption_).width() / 2, h + d - h2 - 4,
                       bottomCaption_);
    }
    if (!picture_.isNull())
        QPainter(&image).drawImage(w / 2 + d - picture_.width() / 2, d + 7, picture_);
    // Inside the three lines of the mouse frame, so both can show at once.
    if (hasFocus())
        drawFocusFrame(image, QRect(QPoint(4, 4), QPoint(w - 5, h - 5)));
    return image;
}

void ToolButton::paintEvent(QPaintEvent*) {
    const MaskStyle style = isEnabled() ? MaskStyle::Normal : MaskStyle::Blended;
    QPainter(this).drawImage(0, 0, whiteAsTransparent(render(), style, palette().color(QPalette::Highlight)));
}

void ToolButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitSize();
    else if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHoverFrame(false);
    QWidget::changeEvent(event);
}

void ToolButton::enterEvent(QEnterEvent* event) {
    if (isEnabled())
        setHoverFrame(true);
    QWidget::enterEvent(event);
}

void ToolButton::leaveEvent(QEvent* event) {
    setHoverFrame(false);
    QWidget::leaveEvent(event);
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool released =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (released)
        click();
}

void ToolButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    click();
}

void ToolButton::click() {
    if (isEnabled())
        Q_EMIT clicked();
}
