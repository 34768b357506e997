#pragma once

#include <QString>
#include <QStringList>

// The language of everything the player reads: German, in which the program is written, or
// English. Files, settings and what the other computer receives stay German in both.
enum class UiLanguage { German, English };

// English when English comes before German in the preferred languages (as
// QLocale::uiLanguages() lists them), German otherwise: also for C, POSIX and lists naming
// neither.
UiLanguage preferredUiLanguage(const QStringList& uiLanguages);
// The language the desktop prefers, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
UiLanguage desktopUiLanguage();

// Installs the program's texts and Qt's own (its buttons, its dialogs) in `language`,
// replacing those of the language before. German needs no translation of the program's texts.
void setUiLanguage(UiLanguage language);
UiLanguage uiLanguage();

// The resource `path` in the current language: ":/help/en/optio.html" for ":/help/optio.html"
// under English where that exists, otherwise `path`.
QString localisedResource(const QString& path);
