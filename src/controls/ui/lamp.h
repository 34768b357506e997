#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A round lamp that works as a check box (`CheckBox`) or as one of a group of radio buttons
// (`RadioButton`: lamps with the same parent and `group`). Its label is the optional
// `caption`, drawn right of the lamp; clicking the label works like clicking the lamp.
// Space works like a click. Of a radio group only the lamp that is on is a Tab stop; the arrow
// keys move from it to the others of the group and switch them on, as with radio buttons.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled)
    Q_PROPERTY(Colour litColour READ litColour WRITE setLitColour)
    Q_PROPERTY(int spotRadius READ spotRadius WRITE setSpotRadius)
    Q_PROPERTY(int group READ group WRITE setGroup)
    Q_PROPERTY(Behaviour behaviour READ behaviour WRITE setBehaviour)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)

public:
    enum Colour { Red, Green, Yellow, Blue };
    Q_ENUM(Colour)
    enum Behaviour { CheckBox, RadioButton };
    Q_ENUM(Behaviour)

    // Starts as a 17 x 17 red check-box lamp, off.
    explicit Lamp(QWidget* parent = nullptr);

    bool isChecked() const { return on_; }
    // Repaints and raises toggled() when the value actually changes.
    void setChecked(bool on);
    Colour litColour() const { return colour_; }
    void setLitColour(Colour colour);
    // Radius of the lit spot, kept within 1..lamp size div 4.
    int spotRadius() const { return spot_; }
    void setSpotRadius(int radius);
    int group() const { return group_; }
    void setGroup(int group);
    Behaviour behaviour() const { return behaviour_; }
    void setBehaviour(Behaviour behaviour);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);

    // What a click does: a check box switches over, a radio lamp goes on and its partners off.
    void click();

    // The lamp's square side: the larger side of the control, or with a caption its height.
    int lampSize() const;
    // The control as the next paint shows it; outside the lamp and the text it is clear.
    QImage render() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void toggled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitSize();
    // The radio lamps of the group, this one included, top to bottom and left to right.
    QList<Lamp*> radioGroup() const;
    void switchOffPartners();
    void updateTabStops();
    void moveInGroup(int step);

    bool on_ = false;
    Colour colour_ = Red;
    int spot_ = 4;
    int group_ = 0;
    Behaviour behaviour_ = CheckBox;
    QString caption_;
    QColor textColour_ = Qt::black;
};
