#pragma once

#include <functional>

class QWidget;

// Runs `handle` on the next modal window as soon as it is open (a message box, a dialog),
// so tests can answer what the program asks.
void onNextModal(std::function<void(QWidget*)> handle);

// Presses the button with this text in the next modal message box.
void answerNextMessageBox(int standardButton);
