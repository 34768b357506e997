#pragma once

class QImage;
class QWidget;

// Fills the widget's background with the texture, tile by tile.
void tileBackground(QWidget& widget, const QImage& texture);
