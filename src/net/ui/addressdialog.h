#pragma once

#include <QDialog>

class QComboBox;
class TVKButton;

// Asks for the address of the other computer.
class TformNetzAdresseEingeben : public QDialog {
    Q_OBJECT
public:
    TformNetzAdresseEingeben(const QImage& texture, QWidget* parent = nullptr);

    // Shows the dialog centred and modal; the address typed when "Verbinden" was pressed,
    // else the empty text. The caller puts the last address into ComboBox1 first.
    QString AdresseErfragen();

    bool bestaetigt = false;
    QComboBox* ComboBox1 = nullptr;
    TVKButton* VKButton1 = nullptr; // "Verbinden"
    TVKButton* VKButton2 = nullptr; // "Abbruch"
    TVKButton* VKButton3 = nullptr; // "Hilfe"

private:
    void VKButton1Click();
};
