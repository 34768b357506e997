#pragma once

#include "highscoreview.h"

#include <QDialog>
#include <QImage>

class GameRecords;
class CaptionBand;
class TexturePanel;
class PushButton;

// "Die Besten...": the 30 best results of all time in two columns. The window is the
// table's keeper for the run: it loads the table when it is created and writes it back when
// it is destroyed at program end.
class HighScoreWindow : public QDialog {
    Q_OBJECT
public:
    HighScoreWindow(GameRecords& records, const QImage& panelTexture, QWidget* parent = nullptr);
    ~HighScoreWindow() override;

    // Centred on the screen, modal; returns when the window has been closed.
    void showTable();

    CaptionBand* captionBand = nullptr;
    HighScoreView* tableView = nullptr;
    TexturePanel* buttonPanel = nullptr;
    PushButton* okayButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void drawTable();

    GameRecords& records_;
    QImage image_;
};
