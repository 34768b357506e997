// Every window of the program under English: no German text of the code left in it, and
// every text within the place the German one has.

#include "app/ui/mainwindow.h"
#include "app/ui/sorbelloprogram.h"
#include "cards/ui/cardeditor.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/captionband.h"
#include "controls/ui/completingedit.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "game/turnflow.h"
#include "game/ui/enddialog.h"
#include "game/ui/newgamedialog.h"
#include "net/ui/addressdialog.h"
#include "net/ui/progresswindow.h"
#include "painting/fonts.h"
#include "records/highscoredrawing.h"
#include "records/highscoretable.h"
#include "records/ui/highscorewindow.h"
#include "records/ui/statisticsdialog.h"
#include "records/ui/writefailuremessage.h"
#include "shell/ui/aboutdialog.h"
#include "shell/ui/helpwindow.h"
#include "shell/ui/optionsdialog.h"
#include "shell/ui/protocolwindow.h"
#include "shell/ui/shellcommands.h"
#include "shell/uilanguage.h"
#include "support/mainwindowsurroundings.h"
#include "support/modal.h"
#include "translationfile.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

QString withoutAccelerator(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// The German source texts that English says differently, cut where run-time parts are filled
// in, each looked for as whole words.
class GermanSourceTexts {
public:
    GermanSourceTexts() {
        const QRegularExpression cuts(QStringLiteral("%\\d|[\\r\\n]|<[^>]*>|\\.\\.\\.|\\*\\*\\*"));
        for (const TranslatedText& text : readTranslationFile(englishTranslationFile())) {
            if (text.translation == text.source)
                continue;
            for (const QString& part : text.source.split(cuts, Qt::SkipEmptyParts)) {
                const QString words = withoutAccelerator(part).trimmed();
                if (words.count(QRegularExpression(QStringLiteral("\\w"))) < 3)
                    continue;
                patterns_.emplace_back(
                    words, QRegularExpression(QStringLiteral("(?<!\\w)") + QRegularExpression::escape(words) +
                                                  QStringLiteral("(?!\\w)"),
                                              QRegularExpression::UseUnicodePropertiesOption));
            }
        }
    }

    bool empty() const { return patterns_.empty(); }

    // The German text `shown` still holds, or nothing when it holds none.
    QString foundIn(const QString& shown) const {
        const QString plain = withoutAccelerator(shown);
        if (plain.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))))
            return plain;
        for (const auto& [words, pattern] : patterns_)
            if (plain.contains(pattern))
                return words;
        return {};
    }

private:
    std::vector<std::pair<QString, QRegularExpression>> patterns_;
};

// Every text a widget shows or gives a screen reader.
QStringList textsOf(QWidget* widget) {
    QStringList texts{widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()};
    if (widget->isWindow())
        texts << widget->windowTitle();
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
        texts << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
        // The board's cards are no widgets of their own.
        for (int i = 0; i < accessible->childCount(); ++i)
            if (QAccessibleInterface* child = accessible->child(i))
                texts << child->text(QAccessible::Name) << child->text(QAccessible::Description);
    }
    for (const char* property : {"text", "caption", "topCaption", "bottomCaption", "title"})
        if (const QVariant value = widget->property(property); value.typeId() == QMetaType::QString)
            texts << value.toString();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    if (auto* browser = qobject_cast<QTextBrowser*>(widget))
        texts << browser->toPlainText();
    if (auto* box = qobject_cast<QMessageBox*>(widget))
        texts << box->informativeText();
    if (auto* bar = qobject_cast<QMenuBar*>(widget))
        for (QAction* menu : bar->actions()) {
            texts << menu->text();
            for (QAction* item : menu->menu()->actions())
                texts << item->text() << item->toolTip();
        }
    texts.removeAll(QString());
    return texts;
}

// Why the text of `widget` does not fit the widget, or nothing when it fits or has none.
QString overflow(QWidget* widget) {
    const auto tooWide = [](const QString& text, int needed, int room) {
        return QStringLiteral("\"%1\" needs %2 pixels, has %3").arg(text).arg(needed).arg(room);
    };
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
        // The label measures itself, the way it lays its text out.
        const QSize needed =
            label->wordWrap() ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                              : label->sizeHint();
        if (needed.width() > label->width() || needed.height() > label->height())
            return QStringLiteral("\"%1\" needs %2 x %3 pixels, has %4 x %5")
                .arg(label->text())
                .arg(needed.width())
                .arg(needed.height())
                .arg(label->width())
                .arg(label->height());
    }
    if (auto* button = qobject_cast<PushButton*>(widget)) {
        // The caption stays inside the focus frame, three pixels in from the bevels.
        const int needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->caption()).width();
        if (needed > button->width() - 8)
            return tooWide(button->caption(), needed, button->width() - 8);
    }
    if (auto* band = qobject_cast<CaptionBand*>(widget)) {
        // The band is as wide as the rotated text's cell is high.
        const int needed = QFontMetrics(arialFontWithCellHeight(band->sizeHint().width()))
                               .horizontalAdvance(band->caption());
        if (needed > band->height())
            return tooWide(band->caption(), needed, band->height());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
        if (button->sizeHint().width() > button->width())
            return tooWide(button->text(), button->sizeHint().width(), button->width());
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (label.right() >= box->width())
            return tooWide(box->title(), label.right() + 1, box->width());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        for (int i = 0; i < combo->count(); ++i)
            if (const int needed = combo->fontMetrics().horizontalAdvance(combo->itemText(i)); needed > room)
                return tooWide(combo->itemText(i), needed, room);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->isReadOnly()) {
        const int room = edit->contentsRect().width() - 4; // QLineEdit's own margins
        if (const int needed = edit->fontMetrics().horizontalAdvance(edit->text()); needed > room)
            return tooWide(edit->text(), needed, room);
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
        const QList<QAction*> menus = bar->actions();
        for (QAction* menu : menus)
            if (bar->actionGeometry(menu).top() != bar->actionGeometry(menus.front()).top() ||
                bar->actionGeometry(menu).right() >= bar->width())
                return QStringLiteral("the menu \"%1\" does not fit the bar's one row").arg(menu->text());
    }
    return {};
}

// Where each visible widget of a window lies, by its path of child indexes.
using Layout = std::map<QString, std::pair<QString, QRect>>; // path -> (parent path, geometry)

void recordLayout(QWidget* widget, const QString& path, Layout& layout) {
    int index = 0;
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(widget))
            continue;
        const QString childPath = path + u'/' + QString::number(index++);
        layout[childPath] = {path, child->geometry()};
        recordLayout(child, childPath, layout);
    }
}

QSize sizeAt(const Layout& layout, const QString& path, QSize windowSize) {
    const auto found = layout.find(path);
    return found == layout.end() ? windowSize : found->second.second.size();
}

// What a longer English text could have pushed: a widget out of its parent or onto a sibling
// it stays clear of in German.
QStringList newCollisions(const Layout& german, QSize germanSize, const Layout& english, QSize englishSize) {
    QStringList found;
    for (const auto& [path, place] : english) {
        const auto before = german.find(path);
        if (before == german.end())
            continue;
        const QRect within(QPoint(), sizeAt(english, place.first, englishSize));
        const QRect withinBefore(QPoint(), sizeAt(german, before->second.first, germanSize));
        if (withinBefore.contains(before->second.second) && !within.contains(place.second))
            found << QStringLiteral("%1 leaves its parent").arg(path);
        for (const auto& [other, otherPlace] : english) {
            const auto otherBefore = german.find(other);
            if (other <= path || otherPlace.first != place.first || otherBefore == german.end())
                continue;
            if (!before->second.second.intersects(otherBefore->second.second) &&
                place.second.intersects(otherPlace.second))
                found << QStringLiteral("%1 runs into %2").arg(path, other);
        }
    }
    return found;
}

// Answers every message box with No (or its only button) as soon as it shows, after a look.
class MessageBoxAnswers : public QObject {
public:
    explicit MessageBoxAnswers(std::function<void(QMessageBox*)> look) : look_(std::move(look)) {
        qApp->installEventFilter(this);
    }
    ~MessageBoxAnswers() override { qApp->removeEventFilter(this); }
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            seen << box->text();
            QTimer::singleShot(0, box, [this, box] {
                look_(box);
                QAbstractButton* no = box->button(QMessageBox::No);
                (no ? no : box->buttons().front())->click();
            });
        }
        return false;
    }

private:
    std::function<void(QMessageBox*)> look_;
};

// Every window opened the way a player reaches it, each handed to `look` while it shows; a
// program of its own with its own settings and files, as on a first start.
class WindowTour : protected MainWindowSurroundings {
public:
    void operator()(const std::function<void(const QString&, QWidget*)>& look) {
        SorbelloProgram program(appEnvironment());
        program.show();
        MainWindow& main = program.mainWindow();
        look(QStringLiteral("main"), &main);
        const auto shown = [&](const QString& name, QWidget* window) {
            window->show();
            QTest::qWait(1);
            look(name, window);
            window->hide();
        };
        const auto modal = [&](const QString& name, const std::function<void()>& open) {
            onNextModal([&, name](QWidget* window) {
                look(name, window);
                window->close();
            });
            open();
        };
        const auto command = [&main](const char* name) {
            return [&main, name] { part<QAction>(main, name)->trigger(); };
        };
        onNextModal([&](QWidget* window) {
            auto* newGame = qobject_cast<NewGameDialog*>(window);
            ASSERT_NE(newGame, nullptr);
            look(QStringLiteral("newGame"), newGame);
            newGame->numbersLamp->setChecked(true);
            look(QStringLiteral("newGameNumbers"), newGame);
            // A participant at another computer: the start asks for its address.
            newGame->networkLamps[0]->setChecked(true);
            modal(QStringLiteral("address"), [newGame] { newGame->startButton->click(); });
            newGame->networkLamps[0]->setChecked(false);
            newGame->close();
        });
        command("newGameAction")();
        // The windows of a network start, of the debug protocol and of the help, which the tour
        // does not reach the way a player does, and the end of a drawn game.
        ProgressWindow progress(QImage{});
        for (const char* step :
             {"Computer wird gesucht...", "Computer gefunden.\r\nTeilnehmer werden gefragt...",
              "Netz-Teilnehmer haben abgelehnt.\r\nSchade für Sie..."}) {
            progress.showProgress(QCoreApplication::translate("NewGameDialog", step));
            look(QStringLiteral("progress"), &progress);
        }
        progress.hide();
        modal(QStringLiteral("options"), command("optionsAction"));
        modal(QStringLiteral("about"), command("aboutAction"));
        modal(QStringLiteral("statistics"), command("statisticsAction"));
        modal(QStringLiteral("highScores"), command("highScoresAction"));
        modal(QStringLiteral("cardEditor"), command("cardEditorAction"));
        ProtocolWindow protocol;
        shown(QStringLiteral("protocol"), &protocol);
        HelpWindow help;
        for (const char* topic : {"hauptue", "bedien", "optio", "editor", "netzwerk", "gibtsnicht"}) {
            help.showTopic(QString::fromLatin1(topic));
            look(QStringLiteral("help"), &help);
            help.hide();
        }
        EndDialog end(QImage{}, QImage{});
        modal(QStringLiteral("draw"), [&] {
            end.showResult({QCoreApplication::translate("TurnFlow", "Dieses Spiel ist leider..."),
                            QCoreApplication::translate("TurnFlow", "...unentschieden!"), QString()});
            // Shown without a loop of its own: the photograph is taken while it is open.
            EXPECT_TRUE(QTest::qWaitFor([&end] { return !end.isVisible(); }));
        });

        // A whole game: the strip and the board at work, the questions while it runs, its end.
        onNextModal([](QWidget* window) {
            auto* dialog = qobject_cast<NewGameDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            dialog->kindLists[1]->setCurrentIndex(0); // two players at this computer
            dialog->startButton->click();
        });
        command("newGameAction")();
        command("newGameAction")(); // abandon the game? No
        main.close();               // quit while it runs? No
        look(QStringLiteral("playing"), &main);
        GameState& state = main.gameState();
        bool ended = false;
        while (state.gameRunning) {
            int first = 1;
            while (!state.cards[first].present)
                ++first;
            int partner = first + 1;
            while (!state.cards[partner].present || state.cards[partner].motif != state.cards[first].motif)
                ++partner;
            if (state.remainingGroups == 1)
                onNextModal([&](QWidget* window) {
                    ended = true;
                    look(QStringLiteral("end"), window);
                    window->close();
                });
            main.turnFlow().turnCard(first);
            main.turnFlow().turnCard(partner);
        }
        // The last turn goes on once the end dialog is closed.
        EXPECT_TRUE(QTest::qWaitFor([&] { return ended && !main.turnFlow().busy(); }));
        EXPECT_TRUE(ended);
        look(QStringLiteral("over"), &main);

        // More of what the player may be told.
        showWriteFailure(&main, dir.filePath(QStringLiteral("HighScore.dat")),
                         QCoreApplication::translate("CardSheet", "Die Datei gibt es nicht."));
        ShellEnvironment shell{QStringLiteral("/cdrom/sorbello"),
                               {dir.path(), dir.path()},
                               [](const QString&) { return DriveType::CdRom; },
                               [] { return QStringLiteral("192.0.2.7"); },
                               [](const QUrl&) { return false; }};
        offerShortcut(ShortcutPlace::StartMenu, shell, &main);
        createShortcut(ShortcutPlace::Desktop, shell, &main);
        showOwnAddress(shell, &main);
        QImage sheet;
        loadCurrentSheet(dir.filePath(QStringLiteral("fehlt.pbd")), sheet, &main);
        settings.setValue(QStringLiteral("gesamtlevel"), QStringLiteral("schwer"));
        onNextModal([&](QWidget* window) {
            auto* newGame = qobject_cast<NewGameDialog*>(window);
            ASSERT_NE(newGame, nullptr);
            for (CompletingEdit* name : newGame->nameEdits)
                name->clear();
            newGame->startButton->click();
            EXPECT_TRUE(QTest::qWaitFor([newGame] { return !newGame->starting(); }));
            look(QStringLiteral("newGameWarned"), newGame);
            newGame->close();
        });
        command("newGameAction")();
    }
};

TEST(EnglishWindows, ShowNoGermanTextOfTheCodeAndEveryTextFitsItsPlace) {
    // Where the German texts lie, the English ones may lie too.
    setUiLanguage(UiLanguage::German);
    std::map<QString, std::pair<Layout, QSize>> german;
    {
        MessageBoxAnswers answers([](QMessageBox*) {});
        WindowTour()([&](const QString& name, QWidget* window) {
            Layout layout;
            recordLayout(window, QString(), layout);
            german.try_emplace(name, layout, window->size());
        });
    }

    setUiLanguage(UiLanguage::English);
    const GermanSourceTexts germanTexts;
    ASSERT_FALSE(germanTexts.empty());
    QStringList seenWindows;
    const auto inspect = [&](const QString& name, QWidget* window) {
        seenWindows << name;
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (widget != window && !widget->isVisibleTo(window))
                continue;
            for (const QString& text : textsOf(widget))
                if (const QString german = germanTexts.foundIn(text); !german.isEmpty())
                    ADD_FAILURE() << name.toStdString() << ": " << widget->metaObject()->className()
                                  << " shows \"" << text.toStdString() << "\", German \""
                                  << german.toStdString() << "\"";
            if (const QString why = overflow(widget); !why.isEmpty())
                ADD_FAILURE() << name.toStdString() << ": " << widget->metaObject()->className() << " "
                              << widget->objectName().toStdString() << ": " << why.toStdString();
        }
        // The help viewer alone is laid out by Qt's layouts, which make room for any text.
        if (const auto before = german.find(name); before != german.end() && name != u"help") {
            Layout layout;
            recordLayout(window, QString(), layout);
            for (const QString& collision :
                 newCollisions(before->second.first, before->second.second, layout, window->size()))
                ADD_FAILURE() << name.toStdString() << ": " << collision.toStdString();
        }
    };
    MessageBoxAnswers answers([&](QMessageBox* box) { inspect(QStringLiteral("message box"), box); });
    WindowTour()(inspect);

    EXPECT_EQ(seenWindows.count(u"help"), 6);
    for (const char* window :
         {"main", "newGame", "address", "progress", "options", "about", "statistics", "highScores",
          "cardEditor", "protocol", "draw", "playing", "end", "newGameWarned"})
        EXPECT_TRUE(seenWindows.contains(QString::fromLatin1(window))) << window;
    // The quit and abandon questions, the write failure, the shortcut question and refusal, the
    // own address, the unreadable setting and picture file, the new game without players.
    EXPECT_GE(answers.seen.size(), 9) << answers.seen.join(u" | ").toStdString();
}

} // namespace

namespace {

int widthIn(const QImage& picture, const QFont& font, const QString& text) {
    return QFontMetrics(font, &picture).horizontalAdvance(text);
}

QString english(const char* context, const char* source, const char* comment = nullptr) {
    return QCoreApplication::translate(context, source, comment);
}

// What is painted into pictures rather than shown by widgets: the status strip's box of each
// participant and the columns of the high-score table.
TEST(EnglishPictures, PaintedTextsStayInTheirBoxesAndColumns) {
    setUiLanguage(UiLanguage::English);
    // Four participants share the strip's 377 pixels. A box's border lies two pixels inside its
    // share, and the texts are centred two pixels right of the share's middle.
    const QImage strip(377, 33, QImage::Format_RGB32);
    const int box = 377 / 4 - 10;
    EXPECT_LE(widthIn(strip, arialFont(9), english("NewGameDialog", "Spieler 2") + QStringLiteral(": 30")),
              box);
    EXPECT_LE(widthIn(strip, arialFont(8), english("BoardPainting", "Computer Netzwerk")), box);
    EXPECT_LE(widthIn(strip, arialFont(16), english("BoardPainting", "Kein Spiel aktiv")), 377);

    // Each heading and cell within the column the table gives it.
    const QImage table(589, 361, QImage::Format_RGB32);
    const QStringList headings = highScoreHeadings();
    for (int column = 0; column < 4; ++column)
        EXPECT_LE(widthIn(table, arialFont(10), headings[column]), highScoreHeadingRect(column).width())
            << headings[column].toStdString();
    HighScoreTable scores;
    for (int month = 1; month <= 12; ++month)
        scores.enterHighScore(QStringLiteral("Anna"), 99 - month, QDate(2000, month, 28));
    for (int rank = 1; rank <= HighScoreTable::kShownRanks; ++rank) {
        const QStringList cells = highScoreRowTexts(scores, rank);
        for (int column = 0; column < 4; ++column)
            EXPECT_LE(widthIn(table, arialFont(12), cells[column]), highScoreCellRect(rank, column).width())
                << cells[column].toStdString();
    }
}

} // namespace
