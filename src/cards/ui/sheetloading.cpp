#include "sheetloading.h"

#include "cards/cardsheet.h"

#include <QCoreApplication>
#include <QMessageBox>

void loadCurrentSheet(const QString& source, QImage& currentSheet, QWidget* parent) {
    if (isBuiltInSheetMarker(source)) {
        useBuiltInSheet(currentSheet);
        return;
    }
    if (std::optional<QImage> sheet = readSheetFile(source)) {
        currentSheet = std::move(*sheet);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("SheetLoading", "Fehler!"),
                    QCoreApplication::translate("SheetLoading",
                                                "Das angegebene Bild konnte nicht gefunden werden!\n"
                                                "Es werden deshalb die internen Kartensymbole benutzt."),
                    QMessageBox::Ok, parent);
    box.exec();
    useBuiltInSheet(currentSheet);
}

void useBuiltInSheet(QImage& currentSheet) {
    currentSheet = builtInSheet();
}
