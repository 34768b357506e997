#include "dialogframe.h"

#include "captionband.h"
#include "pushbutton.h"
#include "texturepanel.h"

#include <QLabel>

DialogFrame buildDialogFrame(QWidget& dialog, const QString& caption, const QImage& texture) {
    DialogFrame frame;
    frame.band = new CaptionBand(&dialog);
    frame.band->setObjectName(QStringLiteral("captionBand"));
    frame.band->setCaption(caption);
    frame.band->setGeometry(0, 0, frame.band->sizeHint().width(), dialog.height());
    frame.panel = new TexturePanel(&dialog);
    frame.panel->setObjectName(QStringLiteral("panel"));
    frame.panel->setTexture(texture);
    frame.panel->setGeometry(frame.band->width(), 0, dialog.width() - frame.band->width(), dialog.height());
    return frame;
}

PushButton* makeButton(QWidget* parent, const QString& caption, const QColor& colour, QPoint at) {
    auto* button = new PushButton(parent);
    button->setCaption(caption);
    button->setFaceColour(colour);
    button->move(at);
    return button;
}

PushButton* makeButton(QWidget* parent, const QString& caption, const QColor& colour, QRect geometry) {
    PushButton* button = makeButton(parent, caption, colour, geometry.topLeft());
    button->resize(geometry.size());
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  Qt::Alignment alignment) {
    return placeLabel(new QLabel(text, parent), geometry, font, alignment);
}

QLabel* placeLabel(QLabel* label, QRect geometry, const QFont& font, Qt::Alignment alignment) {
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}
