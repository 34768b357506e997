#include "cards/cardsheet.h"
#include "controls/ui/pushbutton.h"
#include "modalanswers.h"
#include "shell/ui/aboutdialog.h"
#include "support/modal.h"
#include "support/qtprinters.h"

#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AboutDialogTest : public ::testing::Test {
protected:
    QImage whiteTexture{32, 32, QImage::Format_RGB32};
    QImage squareTexture{49, 49, QImage::Format_RGB32};
    QImage sheet;
    QString source = builtInSheetMarker();
    int sourceReads = 0;
    AboutDialog dialog{whiteTexture, squareTexture, sheet, [this] {
                           ++sourceReads;
                           return source;
                       }};
    QTemporaryDir dir;

    QString sheetFile(QColor colour) {
        QImage picture(330, 330, QImage::Format_RGB32);
        picture.fill(colour);
        const QString name = dir.filePath(QStringLiteral("%1.pbd").arg(colour.name().mid(1)));
        picture.save(name, "BMP");
        return name;
    }
    QRgb shownPixel() const { return dialog.sheetLabel->pixmap().toImage().pixel(160, 160); }
};

TEST_F(AboutDialogTest, ActivationFillsTheVersionLines) {
    dialog.reloadContent();
    EXPECT_EQ(dialog.versionLabel->text(), "Version: 2.60");
    EXPECT_EQ(dialog.dateLabel->text(), "Vom 14.7.2000");
    EXPECT_EQ(dialog.soundVersionLabel->text(), "Version der Sound-Engine: 1.16");
    EXPECT_EQ(dialog.networkVersionLabel->text(), "Version der Netzwerk-Engine: 1.01");
    EXPECT_EQ(dialog.fadeVersionLabel->text(), "Version der Bild-Effekt-Engine: 1.03");
}

TEST_F(AboutDialogTest, AMissingFileIsReportedAndTheBuiltInSymbolsAreShown) {
    source = dir.filePath(QStringLiteral("verschwunden.pbd"));
    ModalAnswers answers;
    dialog.reloadContent();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, "Fehler!");
    EXPECT_EQ(sheet, builtInSheet());
    EXPECT_EQ(shownPixel(), builtInSheet().scaled(320, 320).pixel(160, 160));
}

TEST_F(AboutDialogTest, EveryOpeningReloadsTheSheet) {
    for (QColor colour : {QColor(Qt::red), QColor(Qt::blue)}) {
        source = sheetFile(colour);
        QRgb shown = 0;
        onNextModal([&](QWidget*) {
            EXPECT_EQ(dialog.sheetLabel->pixmap().size(), QSize(320, 320));
            shown = shownPixel();
            dialog.okayButton->click();
        });
        dialog.exec();
        EXPECT_EQ(shown, colour.rgb()) << colour.name().toStdString();
    }
    EXPECT_EQ(sourceReads, 2);
}

} // namespace
