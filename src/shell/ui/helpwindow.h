#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The game instructions, the help's first page.
inline const QString kInstructionsTopic = QStringLiteral("hauptue");

// The page of a help topic key ("hauptue", "bedien", "optio", "editor"); empty for a key
// that has no page.
QUrl helpTopicUrl(const QString& key);

// The help viewer: the German help pages, with links between them, contents, back and forward.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the topic's page in front. Asked from inside a modal dialog, the viewer becomes
    // modal itself, since the dialog would otherwise block it.
    void showTopic(const QString& key);

    QTextBrowser* browser() const { return browser_; }

private:
    void showMissingTopic(const QString& key);
    void showInFront();

    QTextBrowser* browser_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* close_ = nullptr;
    bool placed_ = false;
};
