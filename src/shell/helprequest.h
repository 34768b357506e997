#pragma once

#include <QString>

#include <functional>

// Asks for a help topic ("hauptue", "bedien", "optio", "editor"); windows get one of these
// instead of knowing the help viewer.
using HelpRequest = std::function<void(const QString& topic)>;
