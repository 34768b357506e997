#pragma once

#include <QString>

class QWidget;

// Tells the user that a stored setting is not a number and is left alone.
void showInvalidSetting(QWidget* parent, const QString& name, const QString& text);
