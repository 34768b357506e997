#pragma once

#include <QLabel>

// A label that shows a value beside its caption. Assistive technology hears it with the
// labels whose buddy it is, caption before and unit after: "Teilgenommen an: 12 Spielen".
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
