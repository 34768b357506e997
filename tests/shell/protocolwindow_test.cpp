#include "shell/ui/protocolwindow.h"
#include "support/qtprinters.h"

#include <QLoggingCategory>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

QStringList caught;

void catchProtocol(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (qstrcmp(context.category, "sorbello.protocol") == 0)
        caught << text;
}

TEST(ProtocolWindow, LinesReachTheLogOnlyWhenSwitchedOnAndNeverTheWindow) {
    ProtocolWindow protocolWindow;
    caught.clear();
    const QtMessageHandler previous = qInstallMessageHandler(catchProtocol);

    protocolWindow.addProtocolLine(QStringLiteral("In Prozedure naechsterSpieler eingetreten"));
    QLoggingCategory::setFilterRules(QStringLiteral("sorbello.protocol.debug=true"));
    protocolWindow.addProtocolLine(QStringLiteral("Gegner ist bereit für nächste Karte"));
    QLoggingCategory::setFilterRules(QString());

    qInstallMessageHandler(previous);
    EXPECT_EQ(caught, QStringList{"Gegner ist bereit für nächste Karte"});
    EXPECT_TRUE(protocolWindow.textView->toPlainText().isEmpty());
    EXPECT_FALSE(protocolWindow.isVisible());
}

} // namespace
