#include "pushbutton.h"

#include "controls/focusframe.h"
#include "painting/canvas.h"
#include "painting/fonts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>

namespace {

// A new button's caption until its first paint puts the object name there.
const QString kPlaceholder = QStringLiteral("/*-/");

constexpr int kKeyPressMilliseconds = 20;

} // namespace

PushButton::PushButton(QWidget* parent) : QWidget(parent), caption_(kPlaceholder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(arialFont(9));
    resize(120, 22);
    keyRelease_.setSingleShot(true);
    keyRelease_.setInterval(kKeyPressMilliseconds);
    connect(&keyRelease_, &QTimer::timeout, this, &PushButton::releaseByKey);
    watchWindow();
}

void PushButton::setCaption(const QString& caption) {
    applyCaption(caption);
    update();
}

void PushButton::applyCaption(const QString& caption) {
    caption_ = caption;
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    shortcutId_ = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
}

void PushButton::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void PushButton::setFaceColour(const QColor& colour) {
    face_ = colour;
    update();
}

void PushButton::setShadow(bool on) {
    shadow_ = on;
    update();
}

void PushButton::click() {
    if (isEnabled())
        Q_EMIT clicked();
}

void PushButton::setPressed(bool pressed, bool inside) {
    pressed_ = pressed;
    inside_ = inside;
    update();
}

// Enter and Escape reach the window when no control on the way took them; the window's
// default and cancel buttons answer them there.
void PushButton::watchWindow() {
    QWidget* current = window() == this ? nullptr : window();
    if (current == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = current;
    if (watchedWindow_)
        watchedWindow_->installEventFilter(this);
}

bool PushButton::answersKey(const QKeyEvent& key) const {
    if (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool wanted = ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && default_) ||
                        (key.key() == Qt::Key_Escape && cancel_);
    return wanted && isVisible() && isEnabled();
}

// Shown down, and up again a moment later, so the user sees which button the key pressed.
void PushButton::pressByKey() {
    if (keyRelease_.isActive())
        return;
    setPressed(true, true);
    keyRelease_.start();
}

void PushButton::releaseByKey() {
    setPressed(false, underMouse());
    click();
}

bool PushButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::KeyPress &&
        answersKey(*static_cast<QKeyEvent*>(event))) {
        pressByKey();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool PushButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && shortcutId_ != 0 &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        click();
        return true;
    }
    if (event->type() == QEvent::ParentChange)
        watchWindow();
    return QWidget::event(event);
}

void PushButton::showEvent(QShowEvent* event) {
    watchWindow();
    QWidget::showEvent(event);
}

void PushButton::enterEvent(QEnterEvent* event) {
    setPressed(pressed_, true);
    QWidget::enterEvent(event);
}

void PushButton::leaveEvent(QEvent* event) {
    setPressed(false, false);
    QWidget::leaveEvent(event);
}

void PushButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    setPressed(true, true);
}

// The mouse is held, so no leave arrives while it is dragged off the button.
void PushButton::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && !rect().contains(event->position().toPoint()))
        setPressed(false, false);
}

void PushButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool over = rect().contains(event->position().toPoint());
    setPressed(false, over);
    if (over)
        click();
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isEnabled())
        pressByKey();
}

void PushButton::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void PushButton::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void PushButton::paintBevels(QImage& image, int p) const {
    const int w = width();
    const int h = height();
    Canvas canvas(image);
    const QColor upperLeft = p ? Qt::black : Qt::white;
    canvas.setPen(upperLeft);
    canvas.setBrush(upperLeft);
    canvas.polygon(QPolygon({{1, 1}, {w - 2, 1}, {w - 2, 3 + p}, {3, 3 + p}}));
    canvas.polygon(QPolygon({{1, 1}, {1, h - 2}, {3, h - 2}, {3, 3}}));
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::black);
    canvas.polygon(QPolygon({{1, h - 2}, {w - 2, h - 2}, {w - 4, h - 4}, {3, h - 4}}));
    canvas.polygon(QPolygon({{w - 2, 1}, {w - 2, h - 2}, {w - 4, h - 4}, {w - 4, 3}}));
    const QColor face = isEnabled() ? face_ : QColor(192, 192, 192);
    canvas.setPen(face);
    canvas.setBrush(face);
    canvas.rectangle(3 - p, 3 - p, w + p - 4, h + p - 4);
    canvas.setPen(Qt::black);
    canvas.setNoBrush();
    canvas.rectangle(0, 0, w, h);
}

void PushButton::paintCaption(QImage& image, int p) const {
    QPainter painter(&image);
    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const int flags = Qt::TextShowMnemonic | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop;
    const int x = (width() - metrics.size(flags, caption_).width()) / 2 + p;
    const int y = (height() - (metrics.ascent() + metrics.descent())) / 2 + p;
    const auto text = [&](int left, int top, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(QRect(left, top, width(), height()), flags, caption_);
    };
    if (shadow_)
        text(x + 1, y + 1, isEnabled() ? QColor(200, 0, 0) : QColor(128, 128, 128));
    text(x, y, textColour_);
}

QImage PushButton::render() const {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    const int p = pressed_ && inside_ ? 1 : 0;
    paintBevels(image, p);
    paintCaption(image, p);
    if (hasFocus())
        drawFocusFrame(image, QRect(QPoint(3, 3), QPoint(width() - 5, height() - 5)));
    return image;
}

void PushButton::paintEvent(QPaintEvent*) {
    if (caption_ == kPlaceholder)
        applyCaption(objectName());
    QPainter(this).drawImage(0, 0, render());
}
