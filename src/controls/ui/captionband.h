#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The vertical caption band down the left edge of a dialog: the caption runs upward in a
// light font over a gradient from the band colour to black. The band is exactly as wide as
// the rotated text is high.
class CaptionBand : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QColor BgColor READ BgColor WRITE setBgColor)
    Q_PROPERTY(TextPosition Style READ Style WRITE setStyle)
    Q_PROPERTY(bool Aniniation READ Aniniation WRITE setAniniation)

public:
    enum TextPosition { Center, Bottom, sTop };
    Q_ENUM(TextPosition)

    // Starts 17 x 17 with "Arial" 24 in silver on grey.
    explicit CaptionBand(QWidget* parent = nullptr);

    // When empty, the object name is shown.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return fontColour_; }
    void setFontColor(const QColor& colour);
    QColor BgColor() const { return background_; }
    void setBgColor(const QColor& colour);
    TextPosition Style() const { return position_; }
    void setStyle(TextPosition position);
    bool Aniniation() const { return gradient_; }
    void setAniniation(bool on);

    // The band at its current size as painted on a screen of this many bits per pixel; at
    // 8 bits or less there are too few colours for the gradient and it is flat.
    QImage render(int screenDepth) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString shownCaption() const;
    // The font's size in points becomes the pixel height of the rotated text's cell.
    QFont rotatedFont() const;
    void fitWidth();
    void paintGradient(QImage& image) const;

    QString caption_;
    QColor fontColour_{192, 192, 192};
    QColor background_{128, 128, 128};
    TextPosition position_ = Bottom;
    bool gradient_ = true;
};
