#include "enddialog.h"

#include "board/fonts.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"

#include <QLabel>

EndDialog::EndDialog(const QImage& panelTexture, const QImage& boardTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("gewinnform"));
    setWindowTitle(QStringLiteral("Dieses Spiel ist beendet"));
    setFixedSize(391, 208);

    auto* background = new TexturePanel(this);
    background->setGeometry(0, 0, 391, 208);
    background->setTexture(panelTexture);

    Label1 = makeLabel(background, QStringLiteral("Herzlichen Glückwunsch,"), QRect(88, 24, 202, 20),
                       arialFontOfPixelSize(16, true));

    auto* texturpanel2 = new TexturePanel(background);
    texturpanel2->setGeometry(8, 48, 369, 57);
    texturpanel2->setTexture(boardTexture);
    texturpanel2->setBorder(true);
    texturpanel2->setBorderColour(Qt::black);

    Panel1 = new QLabel(texturpanel2);
    Panel1->setGeometry(8, 8, 353, 41);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFont(arialFontOfPixelSize(24));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette lime = Panel1->palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(lime);

    Label2 = makeLabel(background, QStringLiteral("Sie haben das Spiel gewonnen!"), QRect(74, 120, 253, 20),
                       arialFontOfPixelSize(16, true));

    VKButton1 = new PushButton(background);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Sehr schön!"));
    VKButton1->setGeometry(136, 179, 120, 22);
    VKButton1->setFont(arialFontOfPixelSize(12));
    VKButton1->setFaceColour(QColor(0, 255, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    connect(VKButton1, &PushButton::clicked, this, &EndDialog::VKButton1Click);
}

void EndDialog::showResult(const EndDialogText& text) {
    Label1->setText(text.label1);
    Panel1->setText(text.panel1);
    Label2->setText(text.label2);
    centreOnScreen(*this);
    exec();
}

void EndDialog::VKButton1Click() {
    accept();
}
