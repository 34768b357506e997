#include "sevensegmentdisplay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {

QColor colourOf(TSiebenSeg::tfarbe colour) {
    switch (colour) {
    case TSiebenSeg::zfRot:
        return {255, 0, 0};
    case TSiebenSeg::zfGelb:
        return {255, 255, 0};
    case TSiebenSeg::zfBlau:
        return {0, 0, 255};
    case TSiebenSeg::zfGruen:
        break;
    }
    return {0, 255, 0};
}

} // namespace

TSiebenSeg::TSiebenSeg(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 60);
    timer_->setInterval(kDemoInterval);
    connect(timer_, &QTimer::timeout, this, &TSiebenSeg::advanceDemo);
}

void TSiebenSeg::setWert(int value) {
    if (value > kMaxWert)
        value = 0;
    if (value == wert_)
        return;
    wert_ = value;
    redraw();
}

void TSiebenSeg::setStellen(int count) {
    if (count < 1 || count > 10)
        return;
    stellen_ = count;
    redraw();
}

void TSiebenSeg::setSkalFaktor(float scale) {
    skalFaktor_ = scale;
    redraw();
}

void TSiebenSeg::setSkipNull(bool skip) {
    skipNull_ = skip;
    redraw();
}

void TSiebenSeg::setZifferFarbe(tfarbe colour) {
    zifferFarbe_ = colour;
    redraw();
}

void TSiebenSeg::setModus(tmodus mode) {
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

void TSiebenSeg::advanceDemo() {
    frame_ = frame_ % 39 + 1;
    const QString pattern = sevenSegmentDemoFrame(frame_);
    if (pattern == demoPattern_)
        return;
    demoPattern_ = pattern;
    redraw();
}

// Painting happens only while the display can be seen, as does taking its drawn size.
void TSiebenSeg::redraw() {
    if (!isVisible())
        return;
    image_ = paintSevenSegments(
        {wert_, stellen_, skalFaktor_, skipNull_, colourOf(zifferFarbe_), modus_ == mDemo, demoPattern_});
    resize(image_.size());
    update();
}

void TSiebenSeg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    redraw();
}

void TSiebenSeg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
