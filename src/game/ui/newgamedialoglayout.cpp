// The controls of the new-game dialog and where they lie.

#include "newgamedialog.h"

#include "controls/ui/captionband.h"
#include "controls/ui/completingedit.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// In the order of the participant kinds a row's index stands for.
const char* const kKinds[] = {QT_TRANSLATE_NOOP("NewGameDialog", "Menschlicher Spieler"),
                              QT_TRANSLATE_NOOP("NewGameDialog", "Computer-Spieler (Dumm)"),
                              QT_TRANSLATE_NOOP("NewGameDialog", "Computer-Spieler (Normal)"),
                              QT_TRANSLATE_NOOP("NewGameDialog", "Computer-Spieler (Unbesiegbar)")};

Lamp* lamp(QWidget* parent, const QString& caption, QPoint at, Lamp::Behaviour behaviour, int group) {
    auto* l = new Lamp(parent);
    l->setCaption(caption);
    l->setBehaviour(behaviour);
    l->setGroup(group);
    l->setLitColour(Lamp::Green);
    l->move(at);
    l->resize(l->sizeHint());
    return l;
}

QGroupBox* box(QWidget* parent, const QString& title, QRect geometry) {
    auto* b = new QGroupBox(title, parent);
    b->setGeometry(geometry);
    return b;
}

} // namespace

void NewGameDialog::buildLayout(const QImage& texture) {
    setFont(arialFontOfPixelSize(11)); // "MS Sans Serif", 8 points
    const DialogFrame frame = buildDialogFrame(*this, tr(" Neues Spiel beginnen..."), texture);
    captionBand = frame.band;
    panel = frame.panel;

    auto* heading = new QLabel(tr("Hier können Sie die Namen der teilnehmenden Spieler eingeben."), panel);
    heading->setFont(arialFontOfPixelSize(13, true));
    heading->setGeometry(8, 8, panel->width() - 16, 18);

    for (int row = 0; row < 4; ++row) {
        const int y = 34 + 30 * row;
        nameEdits[row] = new CompletingEdit(panel);
        nameEdits[row]->setObjectName(QStringLiteral("nameEdit%1").arg(row + 1));
        nameEdits[row]->setCompletionStyle(CompletingEdit::Selection);
        nameEdits[row]->setGeometry(8, y, 140, 22);
        kindLists[row] = new QComboBox(panel);
        kindLists[row]->setObjectName(QStringLiteral("kindList%1").arg(row + 1));
        for (const char* kind : kKinds)
            kindLists[row]->addItem(tr(kind));
        kindLists[row]->setGeometry(156, y, 200, 22);
        networkLamps[row] = lamp(panel, tr("Netzwerk"), {364, y + 3}, Lamp::CheckBox, 0);
        networkLamps[row]->setObjectName(QStringLiteral("networkLamp%1").arg(row + 1));
        // A screen reader hears which row a control belongs to; the screen shows it by position.
        nameEdits[row]->setAccessibleName(tr("Name von Teilnehmer %1").arg(row + 1));
        // A combo box reads its current kind as its name; which row it is goes in the description.
        kindLists[row]->setAccessibleDescription(tr("Art von Teilnehmer %1").arg(row + 1));
        networkLamps[row]->setAccessibleName(tr("Teilnehmer %1 im Netzwerk").arg(row + 1));
    }

    QGroupBox* groupSizeBox = box(panel, tr("Spielart"), {8, 158, 170, 62});
    pairsLamp = lamp(groupSizeBox, tr("Je 2 gleiche Karten"), {10, 20}, Lamp::RadioButton, 3);
    triplesLamp = lamp(groupSizeBox, tr("Je 3 gleiche Karten"), {10, 40}, Lamp::RadioButton, 3);
    QGroupBox* boardSizeBox = box(panel, tr("Spielfeld"), {186, 158, 96, 62});
    smallBoardLamp = lamp(boardSizeBox, tr("Klein"), {10, 20}, Lamp::RadioButton, 2);
    largeBoardLamp = lamp(boardSizeBox, tr("Groß"), {10, 40}, Lamp::RadioButton, 2);
    QGroupBox* motifBox = box(panel, tr("Motive als..."), {290, 158, 136, 62});
    picturesLamp = lamp(motifBox, tr("Bilder"), {10, 20}, Lamp::RadioButton, 1);
    numbersLamp = lamp(motifBox, tr("Zahlen"), {10, 40}, Lamp::RadioButton, 1);

    QGroupBox* difficultyBox = box(panel, tr("Gesamtschwierigkeit"), {8, 230, 170, 54});
    difficultyList = new QComboBox(difficultyBox);
    difficultyList->addItems({tr("Leicht"), tr("Mittel"), tr("Schwer")});
    difficultyList->setGeometry(10, 22, 150, 22);

    pictureFileBox = box(panel, tr("Bilddatei:"), {186, 230, 240, 90});
    pictureFileEdit = new QLineEdit(pictureFileBox);
    pictureFileEdit->setReadOnly(true);
    pictureFileEdit->setGeometry(10, 22, 220, 22);
    changeFileButton = makeButton(pictureFileBox, tr("Ändern"), QColor(255, 255, 0), {10, 56, 106, 22});
    builtInButton = makeButton(pictureFileBox, tr("Standard"), QColor(255, 255, 0), {124, 56, 106, 22});

    const int buttonsY = height() - 36;
    startButton = makeButton(panel, tr("Spiel beginnen!"), QColor(0, 255, 0), {8, buttonsY, 136, 24});
    startButton->setDefault(true);
    cancelButton = makeButton(panel, tr("Abbruch"), QColor(255, 0, 0), {152, buttonsY, 128, 24});
    cancelButton->setCancel(true);
    helpButton = makeButton(panel, tr("Hilfe"), QColor(255, 255, 0), {288, buttonsY, 128, 24});

    pairsLamp->setChecked(true);
    smallBoardLamp->setChecked(true);
    picturesLamp->setChecked(true);
}
