#pragma once

#include <QWidget>

class QPainter;

// A panel whose owner paints all of it, as the high-score window does: unless `drawsItself`
// is set, painting only hands the owner a painter on the panel.
class OwnerDrawnPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool drawsItself READ drawsItself WRITE setDrawsItself)

public:
    explicit OwnerDrawnPanel(QWidget* parent = nullptr);

    bool drawsItself() const { return drawsItself_; }
    void setDrawsItself(bool on);

Q_SIGNALS:
    // Connect directly: the painter is only valid during the call. Nothing is erased
    // before, so the owner paints every pixel.
    void paint(QPainter* painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool drawsItself_ = false;
};
