#pragma once

class QCoreApplication;

// The program's command line: only --help and --version of its own; the toolkit's options
// (-platform, -display, ...) are the toolkit's.

// Before the application exists: answers --help, --help-all or --version, without needing a
// display, and ends the program with status 0. Returns when none of them was given.
void answerInformationOptions(int argc, char** argv);

// Once the application has taken the toolkit's options: an option left over that the program
// does not know ends it with a message and status 1.
void refuseUnknownOptions(const QCoreApplication& app);
