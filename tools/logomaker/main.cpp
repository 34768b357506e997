// Draws the pictures that tell who made Sorbello:
//   sorbello.png        456 x 76   the program's logo at the top of the About dialog, with
//                                  its line in German; en/sorbello.png with it in English
//   vuko.png            100 x 61   the maker's logo, a hummingbird over the maker's name
//   sorbello-<n>.png    n x n      the program icon for the desktop (16 to 512)
//   sorbello-icon.svg   256 x 256  the same icon drawn as vectors
// All have a transparent ground, so they sit on whatever panel texture is behind them.
//
//   make_logos OUTPUT_DIRECTORY

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

const QColor kRed(200, 24, 32);
const QColor kDarkRed(120, 8, 16);
const QColor kInk(30, 30, 36);
const QColor kTeal(0, 140, 150);

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QFont boldFont(const QString& family, int pixelSize, bool italic = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A card of the game, its top-left corner at the origin: a face-down card shows the grey
// chequered back, a face-up card a red heart on white.
void drawCard(QPainter& painter, qreal size, bool faceUp) {
    const QRectF card(0, 0, size, size);
    const qreal radius = size / 9;
    QPainterPath outline;
    outline.addRoundedRect(card, radius, radius);
    painter.setPen(QPen(kInk, qMax<qreal>(1, size / 28)));
    if (!faceUp) {
        QLinearGradient back(card.topLeft(), card.bottomRight());
        back.setColorAt(0, QColor(150, 156, 170));
        back.setColorAt(1, QColor(70, 76, 92));
        painter.setBrush(back);
        painter.drawPath(outline);
        // The stripes are cut to the card as a shape rather than by clipping, which the SVG
        // writer does not carry over.
        QPainterPath lines;
        for (qreal d = -size; d < 2 * size; d += size / 5) {
            lines.moveTo(d, 0);
            lines.lineTo(d + size, size);
        }
        QPainterPathStroker stroker;
        stroker.setWidth(size / 18);
        stroker.setCapStyle(Qt::FlatCap);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawPath(stroker.createStroke(lines).intersected(outline));
        painter.restore();
        return;
    }
    painter.setBrush(QColor(252, 252, 248));
    painter.drawPath(outline);
    const qreal s = size / 40; // the heart is laid out on a 40-unit card
    QPainterPath heart;
    heart.moveTo(20 * s, 32 * s);
    heart.cubicTo(4 * s, 22 * s, 6 * s, 8 * s, 14 * s, 9 * s);
    heart.cubicTo(17 * s, 9 * s, 19 * s, 11 * s, 20 * s, 14 * s);
    heart.cubicTo(21 * s, 11 * s, 23 * s, 9 * s, 26 * s, 9 * s);
    heart.cubicTo(34 * s, 8 * s, 36 * s, 22 * s, 20 * s, 32 * s);
    painter.setPen(QPen(kDarkRed, qMax<qreal>(1, size / 40)));
    painter.setBrush(kRed);
    painter.drawPath(heart);
}

void drawCardAt(QPainter& painter, QPointF at, qreal size, qreal turn, bool faceUp) {
    painter.save();
    painter.translate(at);
    painter.rotate(turn);
    drawCard(painter, size, faceUp);
    painter.restore();
}

QImage programLogo(const QString& tagline) {
    QImage image = transparentImage(456, 76);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Three cards fanned out at the left, the middle one turned up.
    drawCardAt(painter, QPointF(8, 22), 44, -12, false);
    drawCardAt(painter, QPointF(58, 13), 44, 10, false);
    drawCardAt(painter, QPointF(32, 12), 44, 0, true);

    const QFont title = boldFont(QStringLiteral("Liberation Serif"), 54, true);
    QPainterPath word;
    word.addText(QPointF(118, 52), title, QStringLiteral("Sorbello"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(word.translated(3, 3));
    QLinearGradient red(0, 8, 0, 56);
    red.setColorAt(0, QColor(236, 60, 56));
    red.setColorAt(1, kDarkRed);
    painter.setBrush(red);
    painter.setPen(QPen(kInk, 1.2));
    painter.drawPath(word);

    painter.setPen(kInk);
    painter.setFont(boldFont(QStringLiteral("Liberation Sans"), 13));
    painter.drawText(QRectF(118, 56, 330, 18), Qt::AlignLeft | Qt::AlignVCenter, tagline);
    // A thin rule that ends the logo on the right.
    QLinearGradient rule(340, 0, 452, 0);
    rule.setColorAt(0, QColor(200, 24, 32, 0));
    rule.setColorAt(1, kRed);
    painter.fillRect(QRectF(340, 40, 112, 3), rule);
    return image;
}

// The hummingbird of the maker's logo, hovering and facing right, in a 60 x 34 box: a
// tilted body with a round head, a long thin beak, a wing raised high and a forked tail.
void drawHummingbird(QPainter& painter) {
    QPainterPath body;
    body.moveTo(14, 27);
    body.cubicTo(18, 19, 28, 15, 36, 15);
    body.cubicTo(40, 16, 40, 21, 36, 24);
    body.cubicTo(30, 29, 22, 31, 14, 27);
    QPainterPath tail;
    tail.moveTo(16, 26);
    tail.lineTo(3, 34);
    tail.lineTo(9, 27);
    tail.lineTo(1, 28);
    tail.lineTo(15, 22);
    tail.closeSubpath();
    QPainterPath wing;
    wing.moveTo(24, 18);
    wing.cubicTo(16, 8, 14, 2, 18, 0);
    wing.cubicTo(26, 3, 32, 10, 31, 17);
    wing.closeSubpath();
    QPainterPath beak;
    beak.moveTo(44, 10);
    beak.lineTo(60, 4);
    beak.lineTo(45, 13);
    beak.closeSubpath();

    QLinearGradient green(10, 30, 44, 8);
    green.setColorAt(0, QColor(20, 100, 70));
    green.setColorAt(1, kTeal);
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kInk);
    painter.drawPath(beak);
    painter.setBrush(green);
    painter.drawPath(tail);
    painter.drawPath(body);
    painter.drawEllipse(QPointF(40, 13), 5.5, 5.5); // the head
    painter.setBrush(QColor(90, 200, 170));
    painter.drawPath(wing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed); // the throat
    painter.drawEllipse(QPointF(38, 19), 3.2, 2.4);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(41.5, 12), 1.7, 1.7);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(41.8, 12), 0.8, 0.8);
}

QImage makerLogo() {
    QImage image = transparentImage(100, 61);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(20, 1);
    drawHummingbird(painter);
    painter.restore();
    painter.setPen(kInk);
    painter.setFont(boldFont(QStringLiteral("Liberation Sans"), 17));
    painter.drawText(QRectF(0, 35, 100, 16), Qt::AlignCenter, QStringLiteral("VUKO"));
    painter.setPen(kTeal);
    painter.setFont(boldFont(QStringLiteral("Liberation Sans"), 10));
    painter.drawText(QRectF(0, 50, 100, 11), Qt::AlignCenter, QStringLiteral("Software"));
    return image;
}

// Two cards, one face down and one turned up, on a square of `size`.
void drawProgramIcon(QPainter& painter, qreal size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal card = size * 0.62;
    drawCardAt(painter, QPointF(size * 0.06, size * 0.20), card, -10, false);
    drawCardAt(painter, QPointF(size * 0.30, size * 0.16), card, 8, true);
}

QImage programIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    drawProgramIcon(painter, size);
    return image;
}

// The same icon as a vector drawing, for desktops that scale icons freely.
bool saveScalableIcon(const QDir& dir, const QString& name) {
    constexpr int kSize = 256;
    QSvgGenerator svg;
    svg.setFileName(dir.filePath(name));
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    svg.setResolution(96); // so that the size in millimetres comes to 256 CSS pixels
    svg.setTitle(QStringLiteral("Sorbello"));
    svg.setDescription(QStringLiteral("Program icon of Sorbello"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        QTextStream(stderr) << "cannot write " << dir.filePath(name) << '\n';
        return false;
    }
    drawProgramIcon(painter, kSize);
    return painter.end();
}

bool save(const QImage& image, const QDir& dir, const QString& name) {
    if (image.save(dir.filePath(name), "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << dir.filePath(name) << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_logos OUTPUT_DIRECTORY\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = save(programLogo(QStringLiteral("Das Gedächtnisspiel für die ganze Familie")), dir,
                   QStringLiteral("sorbello.png"));
    ok = dir.mkpath(QStringLiteral("en")) && ok;
    ok = save(programLogo(QStringLiteral("The memory game for the whole family")), dir,
              QStringLiteral("en/sorbello.png")) &&
         ok;
    ok = save(makerLogo(), dir, QStringLiteral("vuko.png")) && ok;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        ok = save(programIcon(size), dir, QStringLiteral("sorbello-%1.png").arg(size)) && ok;
    ok = saveScalableIcon(dir, QStringLiteral("sorbello-icon.svg")) && ok;
    return ok ? 0 : 1;
}
