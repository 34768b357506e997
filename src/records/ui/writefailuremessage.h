#pragma once

#include <QString>

class QWidget;

// Tells the user that a data file could not be written, so the new results are missing from it.
void showWriteFailure(QWidget* parent, const QString& path, const QString& reason);
