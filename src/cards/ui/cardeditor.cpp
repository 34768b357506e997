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

CardEditor::CardEditor(const QImage& panelTexture, HelpRequest help, EditorDialogs dialogs, QWidget* parent)
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

void CardEditor::connectCommands() {
    connect(Kartendateiladen1, &QAction::triggered, this, &CardEditor::Kartendateiladen1Click);
    connect(Kartendateispeichern1, &QAction::triggered, this, &CardEditor::Kartendateispeichern1Click);
    connect(Karteneditorbeenden1, &QAction::triggered, this, &CardEditor::Karteneditorbeenden1Click);
    connect(ZumKarteneditor1, &QAction::triggered, this, &CardEditor::ZumKarteneditor1Click);
    connect(Float1, &ToolButton::clicked, this, &CardEditor::Kartendateiladen1Click);
    connect(Float2, &ToolButton::clicked, this, &CardEditor::Kartendateispeichern1Click);
    connect(Float3, &ToolButton::clicked, this, &CardEditor::ZumKarteneditor1Click);
    connect(Float4, &ToolButton::clicked, this, &CardEditor::Karteneditorbeenden1Click);
    connect(DownBut1, &LatchingButton::clicked, this, [this] { DownBut1Click(1); });
    connect(DownBut2, &LatchingButton::clicked, this, [this] { DownBut1Click(2); });
    connect(PaintBox1, &ImageView::mousePressed, this, &CardEditor::PaintBox1MouseDown);
    connect(PaintBox1, &DrawingView::mouseMoved, this, &CardEditor::PaintBox1MouseMove);
    connect(PaintBox1, &DrawingView::mouseReleased, this, &CardEditor::PaintBox1MouseUp);
    connect(SpinEdit1, &QSpinBox::textChanged, this, &CardEditor::SpinEdit1Change);
    for (ColourPanel* panel : {f1, f2, f3, f4, f5}) {
        connect(panel, &ColourPanel::clicked, this, &CardEditor::f1Click);
        connect(panel, &ColourPanel::doubleClicked, this, &CardEditor::f1DblClick);
    }
    connect(VKButton2, &PushButton::clicked, this, &CardEditor::VKButton2Click);
    connect(VKButton1, &PushButton::clicked, this, &CardEditor::VKButton1Click);
}

void CardEditor::FormCreate() {
    showColours();
    showPicture();
}

void CardEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void CardEditor::FormShow() {
    SpinEdit1Change();
}

void CardEditor::showPicture() {
    Image1->setPixmap(QPixmap::fromImage(state_.preview()));
    PaintBox1->showImage(state_.zoomView());
}

void CardEditor::showColours() {
    for (ColourPanel* panel : {f1, f2, f3, f4, f5}) {
        panel->setColour(state_.slotColour(panel->tag()));
        panel->setBevelWidth(panel->tag() == state_.currentSlot() ? 2 : 1);
    }
}

void CardEditor::SpinEdit1Change() {
    // A number outside 1..64 may stand in the field while it is typed; the picture shown
    // stays the last one in range until the field corrects the number.
    if (state_.selectCard(SpinEdit1->typedNumber()))
        showPicture();
}

void CardEditor::PaintBox1MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    state_.press({x, y});
    showPicture();
    showColours();
}

void CardEditor::PaintBox1MouseMove(int x, int y) {
    if (state_.move({x, y}))
        showPicture();
}

void CardEditor::PaintBox1MouseUp() {
    state_.release();
}

void CardEditor::DownBut1Click(int tag) {
    state_.setTool(tag == 2 ? EditorTool::Pipette : EditorTool::Paint);
}

void CardEditor::f1Click(int tag) {
    state_.selectSlot(tag);
    showColours();
}

void CardEditor::f1DblClick(int tag) {
    if (const std::optional<QColor> chosen = dialogs_.chooseColour(this, state_.slotColour(tag))) {
        state_.setSlotColour(tag, *chosen);
        showColours();
    }
}

void CardEditor::VKButton2Click() {
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

void CardEditor::Kartendateiladen1Click() {
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

void CardEditor::Kartendateispeichern1Click() {
    const QString fileName = dialogs_.saveSheet(this);
    if (fileName.isEmpty())
        return;
    QString reason;
    if (!writeSheetFile(state_.sheet(), fileName, &reason))
        reportFileError(fileName, reason);
}

void CardEditor::reportFileError(const QString& fileName, const QString& reason) {
    dialogs_.showError(this, QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(fileName), reason));
}

void CardEditor::Karteneditorbeenden1Click() {
    close();
}

void CardEditor::ZumKarteneditor1Click() {
    if (help_)
        help_(QStringLiteral("editor"));
}

void CardEditor::VKButton1Click() {
    close();
}
