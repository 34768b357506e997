#include "cards/cardsheet.h"
#include "cards/sheetediting.h"
#include "cards/ui/cardeditor.h"
#include "cards/ui/cardnumberfield.h"
#include "cards/ui/colourpanel.h"
#include "cards/ui/drawingview.h"
#include "cards/ui/sheetsavedialog.h"
#include "shell/modalanswers.h"
#include "support/qtprinters.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace {

void typeAndLeave(QSpinBox& field, const QString& text) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&field, &leave);
}

// Answers every question from fields a test fills in, and notes what was asked.
struct ScriptedDialogs {
    QString pictureFile;
    QString sheetFile;
    QString saveFile;
    QString pictureTitle;
    QStringList errors;

    EditorDialogs dialogs() {
        EditorDialogs d;
        d.openPicture = [this](QWidget*, const QString& title) {
            pictureTitle = title;
            return pictureFile;
        };
        d.openSheet = [this](QWidget*) { return sheetFile; };
        d.saveSheet = [this](QWidget*) { return saveFile; };
        d.chooseColour = [](QWidget*, const QColor&) { return std::optional<QColor>(); };
        d.showError = [this](QWidget*, const QString& text) { errors.append(text); };
        return d;
    }
};

class CardEditorTest : public ::testing::Test {
protected:
    CardEditor* makeEditor() {
        editors_.push_back(std::make_unique<CardEditor>(QImage(), answers_.dialogs()));
        return editors_.back().get();
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
    ScriptedDialogs answers_;
    std::vector<std::unique_ptr<CardEditor>> editors_;
};

TEST(CardNumberField, ArrowsStopAtTheLimitsAndTypedNumbersAreBroughtIntoRange) {
    CardNumberField field;
    field.setValue(64);
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.value(), 64);
    field.setValue(1);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.value(), 1);

    const struct {
        const char* typed;
        int value;
    } cases[] = {{"70", 64}, {"12", 12}, {"0", 1}, {"-5", 1}, {"", 1}, {"-", 1}, {"9999", 64}};
    for (const auto& c : cases) {
        field.setValue(30);
        typeAndLeave(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field.value(), c.value) << c.typed;
        EXPECT_EQ(field.text(), QString::number(c.value)) << c.typed;
    }
    field.setValue(30);
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("x"));
    EXPECT_EQ(field.text(), QStringLiteral("30")) << "letters are refused";
}

TEST_F(CardEditorTest, ANumberOutOfRangeNeverReachesThePictureUntilTheFieldCorrectsIt) {
    CardEditor* editor = makeEditor();
    editor->cardNumberField->selectAll();
    QTest::keyClicks(editor->cardNumberField, QStringLiteral("7"));
    EXPECT_EQ(editor->state().cardNumber(), 7);
    QTest::keyClicks(editor->cardNumberField, QStringLiteral("0"));
    EXPECT_EQ(editor->state().cardNumber(), 7);

    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(editor->cardNumberField, &leave);
    EXPECT_EQ(editor->state().cardNumber(), 64);
    EXPECT_EQ(editor->state().preview(), cutPicture(builtInSheet(), 64));
}

TEST_F(CardEditorTest, OnlyTheLeftButtonPaintsOnTheZoomView) {
    CardEditor* editor = makeEditor();
    const QImage before = editor->state().preview();
    editor->selectColourSlot(2);
    QTest::mouseClick(editor->zoomView, Qt::RightButton, {}, QPoint(8 * 3 + 2, 8 * 4 + 2));
    EXPECT_EQ(editor->state().preview(), before);
    QTest::mouseClick(editor->zoomView, Qt::LeftButton, {}, QPoint(8 * 3 + 2, 8 * 4 + 2));
    EXPECT_EQ(editor->state().preview().pixel(3, 4), qRgb(255, 255, 255));
    EXPECT_FALSE(editor->state().drawing());
    EXPECT_EQ(editor->zoomView->shownImage(), editor->state().zoomView()) << "the zoom view shows the change";
}

TEST_F(CardEditorTest, TheDrawingAreaAndTheColoursAreNamedAndAColourCanBeChosenWithoutTheMouse) {
    CardEditor* editor = makeEditor();
    const auto heard = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(heard(editor->zoomView)->text(QAccessible::Name), QStringLiteral("Zeichenfläche"));
    EXPECT_EQ(heard(editor->previewLabel)->text(QAccessible::Name), QStringLiteral("Vorschau"));
    EXPECT_EQ(heard(editor->cardNumberField)->text(QAccessible::Name), QStringLiteral("Karte Nummer"));

    editor->selectColourSlot(1);
    QAccessibleInterface* second = heard(editor->colourPanels[1]);
    EXPECT_EQ(second->role(), QAccessible::Button);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Farbe 2"));
    const QColor colour = editor->state().slotColour(2);
    EXPECT_EQ(
        second->text(QAccessible::Description),
        QStringLiteral("Rot %1, Grün %2, Blau %3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    EXPECT_FALSE(second->state().checked);
    EXPECT_TRUE(heard(editor->colourPanels[0])->state().checked) << "the current slot";

    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(editor->state().currentSlot(), 2);
    EXPECT_TRUE(second->state().checked);
    EXPECT_FALSE(heard(editor->colourPanels[0])->state().checked);
}

TEST_F(CardEditorTest, ASavedBuiltInSheetStaysAPaletteBitmapAndLoadsBackUnchanged) {
    CardEditor* painter = makeEditor();
    painter->selectColourSlot(3);
    painter->onZoomPressed(Qt::LeftButton, 100, 100);
    painter->onZoomMoved(200, 150);
    painter->onZoomReleased();
    answers_.saveFile = path("Meine Karten.pbd");
    painter->saveSheet();
    ASSERT_TRUE(answers_.errors.isEmpty()) << answers_.errors.join(QLatin1Char('\n')).toStdString();

    const std::optional<QImage> saved = readSheetFile(answers_.saveFile);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->size(), QSize(330, 330));
    EXPECT_EQ(saved->depth(), 8);
    EXPECT_EQ(saved->colorTable(), builtInSheet().colorTable());

    CardEditor* loader = makeEditor();
    answers_.sheetFile = answers_.saveFile;
    loader->loadSheet();
    EXPECT_EQ(loader->state().sheet().convertToFormat(QImage::Format_RGB32),
              painter->state().sheet().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(loader->state().sheet().convertToFormat(QImage::Format_RGB32),
              builtInSheet().convertToFormat(QImage::Format_RGB32));
}

TEST_F(CardEditorTest, AFileThatCannotBeReadOrWrittenIsReportedAndChangesNothing) {
    QFile text(path("Notiz.pbd"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("keine Bilddatei");
    text.close();
    // The first half of a good file: its headers promise twice the pixel data it holds.
    ASSERT_TRUE(writeSheetFile(builtInSheet(), path("ganz.pbd")));
    QFile whole(path("ganz.pbd"));
    QFile half(path("halb.pbd"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && half.open(QIODevice::WriteOnly));
    half.write(whole.read(whole.size() / 2));
    half.close();
    CardEditor* editor = makeEditor();
    editor->cardNumberField->setValue(8);
    const QImage sheet = editor->state().sheet();
    const QImage preview = editor->state().preview();

    const struct {
        const char* what;
        QString ScriptedDialogs::*answer;
        void (CardEditor::*command)();
        QString file;
    } cases[] = {
        {"load, missing", &ScriptedDialogs::sheetFile, &CardEditor::loadSheet, path("fehlt.pbd")},
        {"load, not a bitmap", &ScriptedDialogs::sheetFile, &CardEditor::loadSheet, path("Notiz.pbd")},
        {"replace, missing", &ScriptedDialogs::pictureFile, &CardEditor::replacePicture, path("fehlt.bmp")},
        {"load, cut short", &ScriptedDialogs::sheetFile, &CardEditor::loadSheet, path("halb.pbd")},
        {"replace, not a bitmap", &ScriptedDialogs::pictureFile, &CardEditor::replacePicture,
         path("Notiz.pbd")},
        {"replace, cut short", &ScriptedDialogs::pictureFile, &CardEditor::replacePicture, path("halb.pbd")},
        {"save, no such folder", &ScriptedDialogs::saveFile, &CardEditor::saveSheet, path("fehlt/neu.pbd")},
    };
    for (const auto& c : cases) {
        answers_ = ScriptedDialogs();
        answers_.*c.answer = c.file;
        (editor->*c.command)();
        ASSERT_EQ(answers_.errors.size(), 1) << c.what;
        EXPECT_TRUE(answers_.errors[0].contains(QFileInfo(c.file).fileName())) << c.what;
        EXPECT_EQ(editor->state().sheet(), sheet) << c.what;
        EXPECT_EQ(editor->state().preview(), preview) << c.what;
    }
    answers_.pictureFile = path("fehlt.bmp");
    editor->replacePicture();
    EXPECT_EQ(answers_.pictureTitle, QStringLiteral("Bild Nr. 8 laden"));
}

TEST_F(CardEditorTest, TheSaveDialogAsksBeforeANewFileAndRefusesAFolderThatDoesNotExist) {
    ASSERT_TRUE(writeSheetFile(builtInSheet(), path("alt.pbd")));
    const struct {
        const char* typed;
        std::deque<QMessageBox::StandardButton> answers;
        const char* askedTitle; // of the first box; nullptr: none of ours
        const char* named;      // in its text
        bool accepted;
    } cases[] = {
        {"fehlt/neu.pbd", {}, "Fehler!", "fehlt", false},
        {"neu", {QMessageBox::No}, "Frage...", "\"neu.pbd\"", false},
        {"neu", {QMessageBox::Yes}, "Frage...", "\"neu.pbd\"", true},
        {"alt.pbd", {QMessageBox::Yes}, nullptr, "alt.pbd", true},
    };
    for (const auto& c : cases) {
        SheetSaveDialog dialog(nullptr, dir_.path());
        dialog.show();
        dialog.selectFile(QString::fromUtf8(c.typed));
        {
            ModalAnswers answers(c.answers);
            dialog.accept();
            ASSERT_FALSE(answers.seen.empty()) << c.typed;
            if (c.askedTitle) {
                ASSERT_EQ(answers.seen.size(), 1u) << c.typed;
                EXPECT_EQ(answers.seen[0].title, QString::fromUtf8(c.askedTitle)) << c.typed;
            } else {
                EXPECT_NE(answers.seen[0].title, QStringLiteral("Frage...")) << "Qt asks before replacing";
            }
            EXPECT_TRUE(answers.seen[0].text.contains(QString::fromUtf8(c.named))) << c.typed;
        }
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.typed;
        EXPECT_EQ(dialog.isVisible(), !c.accepted) << c.typed;
    }
    EXPECT_FALSE(QFileInfo::exists(path("fehlt"))) << "nothing is made before the editor writes";
    EXPECT_FALSE(QFileInfo::exists(path("neu.pbd")));
}

} // namespace
