#pragma once

#include <QImage>
#include <QWidget>

// Shows a prepared picture and forwards mouse presses. Painting only copies
// the picture; it never draws anything itself.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    // The whole picture goes to the screen.
    void showImage(const QImage& image);
    // A piece of a picture goes to the screen at `at`, at once, over what is shown there.
    void showPiece(const QImage& piece, QPoint at);
    // What the screen shows now.
    const QImage& shownImage() const { return shown_; }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage shown_;
};
