#include "progresswindow.h"

#include "board/fonts.h"
#include "controls/ui/centring.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"

#include <QCloseEvent>
#include <QLabel>

TformAblauf::TformAblauf(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("formAblauf"));
    setWindowTitle(QStringLiteral("Ablauf..."));
    setModal(false);
    resize(424, 54);

    background_ = new TTexturpanel(this);
    background_->setTexturbild(texture);
    background_->setGeometry(rect());

    Label1 = new QLabel(background_);
    Label1->setFont(arialFontOfPixelSize(12));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    VKButton1 = new TVKButton(background_);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Abbruch"));
    VKButton1->setColor(QColor(255, 0, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    connect(VKButton1, &TVKButton::clicked, this, &TformAblauf::VKButton1Click);
}

void TformAblauf::AblaufZeigen(const QString& text) {
    abgebrochen = false;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Label1->setText(shown);
    if (!isVisible()) {
        centreOnScreen(*this);
        show();
    }
    raise();
}

void TformAblauf::VKButton1Click() {
    abgebrochen = true;
    if (onAbort_)
        onAbort_();
}

void TformAblauf::closeEvent(QCloseEvent* event) {
    // Closing the window counts as "Abbruch", so that no wait is left without a way out.
    VKButton1Click();
    QDialog::closeEvent(event);
}

void TformAblauf::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The debug dump shows long text in the same window made taller.
    background_->setGeometry(rect());
    VKButton1->move(width() - VKButton1->width() - 8, height() - VKButton1->height() - 6);
    Label1->setGeometry(8, 6, VKButton1->x() - 16, height() - 12);
}
