#include "addressdialog.h"

#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

AddressDialog::AddressDialog(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("addressDialog"));
    setWindowTitle(tr("Verbinden..."));
    setFixedSize(440, 212);

    TexturePanel* panel = buildDialogFrame(*this, tr(" Netzwerkadresse..."), texture).panel;

    auto* text = new QLabel(tr("Bitte geben Sie hier die Adresse des Computers ein,\n"
                               "mit dem Sie eine Netzwerkverbindung etablieren möchten:"),
                            panel);
    text->setFont(arialFontOfPixelSize(13));
    text->setGeometry(16, 24, panel->width() - 32, 40);

    addressBox = new QComboBox(panel);
    addressBox->setEditable(true);
    addressBox->setFont(arialFontOfPixelSize(13));
    addressBox->setGeometry(16, 80, panel->width() - 32, 24);

    connectButton = makeButton(panel, tr("Verbinden"), QColor(0, 255, 0), QRect(16, 170, 120, 22));
    connectButton->setDefault(true);
    cancelButton = makeButton(panel, tr("Abbruch"), QColor(255, 0, 0), QRect(142, 170, 120, 22));
    cancelButton->setCancel(true);
    helpButton = makeButton(panel, tr("Hilfe"), QColor(255, 255, 0), QRect(268, 170, 120, 22));

    connect(connectButton, &PushButton::clicked, this, &AddressDialog::confirm);
    connect(cancelButton, &PushButton::clicked, this, &QDialog::reject);
}

QString AddressDialog::askForAddress(const QString& previous) {
    addressBox->setEditText(previous);
    confirmed = false;
    centreOnScreen(*this);
    addressBox->setFocus();
    addressBox->lineEdit()->selectAll();
    exec();
    return confirmed ? addressBox->currentText() : QString();
}

void AddressDialog::confirm() {
    if (addressBox->currentText().isEmpty())
        return;
    confirmed = true;
    accept();
}
