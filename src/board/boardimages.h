#pragma once

#include <QImage>

// The pictures the board is drawn from, owned by the main window for the whole run.
// All of them are QImage::Format_RGB32, except the sheet, which keeps the format of its file
// (the built-in one is 8-bit with a palette).
struct BoardImages {
    QImage board;    // what the board view shows; sized to the view
    QImage cardBack; // 40 x 40, shared by every face-down card
    QImage texture;  // the 49 x 49 tile of the board background
    QImage sheet;    // the current card-picture sheet; picture faces are cut from it
    QImage status;   // what the status view shows, 377 x 33
};
