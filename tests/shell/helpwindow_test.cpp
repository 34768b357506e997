#include "shell/ui/helpwindow.h"
#include "support/modal.h"
#include "support/qtprinters.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

const QStringList kTopics = {"hauptue", "bedien", "optio", "editor"};

QString pageText(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpWindow, EveryTopicKeyOpensItsOwnPageAndOtherKeysAreReported) {
    HelpWindow help;
    QStringList titles;
    for (const QString& topic : kTopics) {
        help.showTopic(topic);
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.browser()->source(), helpTopicUrl(topic)) << topic.toStdString();
        titles << help.browser()->documentTitle();
    }
    titles.removeDuplicates();
    EXPECT_EQ(titles.size(), kTopics.size()) << "each topic has a page of its own";
    EXPECT_FALSE(titles.contains(QString()));

    for (const char* unknown : {"spielregeln", "", "../logos/vuko"}) {
        help.showTopic(QString::fromLatin1(unknown));
        EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("keine Hilfeseite"))) << unknown;
    }
}

TEST(HelpWindow, EveryLinkOfTheHelpPagesLeadsToAPageAndPlaceThatExist) {
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")});
    int links = 0;
    while (pages.hasNext()) {
        const QString page = pages.next();
        for (const auto& match : link.globalMatch(pageText(page))) {
            ++links;
            const QUrl target = QUrl(QStringLiteral("qrc") + page).resolved(QUrl(match.captured(1)));
            ASSERT_EQ(target.scheme(), "qrc") << page.toStdString() << " " << match.captured(1).toStdString();
            const QString targetText = pageText(QLatin1Char(':') + target.path());
            EXPECT_FALSE(targetText.isEmpty())
                << page.toStdString() << " -> " << target.toString().toStdString();
            if (target.hasFragment()) {
                EXPECT_TRUE(targetText.contains(QStringLiteral("name=\"%1\"").arg(target.fragment())))
                    << page.toStdString() << " -> " << target.toString().toStdString();
            }
        }
    }
    EXPECT_GT(links, 20);
}

TEST(HelpWindow, AskedFromAModalDialogItCanBeUsedThere) {
    HelpWindow help;
    QDialog dialog;
    bool helpTookInput = false;
    onNextModal([&](QWidget*) {
        help.showTopic(QStringLiteral("bedien"));
        helpTookInput = QApplication::activeModalWidget() == &help;
        help.close();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(helpTookInput) << "a modal dialog blocks every window that is not modal itself";

    help.showTopic(QStringLiteral("hauptue"));
    EXPECT_EQ(help.windowModality(), Qt::NonModal) << "from the main window the help does not block the game";
}

} // namespace

namespace {

TEST(HelpWindowKeys, EscapeClosesTheHelp) {
    HelpWindow help;
    help.showTopic(QStringLiteral("hauptue"));
    ASSERT_TRUE(help.isVisible());
    QApplication::setActiveWindow(&help);
    QTest::keyClick(help.browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

} // namespace
