#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A round lamp that works as a check box (`bfNormal`) or as one of a group of radio buttons
// (`bfRadio`: lamps with the same parent and `GruppenId`). Its label is the optional
// `Caption`, drawn right of the lamp; clicking the label works like clicking the lamp.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Status READ Status WRITE setStatus NOTIFY geaendert)
    Q_PROPERTY(LampColour AktivFarbe READ AktivFarbe WRITE setAktivFarbe)
    Q_PROPERTY(int LeuchtGroesse READ LeuchtGroesse WRITE setLeuchtGroesse)
    Q_PROPERTY(int GruppenId READ GruppenId WRITE setGruppenId)
    Q_PROPERTY(Behaviour Funktion READ Funktion WRITE setFunktion)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

public:
    enum LampColour { afRot, afGruen, afGelb, afBlau };
    Q_ENUM(LampColour)
    enum Behaviour { bfNormal, bfRadio };
    Q_ENUM(Behaviour)

    // Starts as a 17 x 17 red check-box lamp, off.
    explicit Lamp(QWidget* parent = nullptr);

    bool Status() const { return on_; }
    // Repaints and raises geaendert() when the value actually changes.
    void setStatus(bool on);
    LampColour AktivFarbe() const { return colour_; }
    void setAktivFarbe(LampColour colour);
    // Radius of the lit spot, kept within 1..lamp size div 4.
    int LeuchtGroesse() const { return spot_; }
    void setLeuchtGroesse(int radius);
    int GruppenId() const { return group_; }
    void setGruppenId(int group) { group_ = group; }
    Behaviour Funktion() const { return behaviour_; }
    void setFunktion(Behaviour behaviour) { behaviour_ = behaviour; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return fontColour_; }
    void setFontColor(const QColor& colour);

    // The lamp's square side: the larger side of the control, or with a caption its height.
    int lampSize() const;
    // The control as the next paint shows it; outside the lamp and the text it is clear.
    QImage render() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void geaendert();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void fitSize();
    void switchOffPartners();

    bool on_ = false;
    LampColour colour_ = afRot;
    int spot_ = 4;
    int group_ = 0;
    Behaviour behaviour_ = bfNormal;
    QString caption_;
    QColor fontColour_ = Qt::black;
};
