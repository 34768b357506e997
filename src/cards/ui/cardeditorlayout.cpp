// The components and the menu of the card editor, placed as on the form.

#include "cardeditor.h"

#include "board/fonts.h"
#include "cardnumberfield.h"
#include "cards/zoomview.h"
#include "colourpanel.h"
#include "controls/ui/captionband.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/latchingbutton.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "controls/ui/toolbutton.h"
#include "drawingview.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 424;
constexpr int kBandWidth = 23;

ToolButton* toolButton(TexturePanel* panel, const QString& icon, const QString& caption, int x) {
    auto* button = new ToolButton(panel);
    button->setPanel(panel);
    button->setPicture(QImage(QStringLiteral(":/icons/%1.png").arg(icon)));
    button->setTopCaption(caption);
    button->setBottomCaption(QString());
    button->move(x, 0);
    return button;
}

LatchingButton* drawingTool(TexturePanel* panel, const QString& icon, const QString& hint, int y) {
    auto* button = new LatchingButton(panel);
    button->setPicture(QImage(QStringLiteral(":/icons/%1.png").arg(icon)));
    button->setGroup(1);
    button->setToolTip(hint);
    button->move(8, y);
    return button;
}

} // namespace

void CardEditor::buildComponents(const QImage& panelTexture) {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setFont(arialFontOfPixelSize(11)); // "MS Sans Serif", 8 points
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);

    Label901 = new CaptionBand(client);
    Label901->setCaption(QStringLiteral(" Karteneditor"));
    Label901->setFont(arialFont(kBandWidth));
    Label901->setGeometry(0, 0, kBandWidth, kClientHeight);
    Texturpanel1 = new TexturePanel(client);
    Texturpanel1->setGeometry(kBandWidth, 0, kClientWidth - kBandWidth, kClientHeight);
    Texturpanel1->setTexture(panelTexture);

    Float1 = toolButton(Texturpanel1, QStringLiteral("open"), QStringLiteral("Laden"), 8);
    Float2 = toolButton(Texturpanel1, QStringLiteral("save"), QStringLiteral("Speichern"),
                        Float1->geometry().right() + 3);
    Float3 = toolButton(Texturpanel1, QStringLiteral("help"), QStringLiteral("Hilfe"),
                        Float2->geometry().right() + 3);
    Float4 = toolButton(Texturpanel1, QStringLiteral("back"), QStringLiteral("Zurück"),
                        Float3->geometry().right() + 3);

    DownBut1 = drawingTool(Texturpanel1, QStringLiteral("pencil"), QStringLiteral("Malmodus"), 56);
    DownBut2 = drawingTool(Texturpanel1, QStringLiteral("pipette"), QStringLiteral("Pipette"), 88);
    DownBut1->setDown(true);

    PaintBox1 = new DrawingView(Texturpanel1);
    PaintBox1->setGeometry(48, 56, kZoomViewSide, kZoomViewSide);

    Panel1 = new QFrame(Texturpanel1);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(376, 56, 44, 44);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(2, 2, 40, 40);
    VKButton2 =
        makeButton(Texturpanel1, QStringLiteral("Bild ersetzen"), QColor(255, 255, 0), QPoint(376, 120));

    Label1 = new QLabel(QStringLiteral("Karte Nummer"), Texturpanel1);
    Label1->move(392, 152);
    Label1->adjustSize();
    SpinEdit1 = new CardNumberField(Texturpanel1);
    SpinEdit1->setGeometry(392, 168, 57, 22);

    int tag = 1;
    for (ColourPanel** panel : {&f1, &f2, &f3, &f4, &f5}) {
        *panel = new ColourPanel(tag, Texturpanel1);
        (*panel)->setObjectName(QStringLiteral("f%1").arg(tag));
        (*panel)->setGeometry(392, 232 + 24 * (tag - 1), 49, 24);
        ++tag;
    }
    Label2 = new QLabel(QStringLiteral("Farben"), Texturpanel1);
    Label2->move(392, 360);
    Label2->adjustSize();

    VKButton1 = makeButton(Texturpanel1, QStringLiteral("Schließen"), QColor(0, 255, 0), QPoint(8, 400));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
}

void CardEditor::buildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto item = [](QMenu* menu, const QString& text, QKeySequence key = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        return action;
    };
    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    Kartendateiladen1 = item(datei, QStringLiteral("Kartendatei &laden"), QKeySequence(Qt::CTRL | Qt::Key_L));
    Kartendateispeichern1 =
        item(datei, QStringLiteral("Kartendatei &speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    datei->addSeparator();
    Karteneditorbeenden1 = item(datei, QStringLiteral("Karteneditor &beenden"));
    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    ZumKarteneditor1 = item(hilfe, QStringLiteral("Zum &Karteneditor"), Qt::Key_F1);
}
