#include "cardnumberfield.h"

#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace {

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

bool isSignOrNothing(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == QLatin1String("-") || trimmed == QLatin1String("+");
}

} // namespace

CardNumberField::CardNumberField(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 64);
    setValue(1);
}

int CardNumberField::typedNumber() const {
    return wholeNumber(lineEdit()->text()).value_or(1);
}

QValidator::State CardNumberField::validate(QString& input, int&) const {
    if (isSignOrNothing(input))
        return QValidator::Intermediate;
    const std::optional<int> number = wholeNumber(input);
    // Letters are refused as they are typed; numbers of any size may stand while typing.
    if (!number)
        return QValidator::Invalid;
    return *number >= minimum() && *number <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void CardNumberField::fixup(QString& input) const {
    const int number = wholeNumber(input).value_or(1);
    input = QString::number(std::clamp(number, minimum(), maximum()));
}
