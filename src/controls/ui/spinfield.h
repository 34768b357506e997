#pragma once

#include <QAbstractSpinBox>

// A whole-number field with arrows. Unlike QSpinBox it lets any number of up to four
// characters stand while it is being edited: a value outside the range is put back into
// it only when the field loses the focus, and a text that is no number reads as the minimum.
// Its properties are those of QSpinBox, through which assistive technology reads the value.
class SpinField : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
    Q_PROPERTY(int stepSize READ stepSize CONSTANT)

public:
    SpinField(int minimum, int maximum, QWidget* parent = nullptr);

    // The text as a number, whatever the range; the minimum when it is no number.
    int value() const;
    // Shows the value put into the range.
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int stepSize() const { return 1; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minimum_;
    int maximum_;
};
