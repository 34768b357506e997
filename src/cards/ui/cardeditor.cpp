#include "cardeditor.h"

#include "cardnumberfield.h"
#include "cards/cardsheet.h"
#include "colourpanel.h"
#include "controls/ui/imageview.h"
#include "controls/ui/latchingbutton.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/toolbutton.h"
#include "drawingview.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPixmap>

Tkarted::Tkarted(const QImage& panelTexture, HelpRequest help, EditorDialogs dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      help_(std::move(help)), dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("karted"));
    setWindowTitle(QStringLiteral("Karteneditor"));
    buildComponents(panelTexture);
    buildMenu();
    // Sized now, so that it can be centred before it is first shown.
    layout()->activate();
    connectCommands();
    FormCreate();
}

void Tkarted::connectCommands() {
    connect(Kartendateiladen1, &QAction::triggered, this, &Tkarted::Kartendateiladen1Click);
    connect(Kartendateispeichern1, &QAction::triggered, this, &Tkarted::Kartendateispeichern1Click);
    connect(Karteneditorbeenden1, &QAction::triggered, this, &Tkarted::Karteneditorbeenden1Click);
    connect(ZumKarteneditor1, &QAction::triggered, this, &Tkarted::ZumKarteneditor1Click);
    connect(Float1, &TFloat::clicked, this, &Tkarted::Kartendateiladen1Click);
    connect(Float2, &TFloat::clicked, this, &Tkarted::Kartendateispeichern1Click);
    connect(Float3, &TFloat::clicked, this, &Tkarted::ZumKarteneditor1Click);
    connect(Float4, &TFloat::clicked, this, &Tkarted::Karteneditorbeenden1Click);
    connect(DownBut1, &TDownBut::clicked, this, [this] { DownBut1Click(1); });
    connect(DownBut2, &TDownBut::clicked, this, [this] { DownBut1Click(2); });
    connect(PaintBox1, &PaintBox::mousePressed, this, &Tkarted::PaintBox1MouseDown);
    connect(PaintBox1, &EditorPaintBox::mouseMoved, this, &Tkarted::PaintBox1MouseMove);
    connect(PaintBox1, &EditorPaintBox::mouseReleased, this, &Tkarted::PaintBox1MouseUp);
    connect(SpinEdit1, &QSpinBox::textChanged, this, &Tkarted::SpinEdit1Change);
    for (ColourPanel* panel : {f1, f2, f3, f4, f5}) {
        connect(panel, &ColourPanel::clicked, this, &Tkarted::f1Click);
        connect(panel, &ColourPanel::doubleClicked, this, &Tkarted::f1DblClick);
    }
    connect(VKButton2, &TVKButton::clicked, this, &Tkarted::VKButton2Click);
    connect(VKButton1, &TVKButton::clicked, this, &Tkarted::VKButton1Click);
}

void Tkarted::FormCreate() {
    showColours();
    showPicture();
}

void Tkarted::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void Tkarted::FormShow() {
    SpinEdit1Change();
}

void Tkarted::showPicture() {
    Image1->setPixmap(QPixmap::fromImage(state_.preview()));
    PaintBox1->showImage(state_.zoomView());
}

void Tkarted::showColours() {
    for (ColourPanel* panel : {f1, f2, f3, f4, f5}) {
        panel->setColour(state_.slotColour(panel->tag()));
        panel->setBevelWidth(panel->tag() == state_.currentSlot() ? 2 : 1);
    }
}

void Tkarted::SpinEdit1Change() {
    // A number outside 1..64 may stand in the field while it is typed; the picture shown
    // stays the last one in range until the field corrects the number.
    if (state_.selectCard(SpinEdit1->typedNumber()))
        showPicture();
}

void Tkarted::PaintBox1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    state_.press({x, y});
    showPicture();
    showColours();
}

void Tkarted::PaintBox1MouseMove(int x, int y) {
    if (state_.move({x, y}))
        showPicture();
}

void Tkarted::PaintBox1MouseUp() {
    state_.release();
}

void Tkarted::DownBut1Click(int tag) {
    state_.setTool(tag == 2 ? EditorTool::Pipette : EditorTool::Paint);
}

void Tkarted::f1Click(int tag) {
    state_.selectSlot(tag);
    showColours();
}

void Tkarted::f1DblClick(int tag) {
    if (const std::optional<QColor> chosen = dialogs_.chooseColour(this, state_.slotColour(tag))) {
        state_.setSlotColour(tag, *chosen);
        showColours();
    }
}

void Tkarted::VKButton2Click() {
    const QString title = QStringLiteral("Bild Nr. %1 laden").arg(state_.cardNumber());
    const QString fileName = dialogs_.openPicture(this, title);
    if (fileName.isEmpty())
        return;
    QString reason;
    const std::optional<QImage> picture = readSheetFile(fileName, &reason);
    if (!picture) {
        reportFileError(fileName, reason);
        return;
    }
    state_.replaceCurrentPicture(*picture);
    showPicture();
}

void Tkarted::Kartendateiladen1Click() {
    const QString fileName = dialogs_.openSheet(this);
    if (fileName.isEmpty())
        return;
    QString reason;
    std::optional<QImage> sheet = readSheetFile(fileName, &reason);
    if (!sheet) {
        reportFileError(fileName, reason);
        return;
    }
    state_.setSheet(std::move(*sheet));
    showPicture();
}

void Tkarted::Kartendateispeichern1Click() {
    const QString fileName = dialogs_.saveSheet(this);
    if (fileName.isEmpty())
        return;
    QString reason;
    if (!writeSheetFile(state_.sheet(), fileName, &reason))
        reportFileError(fileName, reason);
}

void Tkarted::reportFileError(const QString& fileName, const QString& reason) {
    dialogs_.showError(this, QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(fileName), reason));
}

void Tkarted::Karteneditorbeenden1Click() {
    close();
}

void Tkarted::ZumKarteneditor1Click() {
    if (help_)
        help_(QStringLiteral("editor"));
}

void Tkarted::VKButton1Click() {
    close();
}
