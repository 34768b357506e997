#include "backgroundcover.h"

#include <QGuiApplication>
#include <QScreen>

BackgroundCover::BackgroundCover(const QColor& colour)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnBottomHint) {
    // Not a child window of the main window: a window manager keeps such windows above
    // their owner, and the cover must stay behind it.
    setWindowTitle(QStringLiteral("Sorbello"));
    setEnabled(false);
    setAutoFillBackground(true);
    setColour(colour);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QRect(QPoint(0, 0), screen->geometry().size()));
}

void BackgroundCover::setColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    update();
}
