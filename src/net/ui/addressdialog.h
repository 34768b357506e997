#pragma once

#include <QDialog>

class QComboBox;
class PushButton;

// Asks for the address of the other computer.
class AddressDialog : public QDialog {
    Q_OBJECT
public:
    AddressDialog(const QImage& texture, QWidget* parent = nullptr);

    // Shows the dialog centred and modal; the address typed when "Verbinden" was pressed,
    // else the empty text. The caller puts the last address into ComboBox1 first.
    QString AdresseErfragen();

    bool bestaetigt = false;
    QComboBox* ComboBox1 = nullptr;
    PushButton* VKButton1 = nullptr; // "Verbinden"
    PushButton* VKButton2 = nullptr; // "Abbruch"
    PushButton* VKButton3 = nullptr; // "Hilfe"

private:
    void VKButton1Click();
};
