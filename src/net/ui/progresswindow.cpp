#include "progresswindow.h"

#include "board/fonts.h"
#include "controls/ui/centring.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"

#include <QCloseEvent>
#include <QLabel>

ProgressWindow::ProgressWindow(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("formAblauf"));
    setWindowTitle(QStringLiteral("Ablauf..."));
    setModal(false);
    resize(424, 54);

    background_ = new TexturePanel(this);
    background_->setTexture(texture);
    background_->setGeometry(rect());

    Label1 = new QLabel(background_);
    Label1->setFont(arialFontOfPixelSize(12));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    VKButton1 = new PushButton(background_);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Abbruch"));
    VKButton1->setFaceColour(QColor(255, 0, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    connect(VKButton1, &PushButton::clicked, this, &ProgressWindow::VKButton1Click);
}

void ProgressWindow::AblaufZeigen(const QString& text) {
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

void ProgressWindow::VKButton1Click() {
    abgebrochen = true;
    if (onAbort_)
        onAbort_();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Closing the window counts as "Abbruch", so that no wait is left without a way out.
    VKButton1Click();
    QDialog::closeEvent(event);
}

void ProgressWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The debug dump shows long text in the same window made taller.
    background_->setGeometry(rect());
    VKButton1->move(width() - VKButton1->width() - 8, height() - VKButton1->height() - 6);
    Label1->setGeometry(8, 6, VKButton1->x() - 16, height() - 12);
}
