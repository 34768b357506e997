#pragma once

#include <QLoggingCategory>
#include <QWidget>

class QPlainTextEdit;
class CaptionBand;

// Protocol lines of the turn flow and the network game. Debug level, off unless switched on
// (QT_LOGGING_RULES="sorbello.protocol.debug=true"), so a user never sees them.
Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

// The debug protocol. Its window exists for the whole run but is never shown; the lines go to
// the logging category above instead, where a developer can read them without a window.
class ProtocolWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProtocolWindow(QWidget* parent = nullptr);

    void addProtocolLine(const QString& text);

    CaptionBand* captionBand = nullptr;
    QPlainTextEdit* textView = nullptr;
};
