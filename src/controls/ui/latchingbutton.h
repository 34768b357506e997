#pragma once

#include <QImage>
#include <QWidget>

// A picture button that stays down once clicked and releases the other buttons of its group
// (same parent, same `group`), like the card editor's drawing tools. It sizes itself to
// its picture plus 5 pixels. Tab reaches it and Space clicks it; a mouse click leaves the
// focus where it was. Disabled (QWidget's enabled property), the picture is blended.
class LatchingButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
    Q_PROPERTY(int group READ group WRITE setGroup)
    Q_PROPERTY(bool down READ isDown WRITE setDown)

public:
    explicit LatchingButton(QWidget* parent = nullptr);

    // Pure white pixels of the picture are see-through.
    QImage picture() const { return picture_; }
    void setPicture(const QImage& bitmap);
    int group() const { return group_; }
    void setGroup(int group) { group_ = group; }
    // Down; putting it down releases the rest of its group.
    bool isDown() const { return down_; }
    void setDown(bool down);

    // Puts the button down and raises clicked(), when enabled.
    void click();

    // The button as the next paint shows it.
    QImage render() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    // Raised on every click, also when the button was already down.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void releaseGroup();

    QImage picture_;
    int group_ = 0;
    bool down_ = false;
    bool pressed_ = false;
};
