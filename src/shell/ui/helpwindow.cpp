#include "helpwindow.h"

#include "controls/ui/centring.h"
#include "shell/uilanguage.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString helpStyleSheet() {
    QFile file(QStringLiteral(":/help/hilfe.css"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

QUrl helpTopicUrl(const QString& key) {
    // Keys are plain words; anything else could reach files that are no help pages.
    for (QChar c : key)
        if (!c.isLetter())
            return {};
    const QString page = localisedResource(QStringLiteral(":/help/%1.html").arg(key));
    if (key.isEmpty() || !QFile::exists(page))
        return {};
    return QUrl(QStringLiteral("qrc") + page);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Sorbello-Hilfe"));
    resize(660, 560);

    browser_ = new QTextBrowser(this);
    browser_->document()->setDefaultStyleSheet(helpStyleSheet());
    browser_->setOpenExternalLinks(true);
    contents_ = new QPushButton(tr("&Inhalt"), this);
    back_ = new QPushButton(tr("&Zurück"), this);
    forward_ = new QPushButton(tr("&Vorwärts"), this);
    close_ = new QPushButton(tr("&Schließen"), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contents_, &QPushButton::clicked, this,
            [this] { browser_->setSource(helpTopicUrl(kInstructionsTopic)); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    // Like every dialog of the game, the help goes away with Escape.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
}

void HelpWindow::showTopic(const QString& key) {
    const QUrl page = helpTopicUrl(key);
    if (page.isEmpty())
        showMissingTopic(key);
    else
        browser_->setSource(page);
    showInFront();
}

void HelpWindow::showMissingTopic(const QString& key) {
    browser_->setHtml(tr("<h1>Hilfe</h1><p>Zum Thema „%1“ gibt es keine Hilfeseite.</p>"
                         "<p><a href=\"%2\">Zur Spielanleitung</a></p>")
                          .arg(key.toHtmlEscaped(), helpTopicUrl(kInstructionsTopic).toString()));
}

void HelpWindow::showInFront() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != this) {
        const Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
        // Modality can only change while the window is hidden.
        if (wanted != windowModality()) {
            hide();
            setWindowModality(wanted);
        }
    }
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
    show();
    raise();
    activateWindow();
}
