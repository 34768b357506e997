#pragma once

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
    OptionsDialog(ProgramOptions& options, const QImage& panelTexture, QWidget* parent = nullptr);

    // Loads the controls from the options, centres the dialog on the screen and shows it
    // modally; returns when a button has closed it.
    void showOptions();

    void takeOptions(); // "Okay"
    void cancel();      // "Abbruch"
    void showHelp();    // "Hilfe"

    CaptionBand* captionBand = nullptr;
    TexturePanel* panel = nullptr;
    Lamp* soundLamp = nullptr;
    QToolButton* classicBackButton = nullptr;
    QToolButton* redBackButton = nullptr;
    SpinField* stepsShow = nullptr;
    SpinField* stepsHide = nullptr;
    SpinField* stepsRemove = nullptr;
    PushButton* okayButton = nullptr;
    PushButton* cancelButton = nullptr;
    PushButton* helpButton = nullptr;

Q_SIGNALS:
    // "Hilfe": the help page of the options.
    void helpRequested(const QString& topic);

private:
    void buildSoundSection(QWidget* panel);
    void buildBackSection(QWidget* panel);
    void buildStepsSection(QWidget* panel);
    void buildButtons(QWidget* panel);

    ProgramOptions& options_;
    QButtonGroup* backGroup_ = nullptr;
};
