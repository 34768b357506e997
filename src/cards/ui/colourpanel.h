#pragma once

#include <QColor>
#include <QFrame>

// A raised panel that shows one colour of the card editor and reports clicks and double
// clicks; its bevel is wider on the slot that is current. Assistive technology hears it as
// a button "Farbe 1" with its colour, checked while current (accessiblecolourpanel.h).
class ColourPanel : public QFrame {
    Q_OBJECT
public:
    ColourPanel(int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    int bevelWidth() const { return lineWidth(); }
    void setBevelWidth(int width);
    // Reports a click, as the mouse does.
    void click() { Q_EMIT clicked(tag_); }

Q_SIGNALS:
    void clicked(int tag);
    void doubleClicked(int tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int tag_;
    QColor colour_;
};
