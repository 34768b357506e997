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
    ProtocolWindow protokoll;
    caught.clear();
    const QtMessageHandler previous = qInstallMessageHandler(catchProtocol);

    protokoll.addProtocolLine(QStringLiteral("In Prozedure naechsterSpieler eingetreten"));
    QLoggingCategory::setFilterRules(QStringLiteral("sorbello.protocol.debug=true"));
    protokoll.addProtocolLine(QStringLiteral("Gegner ist bereit für nächste Karte"));
    QLoggingCategory::setFilterRules(QString());

    qInstallMessageHandler(previous);
    EXPECT_EQ(caught, QStringList{"Gegner ist bereit für nächste Karte"});
    EXPECT_TRUE(protokoll.Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(protokoll.isVisible());
}

} // namespace
