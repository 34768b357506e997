// The controls and the menu of the card editor and where they lie.

#include "cardeditor.h"

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
#include "painting/fonts.h"

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

    captionBand = new CaptionBand(client);
    captionBand->setCaption(tr(" Karteneditor"));
    captionBand->setFont(arialFont(kBandWidth));
    captionBand->setGeometry(0, 0, kBandWidth, kClientHeight);
    panel = new TexturePanel(client);
    panel->setGeometry(kBandWidth, 0, kClientWidth - kBandWidth, kClientHeight);
    panel->setTexture(panelTexture);

    loadButton = toolButton(panel, QStringLiteral("open"), tr("Laden"), 8);
    saveButton =
        toolButton(panel, QStringLiteral("save"), tr("Speichern"), loadButton->geometry().right() + 3);
    helpButton = toolButton(panel, QStringLiteral("help"), tr("Hilfe"), saveButton->geometry().right() + 3);
    backButton = toolButton(panel, QStringLiteral("back"), tr("Zurück"), helpButton->geometry().right() + 3);

    pencilButton = drawingTool(panel, QStringLiteral("pencil"), tr("Malmodus"), 56);
    pipetteButton = drawingTool(panel, QStringLiteral("pipette"), tr("Pipette"), 88);
    pencilButton->setDown(true);

    zoomView = new DrawingView(panel);
    zoomView->setGeometry(48, 56, kZoomViewSide, kZoomViewSide);
    zoomView->setAccessibleName(tr("Zeichenfläche"));

    previewFrame = new QFrame(panel);
    previewFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewFrame->setGeometry(376, 56, 44, 44);
    previewLabel = new QLabel(previewFrame);
    previewLabel->setGeometry(2, 2, 40, 40);
    previewLabel->setAccessibleName(tr("Vorschau"));
    replaceButton = makeButton(panel, tr("Bild ersetzen"), QColor(255, 255, 0), QPoint(376, 120));

    cardNumberCaption = new QLabel(tr("Karte Nummer"), panel);
    cardNumberCaption->move(392, 152);
    cardNumberCaption->adjustSize();
    cardNumberField = new CardNumberField(panel);
    cardNumberField->setGeometry(392, 168, 57, 22);
    cardNumberCaption->setBuddy(cardNumberField);

    for (int i = 0; i < CardEditorState::kSlotCount; ++i) {
        const int tag = i + 1;
        colourPanels[i] = new ColourPanel(tag, panel);
        colourPanels[i]->setObjectName(QStringLiteral("colourPanel%1").arg(tag));
        colourPanels[i]->setGeometry(392, 232 + 24 * i, 49, 24);
    }
    coloursCaption = new QLabel(tr("Farben"), panel);
    coloursCaption->move(392, 360);
    coloursCaption->adjustSize();

    closeButton = makeButton(panel, tr("Schließen"), QColor(0, 255, 0), QPoint(8, 400));
    closeButton->setDefault(true);
    closeButton->setCancel(true);
}

void CardEditor::buildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto item = [](QMenu* menu, const QString& text, QKeySequence key = {}) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        return action;
    };
    QMenu* fileMenu = bar->addMenu(tr("&Datei"));
    loadAction = item(fileMenu, tr("Kartendatei &laden"), QKeySequence(Qt::CTRL | Qt::Key_L));
    saveAction = item(fileMenu, tr("Kartendatei &speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    fileMenu->addSeparator();
    closeAction = item(fileMenu, tr("Karteneditor &beenden"));
    QMenu* helpMenu = bar->addMenu(tr("&Hilfe"));
    helpAction = item(helpMenu, tr("Zum &Karteneditor"), Qt::Key_F1);
}
