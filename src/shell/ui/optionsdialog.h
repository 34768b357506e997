#pragma once

#include "shell/helprequest.h"

#include <QDialog>
#include <QImage>

class QButtonGroup;
class QToolButton;
class SpinField;
class TBool;
class TLabel90;
class TTexturpanel;
class TVKButton;
struct TProgramOptions;

// "Optionen einstellen": sounds, the card back and the step counts of the three fades. It
// edits the program's options directly, and only on "Okay".
class TformOption : public QDialog {
    Q_OBJECT
public:
    TformOption(TProgramOptions& options, const QImage& panelTexture, HelpRequest help,
                QWidget* parent = nullptr);

    // Loads the controls from the options, centres the dialog on the screen and shows it
    // modally; returns when a button has closed it.
    void Open();

    void VKButton1Click(); // "Okay"
    void VKButton2Click(); // "Abbruch"
    void VKButton3Click(); // "Hilfe"

    TLabel90* Label901 = nullptr;
    TTexturpanel* Texturpanel1 = nullptr;
    TBool* SpieleSoundsAb = nullptr;
    QToolButton* krClassic = nullptr;
    QToolButton* krRotverlauf = nullptr;
    SpinField* stepsShow = nullptr;
    SpinField* stepsHide = nullptr;
    SpinField* stepsRemove = nullptr;
    TVKButton* VKButton1 = nullptr;
    TVKButton* VKButton2 = nullptr;
    TVKButton* VKButton3 = nullptr;

private:
    void buildSoundSection(QWidget* panel);
    void buildBackSection(QWidget* panel);
    void buildStepsSection(QWidget* panel);
    void buildButtons(QWidget* panel);

    TProgramOptions& options_;
    HelpRequest help_;
    QButtonGroup* backGroup_ = nullptr;
};
