#pragma once

#include <QWidget>

// The keyboard focus mark of the board: a ring filling the 3-pixel gap round one card. It lies
// on the board view, shaped to the ring alone, so the card's 40 x 40 pixels and every fade frame
// drawn there stay exactly as the view shows them.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* view);

    // Rings the card whose top-left pixel is `cardCorner`.
    void ring(QPoint cardCorner);

protected:
    void paintEvent(QPaintEvent* event) override;
};
