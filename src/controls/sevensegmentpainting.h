#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// What a seven-segment display shows. Digits are slanted; at scale 1.0 one digit sits 60
// pixels from the next.
struct SevenSegmentLook {
    int value = 0;
    int digits = 2;
    float scale = 0.5f;
    bool skipLeadingZeros = true;
    QColor litColour = QColor(0, 255, 0);
    // In demonstration mode the pattern lights the segments instead of the value: seven
    // '0'/'1' characters per position for the segments a to g; an empty pattern lights none.
    bool demo = false;
    QString demoPattern;
};

// Empty for a scale that gives no pixels.
QSize sevenSegmentSize(float scale, int digits);

// Black background, every segment dark grey, lit ones in the look's colour; a negative
// value lights the middle bar of the leftmost position as a minus sign.
QImage paintSevenSegments(const SevenSegmentLook& look);

// The light pattern of demonstration frame 1..39 for two positions (14 characters).
QString sevenSegmentDemoFrame(int frame);
