#pragma once

#include "controls/sevensegmentpainting.h"

#include <QImage>
#include <QString>
#include <QWidget>

class QTimer;

// Shows a whole number as slanted seven-segment digits, or runs a light pattern over two
// digits in demonstration mode. Whenever it paints while showing it takes the size its
// drawing needs; until then a new display is 100 x 60.
class SevenSegmentDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int digits READ digits WRITE setDigits)
    Q_PROPERTY(float scale READ scale WRITE setScale)
    Q_PROPERTY(bool skipLeadingZeros READ skipLeadingZeros WRITE setSkipLeadingZeros)
    Q_PROPERTY(Colour digitColour READ digitColour WRITE setDigitColour)
    Q_PROPERTY(Mode mode READ mode WRITE setMode)

public:
    enum Colour { Red, Green, Yellow, Blue };
    Q_ENUM(Colour)
    enum Mode { Normal, Demo };
    Q_ENUM(Mode)

    static constexpr int kMaxValue = 99999999;
    static constexpr int kDemoInterval = 150;

    explicit SevenSegmentDisplay(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Values above kMaxValue become 0.
    void setValue(int value);
    int digits() const { return digits_; }
    // Only 1..10 positions are taken.
    void setDigits(int count);
    float scale() const { return scale_; }
    void setScale(float scale);
    bool skipLeadingZeros() const { return skipLeadingZeros_; }
    void setSkipLeadingZeros(bool skip);
    Colour digitColour() const { return digitColour_; }
    void setDigitColour(Colour colour);
    Mode mode() const { return mode_; }
    void setMode(Mode mode);

    // One tick of the demonstration timer; public so the light run can be stepped directly.
    void advanceDemo();
    QString demoPattern() const { return demoPattern_; }
    // The picture as last painted (null before the first paint).
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void redraw();

    int value_ = 0;
    int digits_ = 2;
    float scale_ = 0.5f;
    bool skipLeadingZeros_ = true;
    Colour digitColour_ = Green;
    Mode mode_ = Normal;
    QTimer* timer_;
    int frame_ = 1;
    QString demoPattern_;
    QImage image_;
};
