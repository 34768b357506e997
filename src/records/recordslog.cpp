#include "recordslog.h"

Q_LOGGING_CATEGORY(lcRecords, "sorbello.records")
