#pragma once

#include "shell/helprequest.h"

#include <QDialog>
#include <QImage>

class QButtonGroup;
class QToolButton;
class SpinField;
class Lamp;
class CaptionBand;
class TexturePanel;
class PushButton;
struct ProgramOptions;

// "Optionen einstellen": sounds, the card back and the step counts of the three fades. It
// edits the program's options directly, and only on "Okay".
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(ProgramOptions& options, const QImage& panelTexture, HelpRequest help,
                  QWidget* parent = nullptr);

    // Loads the controls from the options, centres the dialog on the screen and shows it
    // modally; returns when a button has closed it.
    void Open();

    void VKButton1Click(); // "Okay"
    void VKButton2Click(); // "Abbruch"
    void VKButton3Click(); // "Hilfe"

    CaptionBand* Label901 = nullptr;
    TexturePanel* Texturpanel1 = nullptr;
    Lamp* SpieleSoundsAb = nullptr;
    QToolButton* krClassic = nullptr;
    QToolButton* krRotverlauf = nullptr;
    SpinField* stepsShow = nullptr;
    SpinField* stepsHide = nullptr;
    SpinField* stepsRemove = nullptr;
    PushButton* VKButton1 = nullptr;
    PushButton* VKButton2 = nullptr;
    PushButton* VKButton3 = nullptr;

private:
    void buildSoundSection(QWidget* panel);
    void buildBackSection(QWidget* panel);
    void buildStepsSection(QWidget* panel);
    void buildButtons(QWidget* panel);

    ProgramOptions& options_;
    HelpRequest help_;
    QButtonGroup* backGroup_ = nullptr;
};
