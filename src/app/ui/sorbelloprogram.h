#pragma once

#include "app/appenvironment.h"

#include <memory>

class MainWindow;

// The program as it starts: the leftovers of writes a killed run left behind are removed, every
// window carries the program's icon, and the main window is made, which makes the rest.
class SorbelloProgram {
public:
    explicit SorbelloProgram(const AppEnvironment& environment);
    ~SorbelloProgram();

    MainWindow& mainWindow() { return *mainWindow_; }

    // Shows the main window in the middle of the screen.
    void show();

private:
    std::unique_ptr<MainWindow> mainWindow_;
};
