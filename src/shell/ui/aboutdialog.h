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
    void reloadContent();

    CaptionBand* captionBand = nullptr;
    TexturePanel* panel = nullptr;
    QLabel* programLogo = nullptr; // the program's logo
    QLabel* makerLine = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* dateLabel = nullptr;
    QLabel* soundVersionLabel = nullptr;
    QLabel* networkVersionLabel = nullptr;
    QLabel* fadeVersionLabel = nullptr;
    TexturePanel* sheetFrame = nullptr; // the framed square
    QLabel* sheetLabel = nullptr;       // the current sheet
    QLabel* sheetCaption = nullptr;
    QLabel* makerCaption = nullptr;
    QLabel* makerLogo = nullptr; // the maker's logo
    QLabel* moreGamesLabel = nullptr;
    LinkLabel* homepageLink = nullptr;
    PushButton* okayButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLeftColumn();
    void buildRightColumn();

    QImage& currentSheet_;
    std::function<QString()> pictureSource_;
    const QImage& squareTexture_;
};
