#pragma once

#include "shell/shellenvironment.h"

class QWidget;

enum class ShortcutPlace { Desktop, StartMenu };

// Asks whether to make the shortcut there; Yes goes on to createShortcut.
void offerShortcut(ShortcutPlace place, const ShellEnvironment& shell, QWidget* parent);

// Places a desktop entry for the program in the folder of `place`, rewriting an earlier one.
// Only a program on a fixed disk gets one: from a CD-ROM the user is told why not, from
// anywhere else nothing happens. Other failures leave no entry and say nothing.
void createShortcut(ShortcutPlace place, const ShellEnvironment& shell, QWidget* parent);

// Tells the user the address to give to the other computer of a network game.
void showOwnAddress(const ShellEnvironment& shell, QWidget* parent);
