#include "optionsdialog.h"

#include "board/cardfaces.h"
#include "controls/ui/captionband.h"
#include "controls/ui/centring.h"
#include "controls/ui/dialogframe.h"
#include "controls/ui/lamp.h"
#include "controls/ui/pushbutton.h"
#include "controls/ui/spinfield.h"
#include "controls/ui/texturepanel.h"
#include "painting/fonts.h"
#include "records/programoptions.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kClientWidth = 414;
constexpr int kClientHeight = 290;
constexpr int kSectionWidth = 374;

QFrame* section(QWidget* parent, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

QToolButton* backButton(QWidget* parent, const QString& text, CardBackStyle style, QRect geometry) {
    QImage back = makeCardImage();
    buildCardBack(back, style);
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(QIcon(QPixmap::fromImage(back)));
    button->setIconSize(back.size());
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCheckable(true);
    button->setFont(arialFontOfPixelSize(13));
    button->setGeometry(geometry);
    // The button that is down must be plain to see on the texture.
    button->setStyleSheet(QStringLiteral(
        "QToolButton { background-color: #d8d8d8; border: 2px outset #a0a0a0; padding: 2px 6px; }"
        "QToolButton:hover:!checked { background-color: #e8e8e8; }"
        "QToolButton:checked { background-color: #fff4a0; border: 2px inset #808080; font-weight: bold; }"));
    return button;
}

PushButton* pushButton(QWidget* parent, const QString& name, const QString& caption, const QColor& colour,
                       QRect geometry) {
    auto* button = new PushButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setFont(arialFontOfPixelSize(12));
    button->setFaceColour(colour);
    button->setGeometry(geometry);
    return button;
}

void takeSteps(const SpinField& field, qint32& count) {
    // A typed count beyond what the field offers still counts, up to the most a fade takes.
    if (const int value = field.value(); isUsableFadeSteps(value))
        count = value;
}

} // namespace

OptionsDialog::OptionsDialog(ProgramOptions& options, const QImage& panelTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), options_(options) {
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(tr("Optionen einstellen"));
    setFixedSize(kClientWidth, kClientHeight);

    const DialogFrame frame = buildDialogFrame(*this, tr(" Optionen"), panelTexture);
    captionBand = frame.band;
    panel = frame.panel;

    buildSoundSection(panel);
    buildBackSection(panel);
    buildStepsSection(panel);
    buildButtons(panel);
}

void OptionsDialog::buildSoundSection(QWidget* panel) {
    QFrame* frame = section(panel, {8, 8, kSectionWidth, 33});
    soundLamp = new Lamp(frame);
    soundLamp->setObjectName(QStringLiteral("soundLamp"));
    soundLamp->setLitColour(Lamp::Green);
    soundLamp->setFont(arialFontOfPixelSize(13));
    soundLamp->setGeometry(10, 8, 17, 17);
    soundLamp->setCaption(tr("Sounds abspielen"));
}

void OptionsDialog::buildBackSection(QWidget* panel) {
    QFrame* frame = section(panel, {8, 49, kSectionWidth, 82});
    makeLabel(frame, tr("Erscheinungsbild für Kartenrücken:"), {10, 5, 300, 18},
              arialFontOfPixelSize(13, true));
    classicBackButton = backButton(frame, tr("Classic Grau"), CardBackStyle::ClassicGrey, {10, 26, 173, 48});
    classicBackButton->setObjectName(QStringLiteral("classicBackButton"));
    redBackButton = backButton(frame, tr("Rotverlauf"), CardBackStyle::RedGradient, {191, 26, 173, 48});
    redBackButton->setObjectName(QStringLiteral("redBackButton"));
    // Exactly one is down: pressing the one that is down leaves it down.
    backGroup_ = new QButtonGroup(this);
    backGroup_->setExclusive(true);
    backGroup_->addButton(classicBackButton);
    backGroup_->addButton(redBackButton);
    classicBackButton->setChecked(true);
}

void OptionsDialog::buildStepsSection(QWidget* panel) {
    QFrame* frame = section(panel, {8, 139, kSectionWidth, 106});
    const QFont text = arialFontOfPixelSize(12);
    const QStringList lines{tr("Stellen Sie hier die Anzahl der Schritte für den"),
                            tr("Spezialeffekt (Überblenden) ein."),
                            tr("Je mehr Schritte, desto mehr Zeit wird in Anspruch genommen")};
    for (int i = 0; i < lines.size(); ++i)
        makeLabel(frame, lines[i], {10, 5 + 14 * i, 354, 14}, text);

    const auto field = [&](int column, const QString& name, const QString& caption) {
        const int x = 10 + 120 * column;
        QLabel* label =
            makeLabel(frame, caption, {x, 54, 114, 16}, arialFontOfPixelSize(13, true), Qt::AlignCenter);
        auto* spin = new SpinField(kFewestFadeSteps, kMostOfferedFadeSteps, frame);
        spin->setObjectName(name);
        spin->setFont(arialFontOfPixelSize(13));
        spin->setGeometry(x + 22, 72, 70, 24);
        label->setBuddy(spin); // the field's name
        return spin;
    };
    stepsShow = field(0, QStringLiteral("stepsShow"), tr("Aufdecken"));
    stepsHide = field(1, QStringLiteral("stepsHide"), tr("Zudecken"));
    stepsRemove = field(2, QStringLiteral("stepsRemove"), tr("Entfernen"));
}

void OptionsDialog::buildButtons(QWidget* panel) {
    okayButton =
        pushButton(panel, QStringLiteral("okayButton"), tr("Okay"), QColor(0, 255, 0), {8, 258, 120, 22});
    okayButton->setDefault(true);
    cancelButton = pushButton(panel, QStringLiteral("cancelButton"), tr("Abbruch"), QColor(255, 0, 0),
                              {135, 258, 120, 22});
    cancelButton->setCancel(true);
    helpButton = pushButton(panel, QStringLiteral("helpButton"), tr("Hilfe"), QColor(255, 255, 0),
                            {262, 258, 120, 22});
    connect(okayButton, &PushButton::clicked, this, &OptionsDialog::takeOptions);
    connect(cancelButton, &PushButton::clicked, this, &OptionsDialog::cancel);
    connect(helpButton, &PushButton::clicked, this, &OptionsDialog::showHelp);
}

void OptionsDialog::showOptions() {
    soundLamp->setChecked(options_.soundOn);
    (options_.redCardBack ? redBackButton : classicBackButton)->setChecked(true);
    stepsShow->setValue(options_.fadeShow);
    stepsHide->setValue(options_.fadeHide);
    stepsRemove->setValue(options_.fadeRemove);
    centreOnScreen(*this);
    exec();
}

void OptionsDialog::takeOptions() {
    options_.soundOn = soundLamp->isChecked();
    options_.redCardBack = !classicBackButton->isChecked();
    takeSteps(*stepsShow, options_.fadeShow);
    takeSteps(*stepsHide, options_.fadeHide);
    takeSteps(*stepsRemove, options_.fadeRemove);
    accept();
}

void OptionsDialog::cancel() {
    reject();
}

void OptionsDialog::showHelp() {
    Q_EMIT helpRequested(QStringLiteral("optio"));
}
