#include "linklabel.h"

#include "programcursors.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    QFont linkFont = font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
    setCursor(programCursor(kLinkCursor));
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setItalic(bool on) {
    QFont linkFont = font();
    linkFont.setItalic(on);
    setFont(linkFont);
    adjustSize();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setItalic(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setItalic(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        follow();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        follow();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void LinkLabel::follow() {
    if (url_.isEmpty()) {
        if (isSignalConnected(QMetaMethod::fromSignal(&LinkLabel::clicked)))
            Q_EMIT clicked();
        else
            QMessageBox::critical(this, tr("Fehler"), tr("Keine URL angegeben!"));
        return;
    }
    if (!opener_(QUrl::fromUserInput(url_)))
        QMessageBox::critical(this, tr("Fehler!"), tr("Konnte keinen Internet-Browser finden!"));
}
