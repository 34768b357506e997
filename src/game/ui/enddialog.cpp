#include "enddialog.h"

#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"

#include <QLabel>

EndDialog::EndDialog(const QImage& panelTexture, const QImage& boardTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("endDialog"));
    setWindowTitle(tr("Dieses Spiel ist beendet"));
    setFixedSize(391, 208);

    auto* background = new TexturePanel(this);
    background->setGeometry(0, 0, 391, 208);
    background->setTexture(panelTexture);

    headlineLabel = makeLabel(background, tr("Herzlichen Glückwunsch,"), QRect(88, 24, 202, 20),
                              arialFontOfPixelSize(16, true));

    auto* namePanel = new TexturePanel(background);
    namePanel->setGeometry(8, 48, 369, 57);
    namePanel->setTexture(boardTexture);
    namePanel->setBorder(true);
    namePanel->setBorderColour(Qt::black);

    highlightLabel = new QLabel(namePanel);
    highlightLabel->setGeometry(8, 8, 353, 41);
    highlightLabel->setAlignment(Qt::AlignCenter);
    highlightLabel->setFont(arialFontOfPixelSize(24));
    highlightLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    highlightLabel->setAutoFillBackground(true);
    QPalette lime = highlightLabel->palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, Qt::black);
    highlightLabel->setPalette(lime);

    closingLabel = makeLabel(background, tr("Sie haben das Spiel gewonnen!"), QRect(74, 120, 253, 20),
                             arialFontOfPixelSize(16, true));

    closeButton = new PushButton(background);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setCaption(tr("Sehr schön!"));
    closeButton->setGeometry(136, 179, 120, 22);
    closeButton->setFont(arialFontOfPixelSize(12));
    closeButton->setFaceColour(QColor(0, 255, 0));
    closeButton->setDefault(true);
    closeButton->setCancel(true);
    connect(closeButton, &PushButton::clicked, this, &QDialog::accept);
}

void EndDialog::showResult(const EndDialogText& text) {
    headlineLabel->setText(text.headline);
    highlightLabel->setText(text.highlight);
    closingLabel->setText(text.closing);
    centreOnScreen(*this);
    setWindowModality(Qt::ApplicationModal);
    show();
}
