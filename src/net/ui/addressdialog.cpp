#include "addressdialog.h"

#include "board/fonts.h"
#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

AddressDialog::AddressDialog(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("formNetzAdresseEingeben"));
    setWindowTitle(QStringLiteral("Verbinden..."));
    setFixedSize(440, 212);

    TexturePanel* panel = buildDialogFrame(*this, QStringLiteral(" Netzwerkadresse..."), texture).panel;

    auto* text = new QLabel(QStringLiteral("Bitte geben Sie hier die Adresse des Computers ein,\n"
                                           "mit dem Sie eine Netzwerkverbindung etablieren möchten:"),
                            panel);
    text->setFont(arialFontOfPixelSize(13));
    text->setGeometry(16, 24, panel->width() - 32, 40);

    ComboBox1 = new QComboBox(panel);
    ComboBox1->setEditable(true);
    ComboBox1->setFont(arialFontOfPixelSize(13));
    ComboBox1->setGeometry(16, 80, panel->width() - 32, 24);

    VKButton1 = makeButton(panel, QStringLiteral("Verbinden"), QColor(0, 255, 0), QRect(16, 170, 120, 22));
    VKButton1->setDefault(true);
    VKButton2 = makeButton(panel, QStringLiteral("Abbruch"), QColor(255, 0, 0), QRect(142, 170, 120, 22));
    VKButton2->setCancel(true);
    VKButton3 = makeButton(panel, QStringLiteral("Hilfe"), QColor(255, 255, 0), QRect(268, 170, 120, 22));

    connect(VKButton1, &PushButton::clicked, this, &AddressDialog::VKButton1Click);
    connect(VKButton2, &PushButton::clicked, this, &QDialog::reject);
}

QString AddressDialog::AdresseErfragen() {
    bestaetigt = false;
    centreOnScreen(*this);
    ComboBox1->setFocus();
    ComboBox1->lineEdit()->selectAll();
    exec();
    return bestaetigt ? ComboBox1->currentText() : QString();
}

void AddressDialog::VKButton1Click() {
    if (ComboBox1->currentText().isEmpty())
        return;
    bestaetigt = true;
    accept();
}
