#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

// The coloured push button of the dialogs: a bevelled face in `faceColour` with a centred
// caption. The window's `default` button answers Enter and its `cancel` button Escape, from
// wherever the focus is, unless a control there took the key; the caption's & character
// marks its accelerator, and Space presses it while it has the focus. Disabled (QWidget's enabled property),
// it shows a silver face.
class PushButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)
    Q_PROPERTY(QColor faceColour READ faceColour WRITE setFaceColour)
    Q_PROPERTY(bool shadow READ hasShadow WRITE setShadow)
    Q_PROPERTY(bool default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool cancel READ isCancel WRITE setCancel)
    Q_PROPERTY(bool tabStop READ hasTabStop WRITE setTabStop)

public:
    // Until a caption is set, the first paint shows the object name.
    explicit PushButton(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);
    QColor faceColour() const { return face_; }
    void setFaceColour(const QColor& colour);
    bool hasShadow() const { return shadow_; }
    void setShadow(bool on);
    bool isDefault() const { return default_; }
    void setDefault(bool on) { default_ = on; }
    bool isCancel() const { return cancel_; }
    void setCancel(bool on) { cancel_ = on; }
    bool hasTabStop() const { return focusPolicy() & Qt::TabFocus; }
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
    void keyPressEvent(QKeyEvent* event) override;
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
    QColor textColour_ = Qt::black;
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
