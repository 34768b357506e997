// Draws the built-in card-picture sheet "Standardsymbole": 64 pictures of 40 x 40 pixels at a
// 41-pixel pitch on a 330 x 330 sheet, black one-pixel gutters, the last two columns and rows
// white, quantised to a fixed 256-colour palette and written as an 8-bit BMP file.
//
//   make_sheet OUTPUT.bmp

#include "drawkit.h"
#include "motifs.h"
#include "palette.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <array>

namespace {

constexpr int kSheetSize = 330;
constexpr int kPitch = 41;
constexpr int kCell = 40;

using Motif = void (*)(QPainter&);

// One row of the sheet per line. Neighbours differ in colour, so the sheet reads as a mixed set.
// clang-format off
constexpr std::array<Motif, 64> kMotifs = {
    drawApple, drawSun, drawCar, drawFish, drawTree, drawHeart, drawKey, drawButterfly,
    drawPear, drawRainCloud, drawSailboat, drawBird, drawFirTree, drawSpade, drawBell, drawLadybird,
    drawCherries, drawNightMoon, drawAirplane, drawSnail, drawFlower, drawClub, drawCrown, drawDuck,
    drawBanana, drawLightning, drawRocket, drawCat, drawTulip, drawDiamond, drawAnchor, drawPig,
    drawStrawberry, drawSnowflake, drawBalloon, drawFrog, drawCactus, drawNotes, drawEnvelope, drawPenguin,
    drawGrapes, drawRainbow, drawBicycle, drawBee, drawMushroom, drawStar, drawScissors, drawWhale,
    drawCarrot, drawUmbrella, drawHouse, drawMouse, drawMapleLeaf, drawDie, drawTelephone, drawRabbit,
    drawWatermelon, drawSnowman, drawBall, drawHorse, drawCup, drawHourglass, drawLightBulb, drawIceCream,
};
// clang-format on

void drawCard(QPainter& painter, Motif motif) {
    painter.fillRect(QRect(0, 0, kCell, kCell), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(204, 204, 204));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kCell - 1, kCell - 1);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    motif(painter);
}

QImage drawSheet() {
    QImage sheet(kSheetSize, kSheetSize, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int k = 0; k < 64; ++k) {
        painter.save();
        painter.translate(kPitch * (k % 8), kPitch * (k / 8));
        painter.setClipRect(QRect(0, 0, kCell, kCell));
        drawCard(painter, kMotifs[k]);
        painter.restore();
    }
    const int last = kPitch * 8 - 1; // 327, the gutter after the last picture
    for (int i = 1; i <= 8; ++i) {
        const int gutter = kPitch * i - 1;
        painter.fillRect(QRect(gutter, 0, 1, last + 1), Qt::black);
        painter.fillRect(QRect(0, gutter, last + 1, 1), Qt::black);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_sheet OUTPUT.bmp\n";
        return 2;
    }
    if (!art::loadGlyphFont()) {
        err << "DejaVu Sans is missing (Debian package fonts-dejavu-core)\n";
        return 1;
    }
    const QImage sheet = quantised(drawSheet(), sheetPalette());
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "bmp");
    if (!writer.write(sheet)) {
        err << "cannot write " << argv[1] << ": " << writer.errorString() << "\n";
        return 1;
    }
    return 0;
}
