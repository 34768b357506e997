#include "highscorewindow.h"

#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"
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
    setObjectName(QStringLiteral("highScoreWindow"));
    setWindowTitle(tr("Die Besten..."));
    setFixedSize(kClientWidth, kClientHeight);

    captionBand = new CaptionBand(this);
    captionBand->setObjectName(QStringLiteral("captionBand"));
    captionBand->setCaption(tr(" Highscore"));
    // The font size is the band's width.
    QFont bandFont = captionBand->font();
    bandFont.setPointSize(kBandWidth);
    captionBand->setFont(bandFont);
    captionBand->setGradient(false);
    captionBand->setGeometry(0, 0, kBandWidth, kClientHeight);

    const int restWidth = kClientWidth - kBandWidth;
    tableView = new HighScoreView(records_.highScores(), this);
    tableView->setGeometry(kBandWidth, 0, restWidth, kClientHeight - kStripHeight);
    tableView->setAccessibleName(captionBand->caption().trimmed());

    buttonPanel = new TexturePanel(this);
    buttonPanel->setGeometry(kBandWidth, kClientHeight - kStripHeight, restWidth, kStripHeight);
    buttonPanel->setTexture(panelTexture);

    okayButton = new PushButton(buttonPanel);
    okayButton->setObjectName(QStringLiteral("okayButton"));
    okayButton->setCaption(tr("Okay"));
    okayButton->setFont(arialFontOfPixelSize(12));
    okayButton->setFaceColour(QColor(0, 255, 0));
    okayButton->setDefault(true);
    okayButton->setCancel(true);
    okayButton->setGeometry(restWidth - 128, 6, 120, 22);
    connect(okayButton, &PushButton::clicked, this, &QDialog::accept);

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
    drawTable();
}

// Drawn afresh at every showing: the table changes with every game of two or more.
void HighScoreWindow::drawTable() {
    image_ = QImage(tableView->size(), QImage::Format_RGB32);
    drawHighScoreTable(image_, records_.highScores());
    tableView->showImage(image_);
}
