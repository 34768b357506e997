#pragma once

#include "drivetype.h"

#include <QString>
#include <QUrl>

#include <functional>

// The maker's web page. The address is a placeholder in a domain reserved for examples, so it
// can never lead anyone to a stranger's site; the makers put their own address here.
inline constexpr const char* kHomepageUrl = "https://www.vuko-software.example/";

// The two folders a shortcut can be placed in.
struct ShortcutFolders {
    QString desktop;
    QString startMenu; // the applications menu
};

// What the shell commands of the main window reach outside the program; tests replace it.
struct ShellEnvironment {
    QString executablePath;
    ShortcutFolders folders;
    std::function<DriveType(const QString& path)> driveTypeOf;
    std::function<QString()> ownAddress;
    std::function<bool(const QUrl&)> openUrl;
};

// This program, this user's folders, the real file systems, network and web browser.
ShellEnvironment realShellEnvironment();

// Opens the maker's web page; nothing is said when no browser takes it.
void openHomepage(const ShellEnvironment& shell);
