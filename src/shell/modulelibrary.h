#pragma once

#include <QStringList>

// The program's own modules (audio output, network): shared libraries loaded when first
// needed, so that what they pull in is not loaded at every start. A module is never unloaded.

// Where to look for the module file `fileName`: the folder it is installed to, relative to the
// program, then beside the program (the build tree), after any folder added below.
QStringList moduleCandidates(const QString& fileName);

// A folder to look in first, for programs that do not lie beside the modules (the tests).
void addModuleFolder(const QString& folder);

// The function `symbol` of the first of `files` that loads and has it; nullptr, with a
// warning, when none does.
QFunctionPointer resolveModuleFunction(const QStringList& files, const char* symbol);
