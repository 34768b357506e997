// The controls of the new-game dialog and where they lie.

#include "newgamedialog.h"

#include "board/fonts.h"
#include "controls/ui/captionband.h"
#include "controls/ui/completingedit.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QStringList kKinds = {QStringLiteral("Menschlicher Spieler"), QStringLiteral("Computer-Spieler (Dumm)"),
                            QStringLiteral("Computer-Spieler (Normal)"),
                            QStringLiteral("Computer-Spieler (Unbesiegbar)")};

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
    const DialogFrame frame = buildDialogFrame(*this, QStringLiteral(" Neues Spiel beginnen..."), texture);
    Label901 = frame.band;
    Texturpanel1 = frame.panel;
    QWidget* panel = Texturpanel1;

    auto* heading =
        new QLabel(QStringLiteral("Hier können Sie die Namen der teilnehmenden Spieler eingeben."), panel);
    heading->setFont(arialFontOfPixelSize(13, true));
    heading->setGeometry(8, 8, panel->width() - 16, 18);

    for (int row = 0; row < 4; ++row) {
        const int y = 34 + 30 * row;
        sp[row] = new CompletingEdit(panel);
        sp[row]->setObjectName(QStringLiteral("sp%1").arg(row + 1));
        sp[row]->setCompletionStyle(CompletingEdit::Selection);
        sp[row]->setGeometry(8, y, 140, 22);
        geg[row] = new QComboBox(panel);
        geg[row]->setObjectName(QStringLiteral("geg%1").arg(row + 1));
        geg[row]->addItems(kKinds);
        geg[row]->setGeometry(156, y, 200, 22);
        Netz[row] = lamp(panel, QStringLiteral("Netzwerk"), {364, y + 3}, Lamp::CheckBox, 0);
        Netz[row]->setObjectName(QStringLiteral("Netz%1").arg(row + 1));
    }

    QGroupBox* spielart = box(panel, QStringLiteral("Spielart"), {8, 158, 170, 62});
    zweigleiche = lamp(spielart, QStringLiteral("Je 2 gleiche Karten"), {10, 20}, Lamp::RadioButton, 3);
    dreigleiche = lamp(spielart, QStringLiteral("Je 3 gleiche Karten"), {10, 40}, Lamp::RadioButton, 3);
    QGroupBox* spielfeld = box(panel, QStringLiteral("Spielfeld"), {186, 158, 96, 62});
    sp30 = lamp(spielfeld, QStringLiteral("Klein"), {10, 20}, Lamp::RadioButton, 2);
    sp60 = lamp(spielfeld, QStringLiteral("Groß"), {10, 40}, Lamp::RadioButton, 2);
    QGroupBox* motive = box(panel, QStringLiteral("Motive als..."), {290, 158, 136, 62});
    Alsbilder = lamp(motive, QStringLiteral("Bilder"), {10, 20}, Lamp::RadioButton, 1);
    Alszahlen = lamp(motive, QStringLiteral("Zahlen"), {10, 40}, Lamp::RadioButton, 1);

    QGroupBox* schwierigkeit = box(panel, QStringLiteral("Gesamtschwierigkeit"), {8, 230, 170, 54});
    ComboBox1 = new QComboBox(schwierigkeit);
    ComboBox1->addItems({QStringLiteral("Leicht"), QStringLiteral("Mittel"), QStringLiteral("Schwer")});
    ComboBox1->setGeometry(10, 22, 150, 22);

    Texturpanel2 = box(panel, QStringLiteral("Bilddatei:"), {186, 230, 240, 90});
    Edit1 = new QLineEdit(Texturpanel2);
    Edit1->setReadOnly(true);
    Edit1->setGeometry(10, 22, 220, 22);
    VKButton3 = makeButton(Texturpanel2, QStringLiteral("Ändern"), QColor(255, 255, 0), {10, 56, 106, 22});
    VKButton4 = makeButton(Texturpanel2, QStringLiteral("Standard"), QColor(255, 255, 0), {124, 56, 106, 22});

    const int buttonsY = height() - 36;
    VKButton1 =
        makeButton(panel, QStringLiteral("Spiel beginnen!"), QColor(0, 255, 0), {8, buttonsY, 136, 24});
    VKButton1->setDefault(true);
    VKButton2 = makeButton(panel, QStringLiteral("Abbruch"), QColor(255, 0, 0), {152, buttonsY, 128, 24});
    VKButton2->setCancel(true);
    VKButton5 = makeButton(panel, QStringLiteral("Hilfe"), QColor(255, 255, 0), {288, buttonsY, 128, 24});

    zweigleiche->setChecked(true);
    sp30->setChecked(true);
    Alsbilder->setChecked(true);
}
