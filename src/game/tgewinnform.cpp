#include "tgewinnform.h"

#include "board/fonts.h"
#include "controls/centring.h"
#include "controls/tiledbackground.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* boldLabel(QWidget* parent, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setFont(arialFontOfPixelSize(16, true));
    label->setGeometry(geometry);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    return label;
}

} // namespace

Tgewinnform::Tgewinnform(const QImage& panelTexture, const QImage& boardTexture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("gewinnform"));
    setWindowTitle(QStringLiteral("Dieses Spiel ist beendet"));
    setFixedSize(391, 208);
    tileBackground(*this, panelTexture);

    Label1 = boldLabel(this, QStringLiteral("Herzlichen Glückwunsch,"), QRect(88, 24, 202, 20));

    auto* texturpanel2 = new QFrame(this);
    texturpanel2->setGeometry(8, 48, 369, 57);
    tileBackground(*texturpanel2, boardTexture);
    texturpanel2->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette border = texturpanel2->palette();
    border.setColor(QPalette::WindowText, Qt::black);
    texturpanel2->setPalette(border);

    Panel1 = new QLabel(texturpanel2);
    Panel1->setGeometry(8, 8, 353, 41);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFont(arialFontOfPixelSize(24));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette lime = Panel1->palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(lime);

    Label2 = boldLabel(this, QStringLiteral("Sie haben das Spiel gewonnen!"), QRect(74, 120, 253, 20));

    VKButton1 = new QPushButton(QStringLiteral("Sehr schön!"), this);
    VKButton1->setGeometry(136, 179, 120, 22);
    VKButton1->setFont(arialFontOfPixelSize(12));
    VKButton1->setDefault(true);
    VKButton1->setStyleSheet(QStringLiteral("QPushButton { background: rgb(0,255,0); color: black; "
                                            "border: 1px solid black; }"));
    connect(VKButton1, &QPushButton::clicked, this, &Tgewinnform::VKButton1Click);
}

void Tgewinnform::showResult(const EndDialogText& text) {
    Label1->setText(text.label1);
    Panel1->setText(text.panel1);
    Label2->setText(text.label2);
    centreOnScreen(*this);
    exec(); // Escape rejects, which closes it just the same
}

void Tgewinnform::VKButton1Click() {
    accept();
}
