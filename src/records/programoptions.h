#pragma once

#include <QtGlobal>

struct ProgramOptions {
    bool soundOn = true;
    bool redCardBack = false;
    qint32 fadeShow = 75;
    qint32 fadeHide = 75;
    qint32 fadeRemove = 75;
};
