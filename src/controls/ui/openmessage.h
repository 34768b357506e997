#pragma once

#include <QMessageBox>

// Shows a message box as modal as exec() would, without a loop of its own: whatever asked for
// it goes on at once. The box deletes itself once it is closed.
QMessageBox* openMessage(QMessageBox::Icon icon, const QString& title, const QString& text,
                         QWidget* parent = nullptr);
