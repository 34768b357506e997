#include "controls/completionlist.h"
#include "controls/ui/completingedit.h"

#include "support/qtprinters.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CompletingEditTest : public ::testing::Test {
protected:
    CompletingEditTest() {
        edit->setGeometry(20, 80, 150, 24);
        window.show();
    }

    void fill(const QStringList& names) {
        edit->clearEntries();
        edit->suspendSorting();
        for (const QString& name : names)
            edit->addEntry(name);
        edit->sortEntries();
    }

    void leave() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }

    QWidget window;
    CompletingEdit* edit = new CompletingEdit(&window);
};

TEST_F(CompletingEditTest, SelectionStyleCompletesTypedTextWithTheRestSelected) {
    edit->setCompletionStyle(CompletingEdit::Selection);
    fill({"Anna", "anton", "Bert", "Müller"});

    QTest::keyClicks(edit, "a");
    EXPECT_TRUE(edit->text() == "Anna" || edit->text() == "anton") << edit->text().toStdString();
    EXPECT_EQ(edit->selectionStart(), 1);
    EXPECT_EQ(edit->selectedText(), edit->text().mid(1));

    QTest::keyClicks(edit, "nt");
    EXPECT_EQ(edit->selectedText(), "on");
    // Deleting the completed rest keeps what was typed instead of completing it again.
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "ant");

    edit->selectAll();
    QTest::keyClicks(edit, "MÜ");
    EXPECT_EQ(edit->text(), "Müller");
    EXPECT_EQ(edit->selectedText(), "ller");

    edit->setText("b");
    EXPECT_EQ(edit->text(), "b") << "text set by the program is not completed";
}

TEST_F(CompletingEditTest, HintStyleShowsTipAboveTheEditAndBrowsesWithUpAndDown) {
    fill({"Carl", "Anna", "Bert", "anton"});
    QSignalSpy shown(edit, &CompletingEdit::tipShown);
    QSignalSpy hidden(edit, &CompletingEdit::tipHidden);
    const QLabel* tip = edit->tip();

    QTest::keyClicks(edit, "bex");
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(hidden.count(), 1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    ASSERT_TRUE(edit->isTipShown());
    EXPECT_EQ(tip->text(), "Bert");
    EXPECT_EQ(tip->parentWidget(), &window);
    EXPECT_EQ(tip->geometry().bottomLeft(), QPoint(20, 79));

    QStringList browsed;
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) {
        QTest::keyClick(edit, key);
        browsed << tip->text();
    }
    EXPECT_EQ(browsed, QStringList({"Carl", "Carl", "Bert", "anton", "Anna", "Anna"}));
    EXPECT_EQ(edit->text(), "be");

    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "Anna");
    EXPECT_EQ(edit->cursorPosition(), 4);

    edit->clear();
    QTest::keyClicks(edit, "a");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_FALSE(edit->isTipShown()) << "an empty text completes nothing";
}

TEST_F(CompletingEditTest, LeavingAddsTheTypedTextUnlessItIsTheTip) {
    fill({"Bert"});
    QTest::keyClicks(edit, "b");
    leave();
    EXPECT_FALSE(edit->isTipShown());
    edit->setText("BERT");
    leave();
    edit->setText("  Zoe ");
    leave();
    EXPECT_EQ(edit->entries(), QStringList({"b", "Bert", "Zoe"}));
}

TEST(CompletionList, SortKeepsCaseTwinsAndDropsOnlyAdjacentExactRepeatsAndALeadingEmpty) {
    const struct {
        QStringList added;
        QStringList expected;
    } cases[] = {
        {{"Bert", "Bert", "bert"}, {"bert", "Bert"}},
        {{"Bert", "bert", "Bert"}, {"Bert", "bert", "Bert"}},
        {{"Bert", "Bert", "Carl", "Bert", "bert"}, {"bert", "Bert", "Carl"}},
        {{"Anna", "  ", "anna"}, {"anna", "Anna"}},
    };
    for (const auto& c : cases) {
        CompletionList list;
        list.suspendSorting();
        for (const QString& text : c.added)
            list.add(text);
        list.sort();
        EXPECT_EQ(list.texts(), c.expected);
    }
}

TEST(CompletionList, IgnoresAddsBeyondTwentyFiveThousand) {
    CompletionList list;
    list.suspendSorting();
    for (int i = 0; i < 25001; ++i)
        list.add(QString::number(i));
    EXPECT_EQ(list.count(), 25000);
    EXPECT_EQ(list.at(25000), "24999");
}

} // namespace
