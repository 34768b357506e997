#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class TLabel90;
class THyperLink;
class TTexturpanel;
class TVKButton;

// The About dialog: the program's logo and versions, the current card pictures and the maker.
class Tinfopar : public QDialog {
    Q_OBJECT
public:
    // `currentSheet` is the sheet the game draws its pictures from; each activation reloads it
    // from the picture source that `pictureSource` names (a file or the built-in marker).
    Tinfopar(const QImage& whiteTexture, const QImage& squareTexture, QImage& currentSheet,
             std::function<QString()> pictureSource, QWidget* parent = nullptr);

    // Fills the version lines and reloads and shows the current sheet.
    void FormActivate();

    TLabel90* Label901 = nullptr;
    TTexturpanel* Texturpanel1 = nullptr;
    QLabel* Image2 = nullptr; // the program's logo
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    TTexturpanel* Texturpanel2 = nullptr; // the framed square
    QLabel* Image1 = nullptr;             // the current sheet
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image3 = nullptr; // the maker's logo
    QLabel* Label5 = nullptr;
    THyperLink* HyperLink1 = nullptr;
    TVKButton* VKButton1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLeftColumn();
    void buildRightColumn();
    void VKButton1Click();

    QImage& currentSheet_;
    std::function<QString()> pictureSource_;
    const QImage& squareTexture_;
};
