#pragma once

#include "game/turnports.h"

#include <QLoggingCategory>
#include <QWidget>

class QPlainTextEdit;
class TLabel90;

// Protocol lines of the turn flow and the network game. Debug level, off unless switched on
// (QT_LOGGING_RULES="sorbello.protocol.debug=true"), so a user never sees them.
Q_DECLARE_LOGGING_CATEGORY(lcProtocol)

// The debug protocol. Its window exists for the whole run but is never shown; the lines go to
// the logging category above instead, where a developer can read them without a window.
class TProtokoll : public QWidget, public ProtocolSink {
    Q_OBJECT
public:
    explicit TProtokoll(QWidget* parent = nullptr);

    void AddProtocolLine(const QString& text) override;

    TLabel90* Label901 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};
