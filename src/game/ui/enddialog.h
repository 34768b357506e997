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

    // Shows the texts, centred on the screen, as modal as exec() would but without a loop of
    // its own: finished() tells when the player has closed it.
    void showResult(const EndDialogText& text);

    QLabel* headlineLabel = nullptr;
    QLabel* highlightLabel = nullptr;
    QLabel* closingLabel = nullptr;
    PushButton* closeButton = nullptr;
};
