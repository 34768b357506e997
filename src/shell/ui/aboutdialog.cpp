#include "aboutdialog.h"

#include "board/fadeengine.h"
#include "cards/cardsheet.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/captionband.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/linklabel.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "net/networklink.h"
#include "painting/fonts.h"
#include "shell/programidentity.h"
#include "shell/shellenvironment.h"
#include "shell/uilanguage.h"
#include "sound/soundoutput.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kClientWidth = 631;
constexpr int kClientHeight = 469;
constexpr int kRightColumn = 356; // inside the white panel
constexpr int kSheetShown = 320;

QLabel* textLabel(QWidget* parent, const QString& text, QPoint at, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setFont(arialFontOfPixelSize(13, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

// The version's date in the format of the program's language.
QString shownVersionDate() {
    const QString format = QStringLiteral("d.M.yyyy");
    const QDate date = QDate::fromString(QString::fromLatin1(kVersionDate), format);
    return date.toString(QCoreApplication::translate("AboutDialog", "d.M.yyyy", "date format"));
}

QLabel* pictureLabel(QWidget* parent, const QString& resource, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(resource));
    label->setGeometry(geometry);
    return label;
}

} // namespace

AboutDialog::AboutDialog(const QImage& whiteTexture, const QImage& squareTexture, QImage& currentSheet,
                         std::function<QString()> pictureSource, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      currentSheet_(currentSheet), pictureSource_(std::move(pictureSource)), squareTexture_(squareTexture) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("Info über Sorbello...."));
    setFixedSize(kClientWidth, kClientHeight);

    const DialogFrame frame = buildDialogFrame(*this, tr(" Über Kolibri8"), whiteTexture);
    captionBand = frame.band;
    panel = frame.panel;

    programLogo =
        pictureLabel(panel, localisedResource(QStringLiteral(":/logos/sorbello.png")), QRect(8, 8, 456, 76));
    buildLeftColumn();
    buildRightColumn();
}

void AboutDialog::buildLeftColumn() {
    sheetFrame = new TexturePanel(panel);
    sheetFrame->setGeometry(8, 96, 330, 330);
    sheetFrame->setTexture(squareTexture_);
    sheetFrame->setBorder(true);
    sheetFrame->setBorderColour(Qt::black);
    sheetLabel = new QLabel(sheetFrame);
    sheetLabel->setObjectName(QStringLiteral("sheetLabel"));
    sheetLabel->setGeometry(5, 5, kSheetShown, kSheetShown);

    sheetCaption = textLabel(panel, tr("Die aktuellen Kartensymbole"), QPoint(8, 432), true);
    sheetCaption->setGeometry(8, 432, 330, sheetCaption->height());
    sheetCaption->setAlignment(Qt::AlignHCenter);
}

void AboutDialog::buildRightColumn() {
    makerLine = textLabel(panel, tr("Ein Spiel von Vuko-Software"), QPoint(kRightColumn, 100), true);
    versionLabel = textLabel(panel, QString(), QPoint(kRightColumn, 128));
    dateLabel = textLabel(panel, QString(), QPoint(kRightColumn, 146));
    soundVersionLabel = textLabel(panel, QString(), QPoint(kRightColumn, 174));
    networkVersionLabel = textLabel(panel, QString(), QPoint(kRightColumn, 192));
    fadeVersionLabel = textLabel(panel, QString(), QPoint(kRightColumn, 210));

    moreGamesLabel = textLabel(panel, tr("Weitere Spiele im Internet:"), QPoint(kRightColumn, 252));
    homepageLink = new LinkLabel(panel);
    homepageLink->setObjectName(QStringLiteral("homepageLink"));
    homepageLink->setUrl(QString::fromLatin1(kHomepageUrl));
    homepageLink->setText(QUrl(QString::fromLatin1(kHomepageUrl)).host());
    homepageLink->move(kRightColumn, 270);
    homepageLink->adjustSize();

    makerCaption = textLabel(panel, tr("Ein Programm von"), QPoint(470, 318));
    makerLogo = pictureLabel(panel, QStringLiteral(":/logos/vuko.png"), QRect(476, 338, 100, 61));

    okayButton = new PushButton(panel);
    okayButton->setObjectName(QStringLiteral("okayButton"));
    okayButton->setCaption(tr("Okay"));
    okayButton->setGeometry(466, 428, 120, 25);
    okayButton->setFont(arialFontOfPixelSize(12));
    okayButton->setFaceColour(QColor(0, 255, 0));
    okayButton->setDefault(true);
    okayButton->setCancel(true);
    connect(okayButton, &PushButton::clicked, this, &QDialog::accept);
    // The dialog opens with the focus on "Okay", not on the link made before it.
    okayButton->setFocus();
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the dialog is on the screen, so that a message about an unreadable picture file
    // appears over it.
    QTimer::singleShot(0, this, &AboutDialog::reloadContent);
}

void AboutDialog::reloadContent() {
    versionLabel->setText(tr("Version: ") + QString::fromLatin1(kVersionText));
    dateLabel->setText(tr("Vom %1").arg(shownVersionDate()));
    soundVersionLabel->setText(tr("Version der Sound-Engine: ") + SoundOutput::engineVersion());
    networkVersionLabel->setText(tr("Version der Netzwerk-Engine: ") + NetworkLink::engineVersion());
    fadeVersionLabel->setText(tr("Version der Bild-Effekt-Engine: ") + FadeEngine::engineVersion());
    for (QLabel* line : {versionLabel, dateLabel, soundVersionLabel, networkVersionLabel, fadeVersionLabel})
        line->adjustSize();
    loadCurrentSheet(pictureSource_(), currentSheet_, this);
    sheetLabel->setPixmap(QPixmap::fromImage(
        currentSheet_.scaled(kSheetShown, kSheetShown, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}
