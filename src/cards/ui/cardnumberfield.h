#pragma once

#include <QSpinBox>

// The card-number field: 1..64. Its arrows stop at the limits. Any whole number may be
// typed; one outside the range is brought into it when the field loses the focus, and text
// that is no number (an empty field, a lone sign) counts as 1.
class CardNumberField : public QSpinBox {
    Q_OBJECT
public:
    explicit CardNumberField(QWidget* parent = nullptr);

    // The number the text stands for right now, in range or not.
    int typedNumber() const;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
