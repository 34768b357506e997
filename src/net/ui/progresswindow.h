#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class CaptionBand;
class TexturePanel;
class PushButton;

// The progress window of a network start: one line of text and "Abbruch". It stays on top
// and does not block; whoever waits on it looks at `aborted`.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    ProgressWindow(const QImage& texture, QWidget* parent = nullptr);

    // Shows the window with this text, or only changes the text when it is open; clears the
    // abort mark.
    void showProgress(const QString& text);

    // Called when the user aborts, so that waits can look at the mark at once.
    void setOnAbort(std::function<void()> onAbort) { onAbort_ = std::move(onAbort); }

    bool aborted = false;
    QLabel* messageLabel = nullptr;
    PushButton* abortButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void abort();

    TexturePanel* background_ = nullptr;
    std::function<void()> onAbort_;
};
