#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A panel tiled with a texture picture, optionally framed and captioned; it holds other
// controls like any widget. It paints every pixel itself, so nothing is erased first.
class TexturePanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Texturbild READ Texturbild WRITE setTexturbild)
    Q_PROPERTY(bool Rand READ Rand WRITE setRand)
    Q_PROPERTY(int Randdicke READ Randdicke WRITE setRanddicke)
    Q_PROPERTY(QColor RandFarbe READ RandFarbe WRITE setRandFarbe)
    Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE setFullRepaint)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TexturePanel(QWidget* parent = nullptr);

    // Shared, not copied: the windows' textures are set on many panels. A picture smaller
    // than 2 x 2 pixels cannot be tiled with the overlap and counts as none.
    const QImage& Texturbild() const { return texture_; }
    void setTexturbild(const QImage& texture);
    bool Rand() const { return border_; }
    void setRand(bool on);
    // Width of the border pen, 1..30; anything else is stored as 1.
    int Randdicke() const { return borderWidth_; }
    void setRanddicke(int width);
    QColor RandFarbe() const { return borderColour_; }
    void setRandFarbe(const QColor& colour);
    // Kept for the windows that set it; painting always covers the whole panel.
    bool FullRepaint() const { return fullRepaint_; }
    void setFullRepaint(bool on) { fullRepaint_ = on; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return fontColour_; }
    void setFontColor(const QColor& colour);

    // The panel's picture at its current size, as the next paint shows it.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBorder(QImage& image) const;

    QImage texture_;
    bool border_ = false;
    int borderWidth_ = 1;
    QColor borderColour_ = Qt::black;
    bool fullRepaint_ = false;
    QString caption_;
    QColor fontColour_ = Qt::black;
};
