#include "spinfield.h"

#include "accessibleevents.h"

#include <QLineEdit>

#include <algorithm>

SpinField::SpinField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    lineEdit()->setMaxLength(4);
    setValue(minimum);
    // Typed, stepped or set: whoever reads the value hears the new one.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, value());
        announce(event);
    });
}

int SpinField::value() const {
    bool ok = false;
    const int number = text().toInt(&ok);
    return ok ? number : minimum_;
}

void SpinField::setValue(int value) {
    lineEdit()->setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

void SpinField::stepBy(int steps) {
    setValue(value() + steps);
    selectAll();
}

// Signs and digits only; whether they make a number is settled when the value is read.
QValidator::State SpinField::validate(QString& input, int&) const {
    const bool typeable = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
    });
    return typeable ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < maximum_)
        enabled |= StepUpEnabled;
    if (value() > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

void SpinField::focusOutEvent(QFocusEvent* event) {
    setValue(value());
    QAbstractSpinBox::focusOutEvent(event);
}
