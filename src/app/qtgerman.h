#pragma once

class QTranslator;

// Loads Qt's own texts in German (its buttons, the command line's help) into `translator`
// and installs it: the program speaks German whatever the desktop's language.
void installQtGerman(QTranslator& translator);
