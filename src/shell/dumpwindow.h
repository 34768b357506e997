#pragma once

#include <QString>

// Shows the debug dump in a window of its own that goes away when closed.
void showDumpInOwnWindow(const QString& text);
