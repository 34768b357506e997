#include "protocolwindow.h"

#include "controls/ui/captionband.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

Q_LOGGING_CATEGORY(lcProtocol, "sorbello.protocol", QtInfoMsg)

ProtocolWindow::ProtocolWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("protocolWindow"));
    setWindowTitle(tr("Protokoll"));
    resize(593, 374);

    captionBand = new CaptionBand(this);
    captionBand->setObjectName(QStringLiteral("captionBand"));
    captionBand->setCaption(tr(" Debug-Protokoll"));
    textView = new QPlainTextEdit(this);
    textView->setObjectName(QStringLiteral("textView"));
    textView->setReadOnly(true);
    textView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(captionBand);
    layout->addWidget(textView);
}

void ProtocolWindow::addProtocolLine(const QString& text) {
    qCDebug(lcProtocol).noquote() << text;
}
