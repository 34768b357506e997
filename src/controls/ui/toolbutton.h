#pragma once

#include "texturepanel.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// The flat tool button of the main window and the card editor: a picture over two caption
// lines on the texture behind it, framed by three rounded lines while the mouse is over it.
// It sizes itself to its picture and captions. Tab reaches it and Space clicks it, but a click
// with the mouse leaves the focus where it was, as with QToolButton. Disabled (QWidget's enabled property),
// it shows in the blended look and does not click.
class ToolButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage picture READ picture WRITE setPicture)
    Q_PROPERTY(QString topCaption READ topCaption WRITE setTopCaption)
    Q_PROPERTY(QString bottomCaption READ bottomCaption WRITE setBottomCaption)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)
    Q_PROPERTY(bool hoverFrame READ hasHoverFrame WRITE setHoverFrame)
    Q_PROPERTY(TexturePanel* panel READ panel WRITE setPanel)

public:
    explicit ToolButton(QWidget* parent = nullptr);

    // Pure white pixels of the picture are see-through.
    QImage picture() const { return picture_; }
    void setPicture(const QImage& bitmap);
    QString topCaption() const { return topCaption_; }
    void setTopCaption(const QString& caption);
    QString bottomCaption() const { return bottomCaption_; }
    void setBottomCaption(const QString& caption);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);
    // The frame that shows the mouse is over the button.
    bool hasHoverFrame() const { return hoverFrame_; }
    void setHoverFrame(bool on);
    // The panel the button sits on; kept for the windows, not used in painting.
    TexturePanel* panel() const { return panel_; }
    void setPanel(TexturePanel* panel) { panel_ = panel; }

    // Raises clicked() when enabled, as a mouse click or Space does.
    void click();

    // The button as painted, before white is made see-through.
    QImage render() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // An empty caption line takes no room, so a one-line button is not taller than it needs.
    int lineHeight(const QString& caption) const;
    void fitSize();

    QImage picture_;
    QString topCaption_ = QStringLiteral("Vuko-Software");
    QString bottomCaption_;
    QColor textColour_ = Qt::black;
    bool hoverFrame_ = false;
    TexturePanel* panel_ = nullptr;
    bool pressed_ = false;
};
