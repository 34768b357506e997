#pragma once

#include "cards/cardeditorstate.h"
#include "editordialogs.h"

#include <QDialog>

#include <array>

class CardNumberField;
class ColourPanel;
class DrawingView;
class QAction;
class QFrame;
class QLabel;
class LatchingButton;
class ToolButton;
class CaptionBand;
class TexturePanel;
class PushButton;

// The card editor: paints the pictures of a card-picture sheet pixel by pixel, fills them
// from bitmap files, and loads and saves whole sheets. It is created once and keeps its work
// between openings; the rules live in CardEditorState, the window only turns input into
// calls and shows the pictures.
class CardEditor : public QDialog {
    Q_OBJECT
public:
    explicit CardEditor(const QImage& panelTexture, EditorDialogs dialogs = standardEditorDialogs(),
                        QWidget* parent = nullptr);

    const CardEditorState& state() const { return state_; }

    void onCardNumberChanged();
    void onZoomPressed(Qt::MouseButton button, int x, int y);
    void onZoomMoved(int x, int y);
    void onZoomReleased();
    // For both tool buttons: the tool is the button's tag, 1 paint or 2 pipette.
    void selectTool(int tag);
    // For all five colour panels, by their tags 1..5.
    void selectColourSlot(int tag);
    void chooseSlotColour(int tag);
    void replacePicture();
    void loadSheet();
    void saveSheet();
    void closeEditor();
    void showHelp();

    // The controls, the drawing and the menu commands.
    CaptionBand* captionBand = nullptr;
    TexturePanel* panel = nullptr;
    ToolButton* loadButton = nullptr; // "Laden"
    ToolButton* saveButton = nullptr; // "Speichern"
    ToolButton* helpButton = nullptr; // "Hilfe"
    ToolButton* backButton = nullptr; // "Zurück"
    LatchingButton* pencilButton = nullptr;
    LatchingButton* pipetteButton = nullptr;
    DrawingView* zoomView = nullptr;
    QFrame* previewFrame = nullptr;
    QLabel* previewLabel = nullptr;
    PushButton* replaceButton = nullptr;
    QLabel* cardNumberCaption = nullptr;
    CardNumberField* cardNumberField = nullptr;
    // The five colour slots; panel i has the tag i + 1.
    std::array<ColourPanel*, CardEditorState::kSlotCount> colourPanels{};
    QLabel* coloursCaption = nullptr;
    PushButton* closeButton = nullptr;

    QAction* loadAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* closeAction = nullptr;
    QAction* helpAction = nullptr;

Q_SIGNALS:
    // "Hilfe": the help page of the editor.
    void helpRequested(const QString& topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildComponents(const QImage& panelTexture);
    void buildMenu();
    void connectCommands();
    void showPicture();
    void showColours();
    void reportFileError(const QString& fileName, const QString& reason);

    EditorDialogs dialogs_;
    CardEditorState state_;
};
