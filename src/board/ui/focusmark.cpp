#include "focusmark.h"

#include "game/gamestate.h"

#include <QPainter>

namespace {
constexpr int kGap = 3;
constexpr int kSide = kCardSize + 2 * kGap;
} // namespace

FocusMark::FocusMark(QWidget* view) : QWidget(view) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(kSide, kSide);
    setMask(QRegion(0, 0, kSide, kSide) - QRegion(kGap, kGap, kCardSize, kCardSize));
    hide();
}

void FocusMark::ring(QPoint cardCorner) {
    move(cardCorner - QPoint(kGap, kGap));
}

// Whole logical pixels only: at an integral scale factor every line covers whole device
// pixels, as sharp as the cards. Black outside a yellow line shows on any back or texture.
void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(0, 0, kSide, kSide, Qt::black);
    painter.fillRect(1, 1, kSide - 2, kSide - 2, QColor(255, 255, 0));
    painter.fillRect(2, 2, kSide - 4, kSide - 4, Qt::black);
}
