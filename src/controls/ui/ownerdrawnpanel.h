#pragma once

#include <QWidget>

class QPainter;

// A panel whose owner paints all of it, as the high-score window does: unless `Zeichnen`
// is set, painting only hands the owner a painter on the panel.
class OwnerDrawnPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Zeichnen READ Zeichnen WRITE setZeichnen)

public:
    explicit OwnerDrawnPanel(QWidget* parent = nullptr);

    bool Zeichnen() const { return drawsItself_; }
    void setZeichnen(bool on);

Q_SIGNALS:
    // Connect directly: the painter is only valid during the call. Nothing is erased
    // before, so the owner paints every pixel.
    void paint(QPainter* painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool drawsItself_ = false;
};
