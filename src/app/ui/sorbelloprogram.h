#pragma once

#include "app/appenvironment.h"
#include "sorbellowindows.h"

#include <memory>

class MainWindow;

// The whole program: the main window and every other window, each made when first needed,
// wired to each other, and destroyed in a fixed order.
class SorbelloProgram {
public:
    explicit SorbelloProgram(const AppEnvironment& environment);
    ~SorbelloProgram();

    MainWindow& mainWindow() { return *mainWindow_; }
    const SorbelloWindows& windows() const { return windows_; }

    // Shows the main window in the middle of the screen.
    void show();

private:
    struct Windows;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<Windows> owned_;
    SorbelloWindows windows_;
};
