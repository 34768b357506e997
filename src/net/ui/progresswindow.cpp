#include "progresswindow.h"

#include "controls/ui/centring.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"

#include <QCloseEvent>
#include <QLabel>

ProgressWindow::ProgressWindow(const QImage& texture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(tr("Ablauf..."));
    setModal(false);
    resize(424, 54);

    background_ = new TexturePanel(this);
    background_->setTexture(texture);
    background_->setGeometry(rect());

    messageLabel = new QLabel(background_);
    messageLabel->setFont(arialFontOfPixelSize(12));
    messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messageLabel->setWordWrap(true);

    abortButton = new PushButton(background_);
    abortButton->setObjectName(QStringLiteral("abortButton"));
    abortButton->setCaption(tr("Abbruch"));
    abortButton->setFaceColour(QColor(255, 0, 0));
    abortButton->setDefault(true);
    abortButton->setCancel(true);
    connect(abortButton, &PushButton::clicked, this, &ProgressWindow::abortRequested);
}

void ProgressWindow::showProgress(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    messageLabel->setText(shown);
    if (!isVisible()) {
        centreOnScreen(*this);
        show();
    }
    raise();
}

void ProgressWindow::showLongText(const QString& text) {
    showProgress(QString());
    resize(width(), 400);
    messageLabel->setText(text);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Closing the window counts as "Abbruch", so that no wait is left without a way out.
    Q_EMIT abortRequested();
    QDialog::closeEvent(event);
}

void ProgressWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The debug dump shows long text in the same window made taller.
    background_->setGeometry(rect());
    abortButton->move(width() - abortButton->width() - 8, height() - abortButton->height() - 6);
    messageLabel->setGeometry(8, 6, abortButton->x() - 16, height() - 12);
}
