#pragma once

#include <QString>

// The file name of the program's desktop entry on the desktop.
inline constexpr const char* kDesktopShortcutFileName = "Sorbello.desktop";
// The file name of its entry in the applications menu: the installed menu entry's, so that the
// user's entry takes its place in the menu instead of showing the program twice.
inline constexpr const char* kMenuEntryFileName = "sorbello.desktop";

// A desktop entry that starts the program at `executablePath`, with the description
// "Link by Vuko".
QString desktopEntryText(const QString& executablePath);

// The Exec value for one program path, quoted and escaped so that launchers run exactly
// that file whatever characters its path holds.
QString desktopExecValue(const QString& executablePath);

// Writes (or rewrites) the desktop entry at `linkPath`, creating its folder. The file is
// marked executable, which desktops ask of launchers placed on the desktop.
bool writeDesktopEntry(const QString& linkPath, const QString& executablePath);

// Removes the entry at `path` when this program wrote it; any other file there stays.
void removeOwnDesktopEntry(const QString& path);
