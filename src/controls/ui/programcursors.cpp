#include "programcursors.h"

#include <QCursor>
#include <QPixmap>

const QCursor& programCursor(int number) {
    static const QCursor arrow(Qt::ArrowCursor);
    // The fingertip is the hot spot.
    static const QCursor hand(QPixmap(QStringLiteral(":/icons/hand.png")), 5, 0);
    return number == kLinkCursor ? hand : arrow;
}
