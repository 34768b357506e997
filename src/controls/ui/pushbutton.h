#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

// The coloured push button of the dialogs: a bevelled face in `Color` with a centred
// caption. The window's `Default` button answers Enter and its `Cancel` button Escape, from
// wherever the focus is, unless a control there took the key; the caption's & character
// marks its accelerator. Disabled (QWidget's enabled property), it shows a silver face.
class PushButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Schatten READ Schatten WRITE setSchatten)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    // Until a caption is set, the first paint shows the object name.
    explicit PushButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return fontColour_; }
    void setFontColor(const QColor& colour);
    QColor Color() const { return face_; }
    void setColor(const QColor& colour);
    bool Schatten() const { return shadow_; }
    void setSchatten(bool on);
    bool Default() const { return default_; }
    void setDefault(bool on) { default_ = on; }
    bool Cancel() const { return cancel_; }
    void setCancel(bool on) { cancel_ = on; }
    bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
    void setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

    // Raises clicked() when enabled.
    void click();
    // The button as the next paint shows it.
    QImage render() const;

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyCaption(const QString& caption);
    void watchWindow();
    bool answersKey(const QKeyEvent& key) const;
    void pressByKey();
    void releaseByKey();
    void setPressed(bool pressed, bool inside);
    void paintBevels(QImage& image, int p) const;
    void paintCaption(QImage& image, int p) const;

    QString caption_;
    QColor fontColour_ = Qt::black;
    QColor face_{255, 0, 0};
    bool shadow_ = false;
    bool default_ = false;
    bool cancel_ = false;
    bool pressed_ = false; // the left button went down on it and has not left it
    bool inside_ = false;  // the mouse is over it
    int shortcutId_ = 0;
    QTimer keyRelease_;
    QPointer<QWidget> watchedWindow_;
};
