#pragma once

#include <QWidget>

// A plain window in the background colour over the whole screen, behind the main window,
// to hide a busy desktop. It takes no input.
class BackgroundCover : public QWidget {
public:
    explicit BackgroundCover(const QColor& colour);
    void setColour(const QColor& colour);
};
