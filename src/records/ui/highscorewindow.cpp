#include "highscorewindow.h"

#include "board/fonts.h"
#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/imageview.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "records/gamerecords.h"
#include "records/highscoredrawing.h"

namespace {

constexpr int kClientWidth = 612;
constexpr int kClientHeight = 395;
constexpr int kBandWidth = 23;
constexpr int kStripHeight = 34;

} // namespace

HighScoreWindow::HighScoreWindow(GameRecords& records, const QImage& panelTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), records_(records) {
    setObjectName(QStringLiteral("FormHighScore"));
    setWindowTitle(QStringLiteral("Die Besten..."));
    setFixedSize(kClientWidth, kClientHeight);

    Label901 = new CaptionBand(this);
    Label901->setObjectName(QStringLiteral("Label901"));
    Label901->setCaption(QStringLiteral(" Highscore"));
    // The font size is the band's width.
    QFont bandFont = Label901->font();
    bandFont.setPointSize(kBandWidth);
    Label901->setFont(bandFont);
    Label901->setGradient(false);
    Label901->setGeometry(0, 0, kBandWidth, kClientHeight);

    const int restWidth = kClientWidth - kBandWidth;
    PaintBox1 = new ImageView(this);
    PaintBox1->setGeometry(kBandWidth, 0, restWidth, kClientHeight - kStripHeight);

    Texturpanel1 = new TexturePanel(this);
    Texturpanel1->setGeometry(kBandWidth, kClientHeight - kStripHeight, restWidth, kStripHeight);
    Texturpanel1->setTexture(panelTexture);

    VKButton1 = new PushButton(Texturpanel1);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Okay"));
    VKButton1->setFont(arialFontOfPixelSize(12));
    VKButton1->setFaceColour(QColor(0, 255, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    VKButton1->setGeometry(restWidth - 128, 6, 120, 22);
    connect(VKButton1, &PushButton::clicked, this, &HighScoreWindow::VKButton1Click);

    records_.loadHighScores();
}

HighScoreWindow::~HighScoreWindow() {
    records_.saveHighScores();
}

void HighScoreWindow::showTable() {
    centreOnScreen(*this);
    exec();
}

void HighScoreWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

// Drawn afresh at every showing: the table changes with every game of two or more.
void HighScoreWindow::FormShow() {
    image_ = QImage(PaintBox1->size(), QImage::Format_RGB32);
    drawHighScoreTable(image_, records_.highScores());
    PaintBox1->showImage(image_);
}

void HighScoreWindow::VKButton1Click() {
    accept();
}
