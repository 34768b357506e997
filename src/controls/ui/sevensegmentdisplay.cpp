#include "sevensegmentdisplay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {

QColor colourOf(SevenSegmentDisplay::tfarbe colour) {
    switch (colour) {
    case SevenSegmentDisplay::zfRot:
        return {255, 0, 0};
    case SevenSegmentDisplay::zfGelb:
        return {255, 255, 0};
    case SevenSegmentDisplay::zfBlau:
        return {0, 0, 255};
    case SevenSegmentDisplay::zfGruen:
        break;
    }
    return {0, 255, 0};
}

} // namespace

SevenSegmentDisplay::SevenSegmentDisplay(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 60);
    timer_->setInterval(kDemoInterval);
    connect(timer_, &QTimer::timeout, this, &SevenSegmentDisplay::advanceDemo);
}

void SevenSegmentDisplay::setWert(int value) {
    if (value > kMaxWert)
        value = 0;
    if (value == wert_)
        return;
    wert_ = value;
    redraw();
}

void SevenSegmentDisplay::setStellen(int count) {
    if (count < 1 || count > 10)
        return;
    stellen_ = count;
    redraw();
}

void SevenSegmentDisplay::setSkalFaktor(float scale) {
    skalFaktor_ = scale;
    redraw();
}

void SevenSegmentDisplay::setSkipNull(bool skip) {
    skipNull_ = skip;
    redraw();
}

void SevenSegmentDisplay::setZifferFarbe(tfarbe colour) {
    zifferFarbe_ = colour;
    redraw();
}

void SevenSegmentDisplay::setModus(tmodus mode) {
    if (mode == modus_)
        return;
    if (mode == mDemo)
        timer_->start();
    else
        timer_->stop();
    frame_ = 1;
    modus_ = mode;
    if (mode == mNormal)
        redraw();
}

void SevenSegmentDisplay::advanceDemo() {
    frame_ = frame_ % 39 + 1;
    const QString pattern = sevenSegmentDemoFrame(frame_);
    if (pattern == demoPattern_)
        return;
    demoPattern_ = pattern;
    redraw();
}

// Painting happens only while the display can be seen, as does taking its drawn size.
void SevenSegmentDisplay::redraw() {
    if (!isVisible())
        return;
    image_ = paintSevenSegments(
        {wert_, stellen_, skalFaktor_, skipNull_, colourOf(zifferFarbe_), modus_ == mDemo, demoPattern_});
    resize(image_.size());
    update();
}

void SevenSegmentDisplay::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    redraw();
}

void SevenSegmentDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
