#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class CaptionBand;
class LinkLabel;
class TexturePanel;
class PushButton;

// The About dialog: the program's logo and versions, the current card pictures and the maker.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `currentSheet` is the sheet the game draws its pictures from; each activation reloads it
    // from the picture source that `pictureSource` names (a file or the built-in marker).
    AboutDialog(const QImage& whiteTexture, const QImage& squareTexture, QImage& currentSheet,
                std::function<QString()> pictureSource, QWidget* parent = nullptr);

    // Fills the version lines and reloads and shows the current sheet.
    void FormActivate();

    CaptionBand* Label901 = nullptr;
    TexturePanel* Texturpanel1 = nullptr;
    QLabel* Image2 = nullptr; // the program's logo
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    TexturePanel* Texturpanel2 = nullptr; // the framed square
    QLabel* Image1 = nullptr;             // the current sheet
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image3 = nullptr; // the maker's logo
    QLabel* Label5 = nullptr;
    LinkLabel* HyperLink1 = nullptr;
    PushButton* VKButton1 = nullptr;

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
