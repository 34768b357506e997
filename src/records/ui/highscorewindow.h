#pragma once

#include <QDialog>
#include <QImage>

class GameRecords;
class PaintBox;
class TLabel90;
class TTexturpanel;
class TVKButton;

// "Die Besten...": the 30 best results of all time in two columns. The window is the
// table's keeper for the run: it loads the table when it is created and writes it back when
// it is destroyed at program end.
class TFormHighScore : public QDialog {
    Q_OBJECT
public:
    TFormHighScore(GameRecords& records, const QImage& panelTexture, QWidget* parent = nullptr);
    ~TFormHighScore() override;

    // Centred on the screen, modal; returns when the window has been closed.
    void showTable();

    TLabel90* Label901 = nullptr;
    PaintBox* PaintBox1 = nullptr;
    TTexturpanel* Texturpanel1 = nullptr;
    TVKButton* VKButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void VKButton1Click();

    GameRecords& records_;
    QImage image_;
};
