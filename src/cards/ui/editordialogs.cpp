#include "editordialogs.h"

#include "records/datapaths.h"
#include "sheetsavedialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString sheetFolder() {
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder = besideProgramDirectory(QCoreApplication::applicationDirPath(), userData);
    QDir().mkpath(folder);
    return folder;
}

QString chosenFile(QFileDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString openPicture(QWidget* parent, const QString& title) {
    // The pattern in brackets is part of the filter's name; the one in parentheses is what
    // Qt matches, and it stays hidden.
    QFileDialog dialog(parent, title, QString(),
                       QCoreApplication::translate("EditorDialogs", "Windows-Bitmap [*.BMP] (*.bmp)"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString openSheet(QWidget* parent) {
    QFileDialog dialog(parent, QString(), sheetFolder(),
                       QCoreApplication::translate("EditorDialogs", "Paarlobilddateien (*.pbd)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString saveSheet(QWidget* parent) {
    SheetSaveDialog dialog(parent, sheetFolder());
    return chosenFile(dialog);
}

std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

void showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QCoreApplication::applicationName(), text);
}

} // namespace

EditorDialogs standardEditorDialogs() {
    return {openPicture, openSheet, saveSheet, chooseColour, showError};
}
