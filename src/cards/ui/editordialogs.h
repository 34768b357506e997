#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The questions the card editor asks through the platform's dialogs; tests put answers in
// their place. A file dialog gives an empty name when the user cancels.
struct EditorDialogs {
    // A Windows bitmap to put into a card, under the given dialog title.
    std::function<QString(QWidget* parent, const QString& title)> openPicture;
    // A card-picture file to load, or the name to save the sheet under.
    std::function<QString(QWidget* parent)> openSheet;
    std::function<QString(QWidget* parent)> saveSheet;
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColour;
    // A file that could not be read or written, with the reason the system gave.
    std::function<void(QWidget* parent, const QString& text)> showError;
};

// Qt's file and colour dialogs and the application's error box. Sheets are loaded from and
// saved to the program's folder, or the user's data folder when the program's is not
// writable (an installed program). The save dialog asks before it names a new file and
// refuses folders that do not exist.
EditorDialogs standardEditorDialogs();
