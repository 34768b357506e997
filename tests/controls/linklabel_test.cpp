#include "controls/ui/linklabel.h"

#include "support/modal.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Shown {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Clicks the link and returns the message box it shows, which is then closed.
Shown messageAfterClick(LinkLabel& link) {
    Shown shown;
    onNextModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            shown = Shown{box->windowTitle(), box->text(), box->icon()};
        qobject_cast<QDialog*>(modal)->done(0);
    });
    QTest::mouseClick(&link, Qt::LeftButton);
    return shown;
}

// Clicks the link; true when it showed no box. A box that does open is closed at once.
bool clickShowsNoMessage(LinkLabel& link) {
    bool boxShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            boxShown = true;
            modal->done(0);
        }
    });
    QTest::mouseClick(&link, Qt::LeftButton);
    QCoreApplication::processEvents();
    return !boxShown;
}

TEST(LinkLabel, WithoutAddressItRaisesItsClickOrElseSaysSo) {
    LinkLabel link;
    link.setText(QStringLiteral("Vuko-Software"));
    link.adjustSize();
    bool opened = false;
    link.setUrlOpener([&](const QUrl&) { return opened = true; });

    const Shown shown = messageAfterClick(link);
    EXPECT_EQ(shown.title, QStringLiteral("Fehler"));
    EXPECT_EQ(shown.text, QStringLiteral("Keine URL angegeben!"));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);

    QSignalSpy clicked(&link, &LinkLabel::clicked);
    EXPECT_TRUE(clickShowsNoMessage(link));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(opened);
}

TEST(LinkLabel, OpensItsAddressAndReportsAMissingBrowser) {
    for (const bool browserFound : {true, false}) {
        LinkLabel link;
        link.setText(QStringLiteral("www.vuko-software.de"));
        link.adjustSize();
        link.setUrl(QStringLiteral("www.vuko-software.de"));
        QUrl asked;
        link.setUrlOpener([&](const QUrl& url) {
            asked = url;
            return browserFound;
        });
        if (browserFound) {
            EXPECT_TRUE(clickShowsNoMessage(link));
        } else {
            const Shown shown = messageAfterClick(link);
            EXPECT_EQ(shown.title, QStringLiteral("Fehler!"));
            EXPECT_EQ(shown.text, QStringLiteral("Konnte keinen Internet-Browser finden!"));
            EXPECT_EQ(shown.icon, QMessageBox::Critical);
        }
        EXPECT_EQ(asked, QUrl(QStringLiteral("http://www.vuko-software.de")));
    }
}

TEST(LinkLabel, TurnsItalicWhileTheMouseIsOverIt) {
    LinkLabel link;
    EXPECT_TRUE(link.font().bold() && link.font().underline() && !link.font().italic());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.font().italic());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.font().italic());
    EXPECT_EQ(link.cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(link.cursor().pixmap().isNull()) << "the hand picture is built in";
}

} // namespace
