#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The vertical caption band down the left edge of a dialog: the caption runs upward in a
// light font over a gradient from the band colour to black. The band is exactly as wide as
// the rotated text is high.
class CaptionBand : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)
    Q_PROPERTY(QColor backgroundColour READ backgroundColour WRITE setBackgroundColour)
    Q_PROPERTY(TextPosition textPosition READ textPosition WRITE setTextPosition)
    Q_PROPERTY(bool gradient READ hasGradient WRITE setGradient)

public:
    enum TextPosition { Centre, Bottom, Top };
    Q_ENUM(TextPosition)

    // Starts 17 x 17 with "Arial" 24 in silver on grey.
    explicit CaptionBand(QWidget* parent = nullptr);

    // When empty, the object name is shown.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);
    QColor backgroundColour() const { return background_; }
    void setBackgroundColour(const QColor& colour);
    TextPosition textPosition() const { return position_; }
    void setTextPosition(TextPosition position);
    bool hasGradient() const { return gradient_; }
    void setGradient(bool on);

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
    QColor textColour_{192, 192, 192};
    QColor background_{128, 128, 128};
    TextPosition position_ = Bottom;
    bool gradient_ = true;
};
