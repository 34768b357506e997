#include "cards/cardsheet.h"
#include "cards/ui/sheetloading.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs `action`, pressing OK in every message box it opens, and tells what the last one showed.
// The watch lives only as long as the call, so nothing is left to catch a later test's window.
std::optional<SeenBox> messageBoxDuring(const std::function<void()>& action) {
    std::optional<SeenBox> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->close();
    });
    watch.start(5);
    action();
    return seen;
}

QImage someSheet() {
    QImage sheet(330, 330, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    return sheet;
}

class LoadCurrentSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        fileSheet_ = someSheet();
        for (const char* name : {"Tiere.pbd", "Tiere.bild"})
            ASSERT_TRUE(QImageWriter(path(name), "bmp").write(fileSheet_));
        QFile text(path("Notiz.pbd"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("keine Bilddatei");
        text.close();
        // The first half of a good file: its headers promise twice the pixel data it holds.
        QFile whole(path("Tiere.pbd"));
        QFile half(path("Tiere halb.pbd"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && half.open(QIODevice::WriteOnly));
        half.write(whole.read(whole.size() / 2));
    }

    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
    QImage fileSheet_;
};

TEST_F(LoadCurrentSheetTest, TheMarkerOrAReadableFileIsUsedWithoutAMessage) {
    const struct {
        QString source;
        bool builtIn;
    } cases[] = {
        {QStringLiteral("*** Standardsymbole ***"), true},
        {path("Tiere.pbd"), false},
        {path("Tiere.bild"), false},
    };
    for (const auto& c : cases) {
        QImage current(5, 5, QImage::Format_RGB32);
        const auto box = messageBoxDuring([&] { loadCurrentSheet(c.source, current, nullptr); });
        EXPECT_FALSE(box.has_value()) << c.source.toStdString();
        EXPECT_EQ(current, c.builtIn ? builtInSheet() : fileSheet_) << c.source.toStdString();
    }
}

TEST_F(LoadCurrentSheetTest, AnUnusableSourceIsReportedAndTheBuiltInSheetUsed) {
    const QString sources[] = {
        QString(),
        QStringLiteral("*** standardsymbole ***"),
        QStringLiteral(" *** Standardsymbole ***"),
        QStringLiteral("***Standardsymbole***"),
        path("gibtsnicht.pbd"),
        path("Notiz.pbd"),
        path("Tiere halb.pbd"),
        dir_.path(),
    };
    for (const QString& source : sources) {
        QImage current = fileSheet_;
        const auto box = messageBoxDuring([&] { loadCurrentSheet(source, current, nullptr); });
        ASSERT_TRUE(box.has_value()) << source.toStdString();
        EXPECT_EQ(box->title, QStringLiteral("Fehler!"));
        EXPECT_EQ(box->text, QStringLiteral("Das angegebene Bild konnte nicht gefunden werden!\n"
                                            "Es werden deshalb die internen Kartensymbole benutzt."));
        EXPECT_EQ(box->icon, QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(current, builtInSheet()) << source.toStdString();
    }
}

} // namespace
