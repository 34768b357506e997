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

CardEditor::CardEditor(const QImage& panelTexture, EditorDialogs dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("cardEditor"));
    setWindowTitle(tr("Karteneditor"));
    buildComponents(panelTexture);
    buildMenu();
    // Sized now, so that it can be centred before it is first shown.
    layout()->activate();
    connectCommands();
    showColours();
    showPicture();
}

void CardEditor::connectCommands() {
    connect(loadAction, &QAction::triggered, this, &CardEditor::loadSheet);
    connect(saveAction, &QAction::triggered, this, &CardEditor::saveSheet);
    connect(closeAction, &QAction::triggered, this, &CardEditor::closeEditor);
    connect(helpAction, &QAction::triggered, this, &CardEditor::showHelp);
    connect(loadButton, &ToolButton::clicked, this, &CardEditor::loadSheet);
    connect(saveButton, &ToolButton::clicked, this, &CardEditor::saveSheet);
    connect(helpButton, &ToolButton::clicked, this, &CardEditor::showHelp);
    connect(backButton, &ToolButton::clicked, this, &CardEditor::closeEditor);
    connect(pencilButton, &LatchingButton::clicked, this, [this] { selectTool(1); });
    connect(pipetteButton, &LatchingButton::clicked, this, [this] { selectTool(2); });
    connect(zoomView, &ImageView::mousePressed, this, &CardEditor::onZoomPressed);
    connect(zoomView, &DrawingView::mouseMoved, this, &CardEditor::onZoomMoved);
    connect(zoomView, &DrawingView::mouseReleased, this, &CardEditor::onZoomReleased);
    connect(cardNumberField, &QSpinBox::textChanged, this, &CardEditor::onCardNumberChanged);
    for (ColourPanel* colourPanel : colourPanels) {
        connect(colourPanel, &ColourPanel::clicked, this, &CardEditor::selectColourSlot);
        connect(colourPanel, &ColourPanel::doubleClicked, this, &CardEditor::chooseSlotColour);
    }
    connect(replaceButton, &PushButton::clicked, this, &CardEditor::replacePicture);
    connect(closeButton, &PushButton::clicked, this, &CardEditor::closeEditor);
}

void CardEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    onCardNumberChanged();
}

void CardEditor::showPicture() {
    previewLabel->setPixmap(QPixmap::fromImage(state_.preview()));
    zoomView->showImage(state_.zoomView());
}

void CardEditor::showColours() {
    for (ColourPanel* colourPanel : colourPanels) {
        colourPanel->setColour(state_.slotColour(colourPanel->tag()));
        colourPanel->setBevelWidth(colourPanel->tag() == state_.currentSlot() ? 2 : 1);
    }
}

void CardEditor::onCardNumberChanged() {
    // A number outside 1..64 may stand in the field while it is typed; the picture shown
    // stays the last one in range until the field corrects the number.
    if (state_.selectCard(cardNumberField->typedNumber()))
        showPicture();
}

void CardEditor::onZoomPressed(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton)
        return;
    state_.press({x, y});
    showPicture();
    showColours();
}

void CardEditor::onZoomMoved(int x, int y) {
    if (state_.move({x, y}))
        showPicture();
}

void CardEditor::onZoomReleased() {
    state_.release();
}

void CardEditor::selectTool(int tag) {
    state_.setTool(tag == 2 ? EditorTool::Pipette : EditorTool::Paint);
}

void CardEditor::selectColourSlot(int tag) {
    state_.selectSlot(tag);
    showColours();
}

void CardEditor::chooseSlotColour(int tag) {
    if (const std::optional<QColor> chosen = dialogs_.chooseColour(this, state_.slotColour(tag))) {
        state_.setSlotColour(tag, *chosen);
        showColours();
    }
}

void CardEditor::replacePicture() {
    const QString title = tr("Bild Nr. %1 laden").arg(state_.cardNumber());
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

void CardEditor::loadSheet() {
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

void CardEditor::saveSheet() {
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

void CardEditor::closeEditor() {
    close();
}

void CardEditor::showHelp() {
    Q_EMIT helpRequested(QStringLiteral("editor"));
}
