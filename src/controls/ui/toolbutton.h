#pragma once

#include "texturepanel.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The flat tool button of the main window and the card editor: a picture over two caption
// lines on the texture behind it, framed by three rounded lines while the mouse is over it.
// It sizes itself to its picture and captions. Disabled (QWidget's enabled property), it
// shows in the blended look and does not click.
class ToolButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(QString Caption1 READ Caption1 WRITE setCaption1)
    Q_PROPERTY(QString Caption2 READ Caption2 WRITE setCaption2)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool Rand READ Rand WRITE setRand)
    Q_PROPERTY(TexturePanel* Texturpanel READ Texturpanel WRITE setTexturpanel)

public:
    explicit ToolButton(QWidget* parent = nullptr);

    // Pure white pixels of the picture are see-through.
    QImage Bitmap() const { return bitmap_; }
    void setBitmap(const QImage& bitmap);
    QString Caption1() const { return caption1_; }
    void setCaption1(const QString& caption);
    QString Caption2() const { return caption2_; }
    void setCaption2(const QString& caption);
    QColor FontColor() const { return fontColour_; }
    void setFontColor(const QColor& colour);
    // The frame that shows the mouse is over the button.
    bool Rand() const { return frame_; }
    void setRand(bool on);
    // The panel the button sits on; kept for the windows, not used in painting.
    TexturePanel* Texturpanel() const { return panel_; }
    void setTexturpanel(TexturePanel* panel) { panel_ = panel; }

    // The button as painted, before white is made see-through.
    QImage render() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // An empty caption line takes no room, so a one-line button is not taller than it needs.
    int lineHeight(const QString& caption) const;
    void fitSize();

    QImage bitmap_;
    QString caption1_ = QStringLiteral("Vuko-Software");
    QString caption2_;
    QColor fontColour_ = Qt::black;
    bool frame_ = false;
    TexturePanel* panel_ = nullptr;
    bool pressed_ = false;
};
