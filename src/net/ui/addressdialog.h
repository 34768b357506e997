#pragma once

#include <QDialog>

class QComboBox;
class PushButton;

// Asks for the address of the other computer.
class AddressDialog : public QDialog {
    Q_OBJECT
public:
    AddressDialog(const QImage& texture, QWidget* parent = nullptr);

    // Shows the dialog centred and modal with `previous` to edit; the address typed when
    // "Verbinden" was pressed, else the empty text.
    QString askForAddress(const QString& previous);

    bool confirmed = false;
    QComboBox* addressBox = nullptr;
    PushButton* connectButton = nullptr; // "Verbinden"
    PushButton* cancelButton = nullptr;  // "Abbruch"
    PushButton* helpButton = nullptr;    // "Hilfe"

private:
    void confirm();
};
