// The components and the menu of the main window, placed as on the original form.

#include "mainwindow.h"

#include "board/fonts.h"
#include "controls/ui/imageview.h"
#include "controls/ui/sevensegmentdisplay.h"
#include "controls/ui/texturepanel.h"
#include "controls/ui/toolbutton.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

namespace {

constexpr int kClientWidth = 697;
constexpr int kSmallClientHeight = 264;

ToolButton* flatButton(TexturePanel* panel, const QString& icon, const QString& caption1,
                       const QString& caption2, QPoint at) {
    auto* button = new ToolButton(panel);
    button->setPanel(panel);
    button->setPicture(QImage(QStringLiteral(":/icons/%1.png").arg(icon)));
    button->setTopCaption(caption1);
    button->setBottomCaption(caption2);
    button->move(at);
    return button;
}

QFrame* bevel(QWidget* parent, QFrame::Shape shape, QRect geometry) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
    return line;
}

} // namespace

void MainWindow::buildComponents() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kSmallClientHeight);
    client->setFont(arialFontOfPixelSize(11)); // "MS Sans Serif", 8 points
    setCentralWidget(client);
    // Not resizable: the window is always as large as its client area and menu need.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Texturpanel1 = new TexturePanel(client);
    Texturpanel1->setGeometry(0, 0, kClientWidth, 65);
    Texturpanel1->setTexture(image3_);
    Float1 = flatButton(Texturpanel1, QStringLiteral("newgame"), QStringLiteral("Neues"),
                        QStringLiteral("Spiel"), {8, 8});
    Float4 = flatButton(Texturpanel1, QStringLiteral("cardeditor"), QStringLiteral("Karten-"),
                        QStringLiteral("editor"), {62, 8});
    Float3 = flatButton(Texturpanel1, QStringLiteral("help"), QStringLiteral("Hilfe/"),
                        QStringLiteral("Anleitung"), {111, 8});
    Bevel2 = bevel(Texturpanel1, QFrame::VLine, {171, 8, 10, 50});

    PaintBox2 = new ImageView(Texturpanel1);
    PaintBox2->setGeometry(184, 8, 377, 33);

    Label2 = new QLabel(QStringLiteral("Anzahl vollständig aufgedeckter Kartenpaare:"), Texturpanel1);
    Label2->setFont(arialFontOfPixelSize(13));
    Label2->setGeometry(184, 43, 289, 16);
    vollauf = new QLabel(QStringLiteral("00"), Texturpanel1);
    vollauf->setFont(arialFontOfPixelSize(13));
    vollauf->setGeometry(463, 43, 34, 16);

    SiebenSeg1 = new SevenSegmentDisplay(Texturpanel1);
    SiebenSeg1->setGeometry(568, 8, 57, 39);
    SiebenSeg1->setDigits(2);
    SiebenSeg1->setScale(0.34f);
    SiebenSeg1->setSkipLeadingZeros(true);
    SiebenSeg1->setDigitColour(SevenSegmentDisplay::Green);
    SiebenSeg1->setMode(SevenSegmentDisplay::Normal);
    SiebenSeg1->setValue(0);

    Label1 = new QLabel(QStringLiteral("Restpunkte"), Texturpanel1);
    Label1->move(568, 48);
    Label1->adjustSize();
    Float2 = flatButton(Texturpanel1, QStringLiteral("quit"), QStringLiteral("Spiel"),
                        QStringLiteral("beenden"), {638, 8});

    Bevel1 = bevel(client, QFrame::HLine, {0, 65, kClientWidth, 1});

    Texturpanel2 = new TexturePanel(client);
    Texturpanel2->setGeometry(0, 66, kClientWidth, kSmallClientHeight - 66);
    Texturpanel2->setTexture(image3_);

    Panel2 = new QFrame(Texturpanel2);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    Panel2->setGeometry(16, 8, 664, 185);
    PaintBox1 = new ImageView(Panel2);
    PaintBox1->setGeometry(1, 1, 662, 183);
    PaintBox1->setEnabled(false); // no clicks before the first game
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    const auto item = [](QMenu* menu, const QString& text, QKeySequence key = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        return action;
    };

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    NeuesSpiel1 = item(datei, QStringLiteral("&Neues Spiel"), Qt::Key_F2);
    Netzwerkverbindungtrennen1 = item(datei, QStringLiteral("Netzwerkverbindung &trennen"));
    datei->addSeparator();
    Beenden1 = item(datei, QStringLiteral("&Beenden"));

    QMenu* extras = bar->addMenu(QStringLiteral("E&xtras"));
    Hintergrundabdecken1 = item(extras, QStringLiteral("&Hintergrund abdecken"));
    Hintergrundabdecken1->setCheckable(true);
    Hintergrundfarbefestlegen1 = item(extras, QStringLiteral("Hintergrund&farbe festlegen"));
    extras->addSeparator();
    SpielerStatistik1 = item(extras, QStringLiteral("Spieler-&Statistik anzeigen"), Qt::Key_F3);
    HighScore1 = item(extras, QStringLiteral("&HighScore anzeigen"));
    extras->addSeparator();
    Karteneditor1 = item(extras, QStringLiteral("&Karteneditor"), Qt::Key_F4);
    extras->addSeparator();
    VerknpfungzumDesktopanlegen1 = item(extras, QStringLiteral("Verknüpfung zum &Desktop anlegen"));
    VerknpfungzumStartmenanlegen1 = item(extras, QStringLiteral("Verknüpfung zum Start&menü anlegen"));
    extras->addSeparator();
    IP1 = item(extras, QStringLiteral("Eigene IP-Adresse anzeigen"));
    extras->addSeparator();
    Optionen2 = item(extras, QStringLiteral("&Optionen"));
    DebugDump1 = item(extras, QStringLiteral("Debug-Dump"));

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    Spielanleitung1 = item(hilfe, QStringLiteral("&Spielanleitung"), Qt::Key_F1);
    VukoHomepage1 = item(hilfe, QStringLiteral("&Vuko-Homepage aufsuchen"));
    hilfe->addSeparator();
    berKolibri811 = item(hilfe, QStringLiteral("Über &Sorbello"), Qt::Key_F9);
}

void MainWindow::applyBoardSize(bool largeBoard) {
    // The window heights of the design, 310 and 480, include 46 pixels of title bar, menu
    // and frame; what is left is the client area.
    const int clientHeight = (largeBoard ? 480 : 310) - 46;
    const int panelHeight = largeBoard ? 359 : 185;
    centralWidget()->setFixedSize(kClientWidth, clientHeight);
    Texturpanel2->resize(kClientWidth, clientHeight - 66);
    Panel2->resize(Panel2->width(), panelHeight);
    PaintBox1->resize(PaintBox1->width(), panelHeight - 2);
}
