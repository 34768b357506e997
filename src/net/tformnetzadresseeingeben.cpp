#include "tformnetzadresseeingeben.h"

#include "board/fonts.h"
#include "controls/centring.h"
#include "controls/tlabel90.h"
#include "controls/ttexturpanel.h"
#include "controls/tvkbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

TVKButton* button(QWidget* parent, const QString& caption, const QColor& colour, QPoint at) {
    auto* b = new TVKButton(parent);
    b->setCaption(caption);
    b->setColor(colour);
    b->move(at);
    return b;
}

} // namespace

TformNetzAdresseEingeben::TformNetzAdresseEingeben(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("formNetzAdresseEingeben"));
    setWindowTitle(QStringLiteral("Verbinden..."));
    setFixedSize(440, 212);

    auto* band = new TLabel90(this);
    band->setCaption(QStringLiteral(" Netzwerkadresse..."));
    band->setGeometry(0, 0, band->sizeHint().width(), height());

    auto* panel = new TTexturpanel(this);
    panel->setTexturbild(texture);
    panel->setGeometry(band->width(), 0, width() - band->width(), height());

    auto* text = new QLabel(QStringLiteral("Bitte geben Sie hier die Adresse des Computers ein,\n"
                                           "mit dem Sie eine Netzwerkverbindung etablieren möchten:"),
                            panel);
    text->setFont(arialFontOfPixelSize(13));
    text->setGeometry(16, 24, panel->width() - 32, 40);

    ComboBox1 = new QComboBox(panel);
    ComboBox1->setEditable(true);
    ComboBox1->setFont(arialFontOfPixelSize(13));
    ComboBox1->setGeometry(16, 80, panel->width() - 32, 24);

    VKButton1 = button(panel, QStringLiteral("Verbinden"), QColor(0, 255, 0), {16, 170});
    VKButton1->setDefault(true);
    VKButton2 = button(panel, QStringLiteral("Abbruch"), QColor(255, 0, 0), {142, 170});
    VKButton2->setCancel(true);
    VKButton3 = button(panel, QStringLiteral("Hilfe"), QColor(255, 255, 0), {268, 170});

    connect(VKButton1, &TVKButton::clicked, this, &TformNetzAdresseEingeben::VKButton1Click);
    connect(VKButton2, &TVKButton::clicked, this, &QDialog::reject);
}

QString TformNetzAdresseEingeben::AdresseErfragen() {
    bestaetigt = false;
    centreOnScreen(*this);
    ComboBox1->setFocus();
    ComboBox1->lineEdit()->selectAll();
    exec();
    return bestaetigt ? ComboBox1->currentText() : QString();
}

void TformNetzAdresseEingeben::VKButton1Click() {
    if (ComboBox1->currentText().isEmpty())
        return;
    bestaetigt = true;
    accept();
}
