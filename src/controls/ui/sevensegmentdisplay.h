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
    Q_PROPERTY(int Wert READ Wert WRITE setWert)
    Q_PROPERTY(int Stellen READ Stellen WRITE setStellen)
    Q_PROPERTY(float SkalFaktor READ SkalFaktor WRITE setSkalFaktor)
    Q_PROPERTY(bool SkipNull READ SkipNull WRITE setSkipNull)
    Q_PROPERTY(tfarbe ZifferFarbe READ ZifferFarbe WRITE setZifferFarbe)
    Q_PROPERTY(tmodus Modus READ Modus WRITE setModus)

public:
    enum tfarbe { zfRot, zfGruen, zfGelb, zfBlau };
    Q_ENUM(tfarbe)
    enum tmodus { mNormal, mDemo };
    Q_ENUM(tmodus)

    static constexpr int kMaxWert = 99999999;
    static constexpr int kDemoInterval = 150;

    explicit SevenSegmentDisplay(QWidget* parent = nullptr);

    int Wert() const { return wert_; }
    // Values above kMaxWert become 0.
    void setWert(int value);
    int Stellen() const { return stellen_; }
    // Only 1..10 positions are taken.
    void setStellen(int count);
    float SkalFaktor() const { return skalFaktor_; }
    void setSkalFaktor(float scale);
    bool SkipNull() const { return skipNull_; }
    void setSkipNull(bool skip);
    tfarbe ZifferFarbe() const { return zifferFarbe_; }
    void setZifferFarbe(tfarbe colour);
    tmodus Modus() const { return modus_; }
    void setModus(tmodus mode);

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

    int wert_ = 0;
    int stellen_ = 2;
    float skalFaktor_ = 0.5f;
    bool skipNull_ = true;
    tfarbe zifferFarbe_ = zfGruen;
    tmodus modus_ = mNormal;
    QTimer* timer_;
    int frame_ = 1;
    QString demoPattern_;
    QImage image_;
};
