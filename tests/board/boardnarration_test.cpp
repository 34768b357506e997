#include "board/boardnarration.h"
#include "cards/cardsheet.h"
#include "support/qtprinters.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QString faceUpName(MotifKind kind, int motif, const QImage& sheet) {
    GameState state;
    state.settings.motifKind = kind;
    state.cards[12] = Card{slotLeft(12), slotTop(12), true, true, 1, motif};
    return slotName(state, sheet, 12);
}

} // namespace

TEST(BoardNarration, AFaceUpCardIsNamedAfterWhatItsFaceShows) {
    const QImage builtIn = builtInSheet();
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, builtIn), "Karte 12: Flugzeug");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 1, builtIn), "Karte 12: Apfel");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 64, builtIn), "Karte 12: Eistüte");
    EXPECT_EQ(faceUpName(MotifKind::Numbers, 19, builtIn), "Karte 12: Zahl 19");

    // A sheet file made from the built-in one: only the picture painted over is a new one.
    QImage edited = builtIn.convertToFormat(QImage::Format_RGB32);
    QPainter(&edited).fillRect(motifRect(7).adjusted(10, 10, -10, -10), Qt::red);
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 7, edited), "Karte 12: Bild 7");
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, edited), "Karte 12: Flugzeug");

    const QImage foreign(100, 100, QImage::Format_RGB32);
    EXPECT_EQ(faceUpName(MotifKind::Pictures, 19, foreign), "Karte 12: Bild 19") << "cell beyond the sheet";
}
