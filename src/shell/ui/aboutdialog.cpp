#include "aboutdialog.h"

#include "app/programidentity.h"
#include "board/fadeengine.h"
#include "board/fonts.h"
#include "cards/cardsheet.h"
#include "cards/ui/sheetloading.h"
#include "controls/ui/captionband.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/linklabel.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/texturepanel.h"
#include "net/networklink.h"
#include "shell/shellenvironment.h"
#include "sound/soundoutput.h"

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
    setObjectName(QStringLiteral("infopar"));
    setWindowTitle(QStringLiteral("Info über Sorbello...."));
    setFixedSize(kClientWidth, kClientHeight);

    const DialogFrame frame = buildDialogFrame(*this, QStringLiteral(" Über Kolibri8"), whiteTexture);
    Label901 = frame.band;
    Texturpanel1 = frame.panel;

    Image2 = pictureLabel(Texturpanel1, QStringLiteral(":/logos/sorbello.png"), QRect(8, 8, 456, 76));
    buildLeftColumn();
    buildRightColumn();
}

void AboutDialog::buildLeftColumn() {
    Texturpanel2 = new TexturePanel(Texturpanel1);
    Texturpanel2->setGeometry(8, 96, 330, 330);
    Texturpanel2->setTexture(squareTexture_);
    Texturpanel2->setBorder(true);
    Texturpanel2->setBorderColour(Qt::black);
    Image1 = new QLabel(Texturpanel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(5, 5, kSheetShown, kSheetShown);

    Label2 = textLabel(Texturpanel1, QStringLiteral("Die aktuellen Kartensymbole"), QPoint(8, 432), true);
    Label2->setGeometry(8, 432, 330, Label2->height());
    Label2->setAlignment(Qt::AlignHCenter);
}

void AboutDialog::buildRightColumn() {
    Label1 = textLabel(Texturpanel1, QStringLiteral("Ein Spiel von Vuko-Software"), QPoint(kRightColumn, 100),
                       true);
    Label3 = textLabel(Texturpanel1, QString(), QPoint(kRightColumn, 128));
    Label9 = textLabel(Texturpanel1, QString(), QPoint(kRightColumn, 146));
    Label11 = textLabel(Texturpanel1, QString(), QPoint(kRightColumn, 174));
    Label12 = textLabel(Texturpanel1, QString(), QPoint(kRightColumn, 192));
    Label13 = textLabel(Texturpanel1, QString(), QPoint(kRightColumn, 210));

    Label5 =
        textLabel(Texturpanel1, QStringLiteral("Weitere Spiele im Internet:"), QPoint(kRightColumn, 252));
    HyperLink1 = new LinkLabel(Texturpanel1);
    HyperLink1->setObjectName(QStringLiteral("HyperLink1"));
    HyperLink1->setUrl(QString::fromLatin1(kHomepageUrl));
    HyperLink1->setText(QUrl(QString::fromLatin1(kHomepageUrl)).host());
    HyperLink1->move(kRightColumn, 270);
    HyperLink1->adjustSize();

    Label4 = textLabel(Texturpanel1, QStringLiteral("Ein Programm von"), QPoint(470, 318));
    Image3 = pictureLabel(Texturpanel1, QStringLiteral(":/logos/vuko.png"), QRect(476, 338, 100, 61));

    VKButton1 = new PushButton(Texturpanel1);
    VKButton1->setObjectName(QStringLiteral("VKButton1"));
    VKButton1->setCaption(QStringLiteral("Okay"));
    VKButton1->setGeometry(466, 428, 120, 25);
    VKButton1->setFont(arialFontOfPixelSize(12));
    VKButton1->setFaceColour(QColor(0, 255, 0));
    VKButton1->setDefault(true);
    VKButton1->setCancel(true);
    connect(VKButton1, &PushButton::clicked, this, &AboutDialog::VKButton1Click);
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the dialog is on the screen, so that a message about an unreadable picture file
    // appears over it.
    QTimer::singleShot(0, this, &AboutDialog::FormActivate);
}

void AboutDialog::FormActivate() {
    Label3->setText(QStringLiteral("Version: ") + QString::fromLatin1(kVersionText));
    Label9->setText(QStringLiteral("Vom ") + QString::fromLatin1(kVersionDate));
    Label11->setText(QStringLiteral("Version der Sound-Engine: ") + SoundOutput::engineVersion());
    Label12->setText(QStringLiteral("Version der Netzwerk-Engine: ") + NetworkLink::engineVersion());
    Label13->setText(QStringLiteral("Version der Bild-Effekt-Engine: ") + FadeEngine::engineVersion());
    for (QLabel* line : {Label3, Label9, Label11, Label12, Label13})
        line->adjustSize();
    loadCurrentSheet(pictureSource_(), currentSheet_, this);
    Image1->setPixmap(QPixmap::fromImage(
        currentSheet_.scaled(kSheetShown, kSheetShown, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void AboutDialog::VKButton1Click() {
    accept();
}
