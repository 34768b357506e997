#include "toolbutton.h"

#include "board/canvas.h"
#include "controls/whitemask.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

ToolButton::ToolButton(QWidget* parent) : QWidget(parent) {
    resize(17, 17);
    fitSize();
}

void ToolButton::setBitmap(const QImage& bitmap) {
    bitmap_ = bitmap;
    fitSize();
}

void ToolButton::setCaption1(const QString& caption) {
    caption1_ = caption;
    fitSize();
}

void ToolButton::setCaption2(const QString& caption) {
    caption2_ = caption;
    fitSize();
}

void ToolButton::setFontColor(const QColor& colour) {
    fontColour_ = colour;
    update();
}

void ToolButton::setRand(bool on) {
    frame_ = on;
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
    const int widest = std::max({metrics.horizontalAdvance(caption1_), metrics.horizontalAdvance(caption2_),
                                 bitmap_.isNull() ? 0 : bitmap_.width()});
    const int pictureHeight = bitmap_.isNull() ? 0 : bitmap_.height();
    return {widest + 12, pictureHeight + lineHeight(caption1_) + lineHeight(caption2_) + 10};
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
    const int d = frame_ ? 2 : 0;
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image);
        if (frame_) {
            const QColor rings[] = {Qt::black, QColor(128, 128, 128), QColor(192, 192, 192)};
            for (int i = 0; i < 3; ++i) {
                canvas.setPen(rings[i]);
                canvas.roundRectangle(1 + i, 1 + i, w - i, h - i, 10, 10);
            }
        }
        canvas.setFont(font());
        canvas.setTextColor(fontColour_);
        const int h1 = lineHeight(caption1_);
        const int h2 = lineHeight(caption2_);
        canvas.textOut(w / 2 + d - canvas.textExtent(caption1_).width() / 2, h + d - h1 - h2 - 4, caption1_);
        canvas.textOut(w / 2 + d - canvas.textExtent(caption2_).width() / 2, h + d - h2 - 4, caption2_);
    }
    if (!bitmap_.isNull())
        QPainter(&image).drawImage(w / 2 + d - bitmap_.width() / 2, d + 7, bitmap_);
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
        setRand(false);
    QWidget::changeEvent(event);
}

void ToolButton::enterEvent(QEnterEvent* event) {
    if (isEnabled())
        setRand(true);
    QWidget::enterEvent(event);
}

void ToolButton::leaveEvent(QEvent* event) {
    setRand(false);
    QWidget::leaveEvent(event);
}

void ToolButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void ToolButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && isEnabled())
        Q_EMIT clicked();
}
