#pragma once

#include <QLoggingCategory>

// Failures with the data files are never shown to the user; they only go here.
Q_DECLARE_LOGGING_CATEGORY(lcRecords)
