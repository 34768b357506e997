#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class QPainter;

// A panel tiled with a texture picture, optionally framed and captioned; it holds other
// controls like any widget. It paints every pixel itself, so nothing is erased first.
class TexturePanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage texture READ texture WRITE setTexture)
    Q_PROPERTY(bool border READ hasBorder WRITE setBorder)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor borderColour READ borderColour WRITE setBorderColour)
    Q_PROPERTY(bool fullRepaint READ fullRepaint WRITE setFullRepaint)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)

public:
    explicit TexturePanel(QWidget* parent = nullptr);

    // Shared, not copied: the windows' textures are set on many panels. A picture smaller
    // than 2 x 2 pixels cannot be tiled with the overlap and counts as none.
    const QImage& texture() const { return texture_; }
    void setTexture(const QImage& texture);
    bool hasBorder() const { return border_; }
    void setBorder(bool on);
    // Width of the border pen, 1..30; anything else is stored as 1.
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    QColor borderColour() const { return borderColour_; }
    void setBorderColour(const QColor& colour);
    // Kept for the windows that set it; painting always covers the whole panel.
    bool fullRepaint() const { return fullRepaint_; }
    void setFullRepaint(bool on) { fullRepaint_ = on; }
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);

    // The panel's picture at its current size, as the next paint shows it.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintPanel(QPainter& painter) const;
    void paintBorder(QPainter& painter) const;

    QImage texture_;
    bool border_ = false;
    int borderWidth_ = 1;
    QColor borderColour_ = Qt::black;
    bool fullRepaint_ = false;
    QString caption_;
    QColor textColour_ = Qt::black;
};
