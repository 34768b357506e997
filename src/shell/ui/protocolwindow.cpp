#include "protocolwindow.h"

#include "controls/ui/captionband.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

Q_LOGGING_CATEGORY(lcProtocol, "sorbello.protocol", QtInfoMsg)

ProtocolWindow::ProtocolWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Protokoll"));
    setWindowTitle(QStringLiteral("Protokoll"));
    resize(593, 374);

    Label901 = new CaptionBand(this);
    Label901->setObjectName(QStringLiteral("Label901"));
    Label901->setCaption(QStringLiteral(" Debug-Protokoll"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Label901);
    layout->addWidget(Memo1);
}

void ProtocolWindow::addProtocolLine(const QString& text) {
    qCDebug(lcProtocol).noquote() << text;
}
