#pragma once

class QWidget;

// Places the window in the middle of the primary screen, by its frame size when it has one.
void centreOnScreen(QWidget& window);
