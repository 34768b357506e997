#pragma once

#include "game/turnports.h"

#include <QDialog>

class QLabel;
class PushButton;

// The end dialog: announces the winner or the draw.
class EndDialog : public QDialog {
    Q_OBJECT
public:
    EndDialog(const QImage& panelTexture, const QImage& boardTexture, QWidget* parent = nullptr);

    // Shows the texts, centred on the screen, and returns when the player has closed it.
    void showResult(const EndDialogText& text);

    QLabel* Label1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    PushButton* VKButton1 = nullptr;

private:
    void VKButton1Click();
};
