#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <Qt>

class QFont;
class QImage;
class QLabel;
class QWidget;
class CaptionBand;
class TexturePanel;
class PushButton;

// What every dialog of the program looks like: the caption band down the left edge and a
// texture panel over the rest of the window.
struct DialogFrame {
    CaptionBand* band = nullptr;
    TexturePanel* panel = nullptr;
};
DialogFrame buildDialogFrame(QWidget& dialog, const QString& caption, const QImage& texture);

// A coloured push button, placed and sized, or only placed (at its default size).
PushButton* makeButton(QWidget* parent, const QString& caption, const QColor& colour, QRect geometry);
PushButton* makeButton(QWidget* parent, const QString& caption, const QColor& colour, QPoint at);

// Black text on a dialog's texture.
QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// The same for a label of another kind, made by the caller.
QLabel* placeLabel(QLabel* label, QRect geometry, const QFont& font,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
