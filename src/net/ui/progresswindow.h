#pragma once

#include <QDialog>

class QLabel;
class CaptionBand;
class TexturePanel;
class PushButton;

// The progress window of a network start: one line of text and "Abbruch". It stays on top
// and does not block; whoever waits on it learns of "Abbruch" by abortRequested().
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(const QImage& texture, QWidget* parent = nullptr);

    // Shows the window with this text, or only changes the text when it is open.
    void showProgress(const QString& text);
    // Shows a long text as it is (the debug dump) in the window made taller.
    void showLongText(const QString& text);

    QLabel* messageLabel = nullptr;
    PushButton* abortButton = nullptr;

Q_SIGNALS:
    // "Abbruch", or the window closed.
    void abortRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TexturePanel* background_ = nullptr;
};
