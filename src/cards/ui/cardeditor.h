#pragma once

#include "cards/cardeditorstate.h"
#include "editordialogs.h"
#include "shell/helprequest.h"

#include <QDialog>

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
    CardEditor(const QImage& panelTexture, HelpRequest help, EditorDialogs dialogs = standardEditorDialogs(),
               QWidget* parent = nullptr);

    const CardEditorState& state() const { return state_; }

    void SpinEdit1Change();
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp();
    // For both tool buttons: the tool is the button's tag, 1 paint or 2 pipette.
    void DownBut1Click(int tag);
    // For all five colour panels, by their tags 1..5.
    void f1Click(int tag);
    void f1DblClick(int tag);
    void VKButton2Click();
    void Kartendateiladen1Click();
    void Kartendateispeichern1Click();
    void Karteneditorbeenden1Click();
    void ZumKarteneditor1Click();
    void VKButton1Click();

    // Components, named as on the form.
    CaptionBand* Label901 = nullptr;
    TexturePanel* Texturpanel1 = nullptr;
    ToolButton* Float1 = nullptr; // "Laden"
    ToolButton* Float2 = nullptr; // "Speichern"
    ToolButton* Float3 = nullptr; // "Hilfe"
    ToolButton* Float4 = nullptr; // "Zurück"
    LatchingButton* DownBut1 = nullptr;
    LatchingButton* DownBut2 = nullptr;
    DrawingView* PaintBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    PushButton* VKButton2 = nullptr;
    QLabel* Label1 = nullptr;
    CardNumberField* SpinEdit1 = nullptr;
    ColourPanel* f1 = nullptr;
    ColourPanel* f2 = nullptr;
    ColourPanel* f3 = nullptr;
    ColourPanel* f4 = nullptr;
    ColourPanel* f5 = nullptr;
    QLabel* Label2 = nullptr;
    PushButton* VKButton1 = nullptr;

    QAction* Kartendateiladen1 = nullptr;
    QAction* Kartendateispeichern1 = nullptr;
    QAction* Karteneditorbeenden1 = nullptr;
    QAction* ZumKarteneditor1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildComponents(const QImage& panelTexture);
    void buildMenu();
    void connectCommands();
    void FormCreate();
    void FormShow();
    void showPicture();
    void showColours();
    void reportFileError(const QString& fileName, const QString& reason);

    HelpRequest help_;
    EditorDialogs dialogs_;
    CardEditorState state_;
};
