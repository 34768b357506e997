#include "imageview.h"

#include <QMouseEvent>
#include <QPainter>

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    // The picture covers every pixel: no background erase, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::showImage(const QImage& image) {
    // Shared until a frame is drawn onto the screen, which then gets a copy of its own.
    shown_ = image;
    repaint();
}

void ImageView::showPiece(const QImage& piece, QPoint at) {
    if (shown_.size() != size()) {
        QImage grown(size(), QImage::Format_RGB32);
        grown.fill(Qt::white);
        QPainter(&grown).drawImage(0, 0, shown_);
        shown_ = grown;
    }
    QPainter(&shown_).drawImage(at, piece);
    // repaint, not update: every frame of a fade has to reach the screen.
    repaint(QRect(at, piece.size()));
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(event->rect().topLeft(), shown_, event->rect());
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Q_EMIT mousePressed(event->button(), at.x(), at.y());
}
