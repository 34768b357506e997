#pragma once

#include <QString>

#include <functional>

// Help topic keys, which are also the names of the help pages.
inline const QString kInstructionsTopic = QStringLiteral("hauptue");
inline const QString kNewGameTopic = QStringLiteral("bedien");
inline const QString kOptionsTopic = QStringLiteral("optio");
inline const QString kEditorTopic = QStringLiteral("editor");

// Asks for a help topic; windows get one of these instead of knowing the help viewer.
using HelpRequest = std::function<void(const QString& topic)>;
