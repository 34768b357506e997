#pragma once

#include <QFileDialog>

// The dialog that names the file a sheet is saved to. Besides asking before it replaces a
// file, it asks before a new file is made and refuses names in folders that do not exist;
// in both cases it stays open for another choice.
class SheetSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    SheetSaveDialog(QWidget* parent, const QString& folder);

    void accept() override;

private:
    bool confirmNewFile(const QString& fileName);
    void reportMissingFolder(const QString& folder);
};
