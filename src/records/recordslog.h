#pragma once

#include <QLoggingCategory>

// Failures with the data files go here; the user hears only of results that could not be written.
Q_DECLARE_LOGGING_CATEGORY(lcRecords)
