#pragma once

#include "timing/task.h"

#include <QMessageBox>

// Shows a message box as modal as exec() would, without running a loop of its own: the task
// awaiting it goes on once it is answered, with the button pressed (NoButton when it was closed
// otherwise). A task dropped meanwhile takes the box with it.
Task<QMessageBox::StandardButton> messageAnswer(QWidget* parent, QMessageBox::Icon icon, QString title,
                                                QString text, QMessageBox::StandardButtons buttons);
