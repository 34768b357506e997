#include "tiledbackground.h"

#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

void tileBackground(QWidget& widget, const QImage& texture) {
    QPalette palette = widget.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(texture)));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
